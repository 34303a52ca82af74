#include "forms/uz/UZ_Drawing.h"

namespace {

// clang-format off
constexpr FormLine kPage1Frame[] = {
    // the frame
    {100, 20, 1938, 20}, {1938, 20, 1938, 2820}, {1938, 2820, 100, 2820}, {100, 2820, 100, 20},
    // the box of the serial number, the title box's sides and the boxes 1 to 7
    {1020, 105, 1580, 105}, {1580, 20, 1580, 190}, {1020, 20, 1020, 1040}, {100, 275, 1020, 275},
    {100, 700, 1940, 700}, {100, 1040, 1940, 1040}, {1480, 1040, 1480, 2130}, {1250, 360, 1710, 360},
    {100, 2130, 1940, 2130},
    // the first cross box of box 8
    {810, 2220, 845, 2220}, {810, 2220, 810, 2255}, {810, 2255, 845, 2255}, {845, 2220, 845, 2255},
    // the second cross box of box 8
    {1310, 2220, 1345, 2220}, {1310, 2220, 1310, 2255}, {1310, 2255, 1345, 2255}, {1345, 2220, 1345, 2255},
    // box 9 and the place of the signature
    {100, 2560, 1020, 2560}, {1020, 2820, 1020, 2560},
};
constexpr FormLine kSignatureLine[] = {{1050, 2770, 1900, 2770}};
constexpr FormLine kTitleBox[] = {
    {1020, 190, 1020, 530}, {1020, 530, 1938, 530}, {1938, 530, 1938, 190}, {1938, 190, 1020, 190},
};
// clang-format on
constexpr FormLineSection kPage1Lines[] = {
    {FormPen::Frame, kPage1Frame},
    {FormPen::Dotted, kSignatureLine},
    {FormPen::Thick, kTitleBox},
};

// The texts as the paper form has them, its misprints included.
constexpr FormCaption kPage1Captions[] = {
    {120, 55, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"1"},
    {120, 315, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"2"},
    {1040, 570, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"3"},
    {120, 735, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"4"},
    {1040, 735, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"5"},
    {120, 1080, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"6"},
    {1500, 1080, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"7"},
    {120, 2170, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"8"},
    {120, 2600, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"9"},
    {150, 55, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Absender (Name oder Firmenbezeichnung und vollständige Anschrift)"},
    {150, 315, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Empfänger (Name oder Firmenbezeichnung und vollständige Anschrift,"},
    {150, 345, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"oder \"an Order\" und Bestimmungsland)"},
    {1070, 570, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Ursprungsland (Europäische Union oder betreffendes Ursprungsland)"},
    {150, 735, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Angaben über die Beförderung (Ausfüllung freigestellt)"},
    {1070, 735, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Bemerkungen"},
    {150, 1080, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Laufende Nummer; Zeichen, Nummern, Anzahl und Art der Packstücke; Warenbezeichnung"},
    {150, 1110, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"(bei unverpackten Waren die Anzahl oder \"lose geschüttet\" einsetzen)"},
    {1530, 1080, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Menge (ausgedrückt in Roh- oder"},
    {1530, 1110, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Eigengewicht oder in anderen"},
    {1530, 1140, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Maßeinheiten)"},
    {150, 2170, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Der Unterzeichner"},
    {150, 2210, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"-"},
    {170, 2210, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"BEANTRAGT die Ausstellung eines Ursprungszeugnisses, in dem bescheinigt wird, daß die oben "
     u"bezeichneten Waren ihren Ursprung in dem in Feld 3 genannten Land haben,"},
    {150, 2250, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"-"},
    {170, 2250, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"ERKLÄRT, daß die vorbezeichneten Waren hergestellt wurden"},
    {870, 2250, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"im eigenen Betrieb in Deutschland"},
    {1370, 2250, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"in einem anderen Betrieb, daß er für die vorbezeichne-"},
    {170, 2280, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"ten Waren noch kein Ursprungszeugnis beantragt hat,"},
    {170, 2320, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"daß ihm folgendes bekannt ist: Ursprungszeugnisse sind öffentliche Urkunden; wer schuldhaft bewirkt, "
     u"daß unrichtige Angaben in einem Ursprungszeugnis bescheinigt werden,"},
    {170, 2350, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"oder wer schuldhaft falsche Ursprungszeugnisse gebraucht, kann sich einer straf- oder "
     u"bußgeldrechtlichen Verfolgung aussetzen; für alle Schäden, die aus vorsätzlich oder fahr-"},
    {170, 2380, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"lässig gemachten unrichtigen Angaben entstehen, haftet er gegebenenfalls auch bürgerrechtlich."},
    {150, 2420, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"-"},
    {170, 2420, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"ERKLÄRT, daß die Angaben dieses Antrags sowie im Hinblick auf die Ausstellung des Ursprungszeunisses "
     u"der zuständigen Stelle vorgelegten Beweisunterlagen und erteil-"},
    {170, 2450, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"ten Auskünfte richtig sind, daß die Waren, auf die sich die Unterlagen und Auskünfte beziehen, "
     u"dieselben sind, für die das Zeugnis beantragt wird, daß die Waren die Voraus-"},
    {170, 2480, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"setzungen erfüllen, die durch die Regelungen über die geweinsame Begriffsbestimmung für den "
     u"Warenursprung vorgesehen sind."},
    {150, 2520, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"-"},
    {170, 2520, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"VERPFLICHTET SICH, auf Verlangen der zuständigen Stelle, zusätzliche Angaben zu machen und weitere "
     u"Beweisunterlagen vorzulegen, die für die Ausstellung des Zeugnisses"},
    {170, 2550, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"erforderlich sind."},
    {150, 2600, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Antragsteller, wenn nicht Absender"},
    {150, 2630, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"(Name der Firma und vollständige Anschrift)"},
    {1050, 2805, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"Ort und Datum"},
    {1420, 2805, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Unterschrift des Antragstellers (Handschriftlich)"},
    {1470, 300, UZ_Font::Title, CaptionAnchor::BottomCentre, u"EUROPÄISCHE UNION"},
    {1470, 480, UZ_Font::Title, CaptionAnchor::BottomCentre, u"URSPRUNGSZEUGNIS"},
    {1755, 100, UZ_Font::Title, CaptionAnchor::BottomCentre, u"ANTRAG AUF"},
    {1755, 170, UZ_Font::Title, CaptionAnchor::BottomCentre, u"AUSSTELLUNG"},
    {50, 2920, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"04/2016"},
};

// clang-format off
constexpr FormLine kPage2Frame[] = {
    // the frame
    {100, 20, 1938, 20}, {1938, 20, 1938, 2820}, {1938, 2820, 100, 2820}, {100, 2820, 100, 20},
    // the rule above the notes
    {100, 2065, 1938, 2065},
};
// clang-format on
constexpr FormLineSection kPage2Lines[] = {{FormPen::Frame, kPage2Frame}};

constexpr FormCaption kPage2Captions[] = {
    {920, 80, UZ_Font::Caption, CaptionAnchor::BottomCentre,
     u"(Raum für zusätzliche Angaben der Einzelstaaten)"},
    {170, 2110, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"ANMERKUNGEN, BEIM AUSFÜLLEN VON URSPRUNGSZEUGNIS UND ANTRAG ZU BEACHTEN!"},
    {170, 2170, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"1."},
    {170, 2290, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"2."},
    {170, 2400, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"3."},
    {170, 2490, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"4."},
    {170, 2550, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"5."},
    {170, 2640, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"6."},
    {200, 2170, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Die Vordrucke werden in Maschinenschrift oder handschriftlich in einer Amtssprache der Gemeinschaft "
     u"oder nach den Gepflogenheiten und Erfordernissen des"},
    {200, 2200, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Handels in einer anderen Sprache ausgefüllt, wobei auf Übereinstimmung zu achten ist. Bei der "
     u"handschriftlichen Ausfüllung werden Tinte (oder Kugelschreiber)"},
    {200, 2230, UZ_Font::Caption, CaptionAnchor::BottomLeft, u"und Druckschrift verwendet."},
    {200, 2290, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Ursprungszeugnis und Antrag dürfen weder Rasuren noch Übermalungen aufweisen. Änderungen sind so "
     u"vorzunehmen, daß die irrtümlichen Eintragungen gestri-"},
    {200, 2320, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"chen und gegebenenfalls die beabsichtigten Eintragungen hinzugefügt werden. Jede so vorgenommene "
     u"Änderung muß von dem, der sie durchgeführt hat, beschei-"},
    {200, 2350, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"nigt und von der zuständigen Stelle bestätigt werden."},
    {200, 2400, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Jeder Warenposten, der in dem Ursprungszeugnis aufgeführt ist, muß mit einer laufenden Nummer "
     u"versehen sein. Unmittelbar unter der letzten"},
    {200, 2430, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Eintragung ist ein waagerechter Strich zu ziehen. Leerfelder sind durch Streichungen unbrauchbar zu "
     u"machen."},
    {200, 2490, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Falls dies für den Ausfuhrhandel notwendig ist, können neben dem Zeugnis eine oder mehrere "
     u"Durchschriften ausgefertigt werden."},
    {200, 2550, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"In Feld 3 ist das Ursprungsland für jede im Feld 6 aufgeführte Ware einzutragen. Reicht der Raum in "
     u"Feld 3 nicht aus, kann das Ursprungsland in Feld 6 getrennt für"},
    {200, 2580, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"jede dort aufgeführte Ware angegeben werden. In diesem Fall ist in Feld 3 der Vermerk \"(Siehe Feld "
     u"6)\" anzubringen."},
    {200, 2640, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"Zur Angabe des Ursprungslandes bei umfangreichen Sendungen sind Hinweise auf zugehörige "
     u"Geschäftspapiere in Feld 6 zulässig. In diesem Fall sind die Serien-"},
    {200, 2670, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"nummern des Formblattes in den Geschäftspapieren und die NUmmer der Geschäftspapiere (z. B. Rechnung, "
     u"Packliste) im Formblatt zu vermerken, um die Zusam-"},
    {200, 2700, UZ_Font::Caption, CaptionAnchor::BottomLeft,
     u"mengehörigkeit zwischen Geschäftspapieren und Formblatt eindeutig feststellen zu können. In Feld 3 "
     u"ist ein Hinweis auf Feld 6 anzubringen."},
};

}  // namespace

// By UZ_Font: Caption, Title.
const FormFontSpec UZ_Fonts[2] = {{30, 12, 400}, {52, 12, 700}};

// Both pages are drawn in dark red on the form's colour.
const FormPageDrawing UZ_Page1Drawing{
    .lines = kPage1Lines, .captions = kPage1Captions, .captionColor = 0x000080, .fillsFormArea = true};
const FormPageDrawing UZ_Page2Drawing{
    .lines = kPage2Lines, .captions = kPage2Captions, .captionColor = 0x000080, .fillsFormArea = true};
