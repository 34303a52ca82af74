#include "forms/eur1/EUR1_Drawing.h"

namespace {

constexpr auto kCentre = CaptionAnchor::BottomCentre;
constexpr auto kLeft = CaptionAnchor::BottomLeft;
constexpr std::uint8_t kTitle = EUR1_Font::Title;
constexpr std::uint8_t kHeading = EUR1_Font::Heading;
constexpr std::uint8_t kSmall = EUR1_Font::Small;
constexpr std::uint8_t kCaption = EUR1_Font::Caption;

// clang-format off
constexpr FormLine kFrame[] = {
    // the frame, whose first two lines span the coloured form area
    {200, 100, 2020, 100}, {2020, 100, 2020, 2870}, {2020, 2870, 200, 2870}, {200, 2870, 200, 100},
    // the columns: boxes 1 | 2, 4 | 5, 8 | 9 | 10, 11 | 12
    {1115, 100, 1115, 1120}, {1575, 610, 1575, 780}, {1575, 1120, 1575, 2350}, {1805, 1120, 1805, 2350},
    {1340, 2350, 1340, 2870},
    // the rows: below boxes 4 and 5, below 6 and 7, below 8 to 10, below 1, and the number box of box 2
    {200, 780, 2020, 780}, {200, 1120, 2020, 1120}, {200, 2350, 2020, 2350}, {200, 350, 1115, 350},
    {1115, 185, 2020, 185}, {1115, 270, 2020, 270}, {1115, 610, 2020, 610},
};
constexpr FormLine kDotted[] = {
    // box 2: the two lines of the states
    {1150, 440, 1980, 440}, {1150, 560, 1980, 560},
    // box 11: the customs endorsement
    {365, 2520, 600, 2520}, {670, 2520, 850, 2520}, {310, 2565, 850, 2565}, {400, 2610, 850, 2610},
    {560, 2655, 850, 2655}, {250, 2700, 850, 2700}, {250, 2745, 850, 2745}, {250, 2840, 850, 2840},
    // box 12: place and date, signature
    {1400, 2650, 1980, 2650}, {1400, 2840, 1980, 2840},
};
constexpr FormLine kBoxTwo[] = {
    {1115, 270, 2020, 270}, {1115, 610, 2020, 610}, {1115, 270, 1115, 610}, {2020, 270, 2020, 610},
};
// clang-format on
constexpr FormLineSection kPage1Lines[] = {
    {FormPen::Frame, kFrame},
    {FormPen::Dotted, kDotted},
    {FormPen::Thick, kBoxTwo},
};

constexpr FormCaption kPage1Captions[] = {
    // the title and the notes of box 2
    {1120, 80, kHeading, kCentre, u"WARENVERKEHRSBESCHEINIGUNG"},
    {1570, 175, kHeading, kLeft, u"Nr."},
    {1220, 180, kTitle, kLeft, u"EUR.1"},
    {1630, 180, kTitle, kLeft, u" "},
    {1570, 240, kSmall, kCentre, u"Vor dem Ausfüllen Anmerkungen auf der Rückseite beachten"},
    {1570, 480, kSmall, kCentre, u"und"},
    {1570, 600, kSmall, kCentre, u"(Angabe der betreffenden Staaten, Staatengruppe oder Gebiete)"},
    {550, 2870, kSmall, kCentre, u"(Unterschrift)"},
    {1690, 2870, kSmall, kCentre, u"(Unterschrift)"},
    {550, 2780, kSmall, kCentre, u"(Ort und Datum)"},
    {1690, 2680, kSmall, kCentre, u"(Ort und Datum)"},
    // the margin notes of box 8 and box 11, and box 11
    {30, 1160, kSmall, kLeft, u"(1)"},
    {65, 1160, kSmall, kLeft, u"Bei unver-"},
    {65, 1185, kSmall, kLeft, u"packten"},
    {65, 1210, kSmall, kLeft, u"Waren ist"},
    {65, 1235, kSmall, kLeft, u"die Anzahl"},
    {65, 1260, kSmall, kLeft, u"der Gegen-"},
    {65, 1285, kSmall, kLeft, u"stände"},
    {65, 1310, kSmall, kLeft, u"oder \"lose"},
    {65, 1335, kSmall, kLeft, u"geschüttet\""},
    {65, 1360, kSmall, kLeft, u"anzugeben"},
    {30, 2460, kSmall, kLeft, u"(2)"},
    {65, 2460, kSmall, kLeft, u"In der"},
    {65, 2485, kSmall, kLeft, u"Bundes-"},
    {65, 2510, kSmall, kLeft, u"republik"},
    {65, 2535, kSmall, kLeft, u"Deutschland"},
    {65, 2560, kSmall, kLeft, u"vom"},
    {65, 2585, kSmall, kLeft, u"Ausführer"},
    {65, 2610, kSmall, kLeft, u"auszufüllen"},
    {250, 2435, kSmall, kLeft, u"Die Richtigkeit der Erklärung wird bescheinigt."},
    {250, 2480, kSmall, kLeft, u"Ausfuhrpapier: ²)"},
    {250, 2525, kSmall, kLeft, u"Art/Muster"},
    {620, 2525, kSmall, kLeft, u"Nr."},
    {250, 2570, kSmall, kLeft, u"vom"},
    {250, 2615, kSmall, kLeft, u"Zollbehörde:"},
    {250, 2660, kSmall, kLeft, u"Ausstellender/s Staat/Gebiet:"},
    // the box captions
    {220, 140, kCaption, kLeft, u"1. Ausführer/Exporteur"},
    {1135, 310, kCaption, kLeft, u"2. Bescheinigung für den Präferenzverkehr zwischen"},
    {220, 390, kCaption, kLeft, u"3. Empfänger"},
    {1135, 650, kCaption, kLeft, u"4."},
    {1595, 650, kCaption, kLeft, u"5."},
    {220, 820, kCaption, kLeft, u"6. Angaben über die Beförderung"},
    {1135, 820, kCaption, kLeft, u"7. Bemerkungen"},
    {220, 1160, kCaption, kLeft,
     u"8. Laufende Nummer; Zeichen, Nummern, Anzahl und Art der Packstücke; Warenbezeichnung"},
    {1595, 1160, kCaption, kLeft, u"9."},
    {1825, 1160, kCaption, kLeft, u"10. Rechnungen"},
    {220, 2390, kCaption, kLeft, u"11. SICHTVERMERK DER ZOLLBEHÖRDE"},
    {1360, 2390, kCaption, kLeft, u"12."},
    {1165, 650, kCaption, kLeft, u"Staat, Staatengruppe, oder Ge-"},
    {1165, 675, kCaption, kLeft, u"biet, als dessen bzw. deren Ur-"},
    {1165, 700, kCaption, kLeft, u"sprungswaren die Waren gelten"},
    {1625, 650, kCaption, kLeft, u"Bestimmungsstaat,"},
    {1625, 675, kCaption, kLeft, u"-staatengruppe oder -gebiete"},
    {1625, 1160, kCaption, kLeft, u"Rohgewicht"},
    {1625, 1190, kCaption, kLeft, u"(kg) oder"},
    {1625, 1220, kCaption, kLeft, u"andere Maße"},
    {1625, 1250, kCaption, kLeft, u"(l, m³, usw.)"},
    {1410, 2390, kCaption, kLeft, u"ERKLÄRUNG DES AUSFÜHRERS/"},
    {1410, 2415, kCaption, kLeft, u"EXPORTEURS"},
    {1410, 2440, kCaption, kLeft, u"Der Unterzeichner erklärt, daß die vorgenannten"},
    {1410, 2470, kCaption, kLeft, u"Waren die Voraussetzungen erfüllen, um diese"},
    {1410, 2500, kCaption, kLeft, u"Bescheinigung zu erlangen."},
    // the edition mark, which names the paper form the back of the application is printed on
    {40, 2960, kSmall, kLeft, u"03/2010", std::nullopt, true},
};

// clang-format off
constexpr FormLine kWritingLines[] = {
    {180, 958, 1830, 958}, {180, 1463, 1830, 1463},
    // the description of the facts
    {180, 698, 1830, 698}, {180, 763, 1830, 763}, {180, 828, 1830, 828}, {180, 893, 1830, 893},
    // the supporting documents
    {180, 1203, 1830, 1203}, {180, 1268, 1830, 1268}, {180, 1333, 1830, 1333}, {180, 1398, 1830, 1398},
    // place and date, signature
    {910, 1970, 1830, 1970}, {910, 2220, 1830, 2220},
};
// clang-format on
constexpr FormLineSection kPage2Lines[] = {{FormPen::Dotted, kWritingLines}};

constexpr FormCaption kPage2Captions[] = {
    {1020, 70, kCaption, kCentre, u"ERKLÄRUNGEN DES AUSFÜHRERS/EXPORTEURS"},
    {100, 2380, kCaption, kLeft, u"ACHTUNG"},
    {100, 280, kCaption, kLeft,
     u"Der Unterzeichner, Ausführer/Exporteur der auf der Vorderseite beschriebenen Waren,"},
    {100, 450, kCaption, kLeft,
     u"ERKLÄRT, daß die Waren die Voraussetzungen erfüllen, um die beigefügte Bescheinigung zu erlangen;"},
    {100, 620, kCaption, kLeft,
     u"BESCHREIBT den Sachverhalt, aufgrund dessen die Waren die vorgenannten Voraussetzungen erfüllen, wie "
     u"folgt:"},
    {100, 1080, kCaption, kLeft, u"LEGT folgende Nachweise VOR ¹):"},
    {100, 1550, kCaption, kLeft,
     u"VERPFLICHTET SICH, auf Verlangen den zuständigen Behörden alle zusätzlichen Nachweise zu erbringen, "
     u"die für die Ausstellung der beigefügten Be-"},
    {280, 1590, kCaption, kLeft,
     u"scheinigung erforderlich sind, und gegebenenfalls jede Kontrolle seiner Buchführung und der "
     u"Herstellungsbedingungen für die oben-"},
    {280, 1630, kCaption, kLeft, u"genannten Waren zu dulden;"},
    {100, 1760, kCaption, kLeft, u"BEANTRAGT die Ausstellung der beigefügten Bescheinigung für diese Waren."},
    {255, 2380, kCaption, kLeft,
     u"Unrichtige Angaben, die für die Vorzugsbehandlung von Bedeutung sind, können als Steuerstraftat oder "
     u"Steuerordnungswidrigkeit geahn-"},
    {255, 2420, kCaption, kLeft, u"det werden."},
    {100, 2540, kCaption, kLeft, u"1)"},
    {130, 2540, kCaption, kLeft,
     u"Zum Beispiel: Einfuhrpapiere, Warenverkehrsbescheinigungen, Rechnungen, Erklärungen des Herstellers "
     u"usw. über die verwendeten Erzeugnisse oder die in unverän-"},
    {130, 2570, kCaption, kLeft, u"dertem Zustand wieder ausgeführten Waren."},
    {1270, 2005, kCaption, kLeft, u"(Ort und Datum)"},
    {1280, 2255, kCaption, kLeft, u"(Unterschrift)"},
};

}  // namespace

// By EUR1_Font: Title, Heading, Small, Caption.
const FormFontSpec EUR1_Fonts[4] = {{7, 1, 700}, {4, 1, 700}, {32, 12, 700}, {40, 12, 400}};

const FormPageDrawing EUR1_Page1Drawing{
    .lines = kPage1Lines, .captions = kPage1Captions, .fillsFormArea = true};
const FormPageDrawing EUR1_Page2Drawing{.lines = kPage2Lines, .captions = kPage2Captions};
