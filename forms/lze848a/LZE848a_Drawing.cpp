#include "forms/lze848a/LZE848a_Drawing.h"

namespace {

using namespace LZE848a_Font;
constexpr CaptionAnchor kLeft = CaptionAnchor::BottomLeft;
constexpr CaptionAnchor kCentre = CaptionAnchor::BottomCentre;
constexpr CaptionAnchor kRight = CaptionAnchor::BottomRight;
constexpr std::uint32_t kHintColor = 0x0000FF;  // red

// The tick boxes' frames begin at these segments: top, right, bottom and left edge. The right edge runs on
// 0.2 mm below the bottom edge, as on the paper form.
constexpr std::size_t kFirstTickBox = 11;
constexpr std::size_t kSecondTickBox = 15;

// clang-format off
constexpr FormLine kLines[] = {
    // the underlines of the fields
    {250, 670, 1750, 670}, {340, 1670, 1020, 1670}, {1110, 1670, 1800, 1670}, {250, 760, 1800, 760},
    {980, 850, 1800, 850}, {250, 1060, 1800, 1060}, {250, 1160, 1550, 1160}, {250, 2250, 550, 2250},
    {850, 1370, 1350, 1370}, {900, 1785, 1850, 1785}, {250, 2120, 1850, 2120},
    // the first tick box, "Kumulierung angewendet mit"
    {270, 1330, 310, 1330}, {310, 1330, 310, 1372}, {270, 1370, 310, 1370}, {270, 1330, 270, 1370},
    // the second tick box, "Keine Kumulierung angewendet"
    {270, 1430, 310, 1430}, {310, 1430, 310, 1472}, {270, 1470, 310, 1470}, {270, 1430, 270, 1470},
};
// clang-format on
constexpr FormLineSection kPage1Lines[] = {{FormPen::Frame, kLines}};

// The texts as the paper form has them, its misprints included. The chambers' notes under the declaration
// are our own wording of the hints to items (1) to (4), one sentence running on from line to line as on the
// paper; each line is kept short enough to end before the right end of the underlines (185 mm) at every zoom.
constexpr FormCaption kPage1Captions[] = {
    // the title in three languages
    {1050, 190, Heading, kCentre,
     u"Langzeit-Lieferantenerklärung für Waren mit Präferenzursprungseigenschaft"},
    {1050, 280, SubHeading, kCentre,
     u"Long term suppliers' declaration for products having preferential origin status"},
    {1050, 320, SubHeading, kCentre,
     u"Déclaration à long terme du fournisseur concernant les produits ayant le caractère originaire à titre "
     u"préférentiel"},
    {1050, 400, Text, kCentre, u"ERKLÄRUNG / DECLARATION / DÉCLARATION"},
    // the declaration in German
    {250, 510, Text, kLeft, u"Der Unterzeichner erklärt, dass die nachstehend bezeichneten Waren,"},
    {250, 720, Text, kLeft, u"die regelmässig an"},
    {250, 840, Text, kLeft, u"geliefert werden, Ursprungserzeugnisse"},
    {250, 900, Text, kLeft, u"sind und den Ursprungsregeln für den Präferenzverkehr mit"},
    {1630, 1160, Text, kLeft, u"entsprechen."},
    {250, 1270, Text, kLeft, u"Er erklärt Folgendes (6):"},
    {360, 1370, Text, kLeft, u"Kumulierung angewendet mit"},
    {1100, 1370, Text, kLeft, u""},
    {360, 1470, Text, kLeft, u"Keine Kumulierung angewendet"},
    {250, 1580, Text, kLeft, u"Diese Erklärung gilt für alle Sendungen dieser Waren im Zeitraum"},
    {250, 1680, Text, kLeft, u"vom"},
    {1040, 1680, Text, kLeft, u"bis"},
    {250, 1790, Text, kLeft, u"Der Unterzeichner verpflichtet sich,"},
    {250, 1830, Text, kLeft,
     u"umgehend zu unterrichten, wenn diese Erklärung ihre Geltung verliert. Er verpflichtet sich,"},
    {250, 1870, Text, kLeft,
     u"den Zollbehörden alle von ihnen zusätzlich verlangten Belege zur Verfügung zu stellen."},
    {250, 2170, Text, kLeft,
     u"Ort, Datum, Name und Stellung in der Firma sowie deren Name und Anschrift, Unterschrift (8-10)"},
    // the item numbers at the right ends of the underlines
    {1850, 670, Text, kRight, u"(1-2)"},
    {1850, 760, Text, kRight, u"(3)"},
    {1850, 850, Text, kRight, u"(4)"},
    {1600, 1160, Text, kRight, u"(5)"},
    {1850, 1670, Text, kRight, u"(7)"},
    // the declaration in English and French
    {1380, 1380, Small, kLeft, u"(Name des Landes/der Länder)"},
    {360, 1300, Small, kLeft, u"I declare that (6):"},
    {360, 1330, Small, kLeft, u"Je déclare ce qui suit (6):"},
    {360, 1400, Small, kLeft, u"Cumulation applied with .... (Name of the country/countries)"},
    {360, 1430, Small, kLeft, u"Cumul applicé avec .... (nom du/des pays)"},
    {360, 1500, Small, kLeft, u"No Cumulation applied"},
    {360, 1530, Small, kLeft, u"Acun Cumul Appliqué"},
    {250, 550, Small, kLeft, u"I, the undersigned, declare, that the goods described below ... (1-2)"},
    {250, 580, Small, kLeft, u"Je soussigné déclare que les marchandises décrites ci-après .. (1-2)"},
    {250, 940, Small, kLeft,
     u"which are regulary supplied to ... (3) originate in ... (4) and satisfy the rules of origin governing "
     u"preferential trade with ... (5)"},
    {250, 970, Small, kLeft,
     u"qui font l'objet d'envois réguliers à ... (3) sont originaires de .. (4)et satisfait aux règles "
     u"d'origine régissant les échanges"},
    {250, 1000, Small, kLeft, u"préférentiels avec ... (5)"},
    {250, 1706, Small, kLeft,
     u"This declaration is valid for all further shipments of these products dispatched from ... to ... (7)"},
    {250, 1736, Small, kLeft,
     u"La présente déclaration vaut pour tous les envois ultérieurs desdits produits effectués du ..... au "
     u"..... (7)"},
    {250, 1910, Small, kLeft,
     u"I undertake to inform ..... immediately if this declaration is no longer valid. I undertake to make "
     u"available to the customs authorities"},
    {250, 1940, Small, kLeft, u"any further supporting documents they require."},
    {250, 1970, Small, kLeft,
     u"Je m'engage à informer ..... immédiatement si la présente déclaration n'est plus valable. Je m'engage "
     u"à fournir aux autorités"},
    {250, 2000, Small, kLeft, u"dounanières toutes les preuves complémentaires qu'elles requièrent."},
    {250, 2205, Small, kLeft, u"Place, date and position, name and address of company, signature ... (8-10)"},
    {250, 2235, Small, kLeft,
     u"Lieu et date, nom et fonction, nom et adresse de l'enterprise, signature ... (8-10)"},
    // the edition at the foot
    {100, 2940, Small, kLeft, u" 5/2016"},
    {1850, 2940, Small, kLeft, u"F "},
    // the chambers' notes
    {250, 2295, Notes, kLeft,
     u"Offizielle Fußnoten und weitere Hinweise der IHK-Organisation zu den Angaben (1) bis (4); "
     u"Unterschrift (8-10) durch den Lieferanten oder Bevollmächtigte."},
    {250, 2325, Notes, kLeft,
     u"(1) Bezeichnung.I (2) Handelsübliche Bezeichnung der Waren mit Artikel- oder Warennummer wie "
     u"in der Rechnung; genügen kann auch die Bezeichnung"},
    {250, 2350, Notes, kLeft,
     u".. mit Hinweis auf das Warenverzeichnis oder die Preisliste des Lieferanten. Die Angaben "
     u"müssen so genau sein, dass Kunde und Zoll die Waren erkennen,"},
    {250, 2375, Notes, kLeft,
     u"damit die Erklärungen dem konkreten Geschäft zugeordnet werden können. Sammelbegriffe wie "
     u"„alle unsere Waren“ gehen über das Belegbare meist"},
    {250, 2400, Notes, kLeft,
     u"erheblich weiter. Eine solche Erklärung kann die Zollstelle im Ganzen zurückweisen, auch wenn "
     u"einzelne der genannten Waren die Ursprungsregeln erfüllen."},
    {250, 2425, Notes, kLeft,
     u"Befinden sich in der Sendung auch Waren ohne Präferenzursprung, sind diese in der Bezeichnung "
     u"ausdrücklich auszunehmen, denn die Erklärung gilt für sie"},
    {250, 2450, Notes, kLeft,
     u"nicht. Der Verweis auf eine beigefügte Liste der Waren ist zulässig, wenn die Liste datiert, "
     u"unterschrieben und fest mit der Erklärung verbunden ist."},
    {250, 2475, Notes, kLeft,
     u"Nicht zulässig ist eine Erklärung, die nur für einen Teil der Waren einer Rechnung gilt, ohne "
     u"dass zu erkennen ist, für welche; sie ist als Nachweis wertlos."},
    {250, 2510, Notes, kLeft,
     u"(3) Name des Käufers (Firma). Gemeint ist der Kunde, an den die Waren regelmäßig geliefert "
     u"werden, mit seiner vollständigen Anschrift wie in der Rechnung."},
    {250, 2545, Notes, kLeft,
     u"(4) Gemeinschaft, Land, Ländergruppe oder Gebiet, in dem die Waren ihren Präferenzursprung "
     u"haben; maßgebend sind die Regeln des Abkommens (5)."},
    {250, 2570, Notes, kLeft,
     u"Für Ursprungswaren der Europäischen Gemeinschaft ist heute „Europäische Union“ einzutragen, "
     u"auch auf älteren Vordrucken. Soll eine Abkürzung verwendet"},
    {250, 2595, Notes, kLeft,
     u"werden, dann ist eine von den Zollbehörden anerkannte Form zu wählen, wie sie in den "
     u"Amtssprachen der Union üblich ist; andere Kürzel führen zu Rückfragen."},
    {250, 2620, Notes, kLeft,
     u"Anerkannt: EU, UE, EÚ, EL, ES, AE, ЕС (bulg.), ΕΕ/EE (griech.). Die Abkürzungen EG (Ländercode "
     u"für Ägypten) und EC (Ecuador) gelten nur, wenn es sich um"},
    {250, 2645, Notes, kLeft,
     u"Ursprungserzeugnisse dieser beiden Länder handelt. Für die Europäische Union sind sie "
     u"unzulässig, da sie leicht zu Verwechslungen führen."},
    {250, 2670, Notes, kLeft,
     u"Zusätzlich zur Angabe der Ursprungsregion darf der Mitgliedstaat, in dem die Waren hergestellt "
     u"wurden, in Klammern genannt werden, zum Beispiel"},
    {250, 2695, Notes, kLeft,
     u"Europäische Union (Deutschland) oder „EU (DE)“. Diese Schreibweise folgt der Praxis der "
     u"Industrie- und Handelskammern und entspricht ihren Hinweisen"},
    {250, 2720, Notes, kLeft,
     u"für mögliche Eintragungen in Ursprungszeugnisse, die nur den nichtpräferenziellen Ursprung "
     u"bescheinigen; dieser bestimmt sich nach den Regeln in Artikel"},
    {250, 2745, Notes, kLeft,
     u"23 ff des EU-Zollkodex (ab 1. Mai 2016 nach Artikel 59 ff des Zollkodex der Union) und ist vom "
     u"Präferenzursprung dieser Erklärung zu unterscheiden."},
    {250, 2770, Notes, kLeft,
     u"Bitte achten Sie darauf, Dass die Angabe (4) zu dem Ursprung passt, den Ihr Kunde in seinen "
     u"Präferenznachweisen angibt, weil ein Nachweis sonst von"},
    {250, 2795, Notes, kLeft,
     u"den Zollbehörden abgelehnt werden könnte. Im Zweifel fragen Sie vor der Unterschrift Ihre "
     u"Industrie- und Handelskammer oder die zuständige Zollstelle."},
    {250, 2830, Notes, kLeft,
     u"Die Bezeichnung EWR als Ursprungsregion (Europäischer Wirtschaftsraum: EU-Staaten sowie "
     u"Island, Liechtenstein und Norwegen) ist zulässig, wird aber nur"},
    {250, 2855, Notes, kLeft,
     u"selten eingetragen. Zu dieser Ländergruppe, die im Präferenzverkehr als eine Region gilt, "
     u"gehört die Schweiz nicht. Üblich ist die Angabe vor allem bei"},
    {250, 2880, Notes, kLeft,
     u"Präferenznachweisen zwischen den EU-Staaten und den übrigen drei EWR-Staaten. Wenn Sie die "
     u"Abkürzung EWR gegenüber Kunden außerhalb des EWR"},
    {250, 2905, Notes, kLeft,
     u"in dieser Erklärung verwenden, empfehlen wir, zusätzlich „EU“ anzugeben. Der Zeitraum (7) "
     u"umfasst höchstens zwei Jahre; danach folgt eine neue Erklärung."},
    // the hint to read the notes first
    {950, 80, Hint, kCentre, u"Bitte lesen Sie vor dem Ausfüllen auch die offiziellen Fußnoten", kHintColor},
    {950, 120, Hint, kCentre, u"und die weiteren Hinweise der deutschen IHK-Organisation!", kHintColor},
};

}  // namespace

// By LZE848a_Font: Heading, SubHeading, Text, Small, Notes, Hint.
const FormFontSpec LZE848a_Fonts[6] = {{5, 1, 700}, {3, 1, 700},   {4, 1, 400},
                                       {3, 1, 400}, {30, 12, 400}, {54, 12, 400}};

const FormPageDrawing LZE848a_Page1Drawing{.lines = kPage1Lines, .captions = kPage1Captions};

LZE848a_Tick LZE848a_TickFor(int markChoice)
{
    const FormLine* box = &kLines[markChoice == 1 ? kFirstTickBox : kSecondTickBox];
    const FormLine& top = box[0];
    const FormLine& right = box[1];
    const FormLine& bottom = box[2];
    // Top-left corner to the foot of the right edge, and top-right corner to the bottom-left corner.
    return {{top.x1, top.y1, right.x2, right.y2}, {right.x1, right.y1, bottom.x1, bottom.y1}};
}
