#include "forms/atr/ATR_Drawing.h"

namespace {

constexpr FormLine kLines1[] = {
    {200, 100, 2020, 100},   {2020, 100, 2020, 2870}, {2020, 2870, 200, 2870},  {200, 2870, 200, 100},
    {1115, 100, 1115, 1120}, {1575, 610, 1575, 780},  {1805, 1120, 1805, 2350}, {1340, 2350, 1340, 2870},
    {200, 780, 2020, 780},   {200, 1120, 2020, 1120}, {200, 2350, 2020, 2350},  {200, 350, 1115, 350},
    {1115, 185, 2020, 185},  {1115, 250, 2020, 250},  {1115, 610, 2020, 610},
};
constexpr FormLine kLines2[] = {
    {365, 2520, 600, 2520},   {670, 2520, 850, 2520},   {310, 2565, 850, 2565}, {450, 2610, 850, 2610},
    {250, 2655, 850, 2655},   {250, 2700, 850, 2700},   {430, 2745, 850, 2745}, {250, 2840, 850, 2840},
    {1400, 2650, 1980, 2650}, {1400, 2840, 1980, 2840},
};
constexpr FormLine kLines3[] = {
    {1115, 350, 2020, 350},
    {1115, 610, 2020, 610},
    {1115, 350, 1115, 610},
    {2020, 350, 2020, 610},
};
constexpr FormLine kLines4[] = {
    {350, 1120, 350, 2350},
};
constexpr FormLineSection kPage1Lines[] = {
    {FormPen::Frame, kLines1},
    {FormPen::Dotted, kLines2},
    {FormPen::Thick, kLines3},
    {FormPen::Frame, kLines4},
};
constexpr FormCaption kPage1Captions[] = {
    {1120, 80, ATR_Font::Heading, CaptionAnchor::BottomCentre, u"WARENVERKEHRSBESCHEINIGUNG"},
    {1570, 175, ATR_Font::Heading, CaptionAnchor::BottomLeft, u"Nr."},
    {1220, 180, ATR_Font::Title, CaptionAnchor::BottomLeft, u"A.TR."},
    {1630, 180, ATR_Font::Title, CaptionAnchor::BottomLeft, u" "},
    {550, 2870, ATR_Font::Small, CaptionAnchor::BottomCentre, u"(Unterschrift)"},
    {1690, 2870, ATR_Font::Small, CaptionAnchor::BottomCentre, u"(Unterschrift)"},
    {1690, 2680, ATR_Font::Small, CaptionAnchor::BottomCentre, u"(Ort und Datum)"},
    {1135, 340, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Nr."},
    {1560, 340, ATR_Font::Small, CaptionAnchor::BottomLeft, u"vom"},
    {30, 650, ATR_Font::Small, CaptionAnchor::BottomLeft, u"1)"},
    {65, 650, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Anzugeben"},
    {65, 675, ATR_Font::Small, CaptionAnchor::BottomLeft, u"ist der"},
    {65, 700, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Mitglied-"},
    {65, 725, ATR_Font::Small, CaptionAnchor::BottomLeft, u"staat oder"},
    {65, 750, ATR_Font::Small, CaptionAnchor::BottomLeft, u"\"Türkei\""},
    {30, 2460, ATR_Font::Small, CaptionAnchor::BottomLeft, u"2)"},
    {65, 2460, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Nur aus-"},
    {65, 2485, ATR_Font::Small, CaptionAnchor::BottomLeft, u"zufüllen,"},
    {65, 2510, ATR_Font::Small, CaptionAnchor::BottomLeft, u"wenn im"},
    {65, 2535, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Ausfuhr-"},
    {65, 2560, ATR_Font::Small, CaptionAnchor::BottomLeft, u"staat er-"},
    {65, 2585, ATR_Font::Small, CaptionAnchor::BottomLeft, u"forderlich"},
    {250, 2435, ATR_Font::Small, CaptionAnchor::BottomLeft,
     u"Die Richtigkeit der Erklärung wird bescheinigt."},
    {250, 2480, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Ausfuhrpapier: ²)"},
    {250, 2525, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Art/Muster"},
    {620, 2525, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Nr."},
    {250, 2570, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Zollstelle:"},
    {250, 2615, ATR_Font::Small, CaptionAnchor::BottomLeft, u"Ausstellender Staat:"},
    {250, 2750, ATR_Font::Small, CaptionAnchor::BottomLeft, u"(Ort und Datum)"},
    {1575, 420, ATR_Font::Caption, CaptionAnchor::BottomCentre, u"ASSOZIATION"},
    {1575, 460, ATR_Font::Caption, CaptionAnchor::BottomCentre, u"zwischen der"},
    {1575, 500, ATR_Font::Caption, CaptionAnchor::BottomCentre, u"EUROPÄISCHEN UNION"},
    {1575, 540, ATR_Font::Caption, CaptionAnchor::BottomCentre, u"und der"},
    {1575, 580, ATR_Font::Caption, CaptionAnchor::BottomCentre, u"TÜRKEI"},
    {220, 140, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"1. Ausführer"},
    {1135, 290, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"2. Frachtpapier"},
    {220, 390, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"3. Empfänger"},
    {1135, 390, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"4."},
    {1135, 650, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"5. Ausfuhrstaat"},
    {1595, 650, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"6. Bestimmungsstaat 1)"},
    {220, 820, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"7. Angaben über die Beförderung"},
    {1135, 820, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"8. Bemerkungen"},
    {1815, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"11."},
    {220, 2390, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"12. BESCHEINIGUNG DER ZOLLSTELLE"},
    {1360, 2390, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"13."},
    {1855, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"Rohgewicht"},
    {1855, 1190, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"(kg) oder"},
    {1855, 1220, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"andere Maße"},
    {1855, 1250, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"(l, m³, usw.)"},
    {1410, 2390, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"ERKLÄRUNG DES AUSFÜHRERS"},
    {1410, 2440, ATR_Font::Caption, CaptionAnchor::BottomLeft,
     u"Der Unterzeichner erklärt, daß die vorgenannten"},
    {1410, 2470, ATR_Font::Caption, CaptionAnchor::BottomLeft,
     u"Waren die Voraussetzungen erfüllen, um diese"},
    {1410, 2500, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"Bescheinigung zu erlangen."},
    {220, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"9."},
    {250, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"Lau-"},
    {250, 1190, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"fende"},
    {250, 1220, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"Nummer"},
    {370, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft, u"10."},
    {420, 1160, ATR_Font::Caption, CaptionAnchor::BottomLeft,
     u"Zeichen, Nummern, Anzahl und Art der Packstücke (bei lose geschütteten Waren je nach Fall"},
    {420, 1190, ATR_Font::Caption, CaptionAnchor::BottomLeft,
     u"Name des Schiffes, Waggon- oder Kraftwagennummer); Warenbezeichnung"},
    {40, 2960, ATR_Font::Small, CaptionAnchor::BottomLeft, u"10/2016"},
};
constexpr FormLine kPage2Line[] = {{180, 698, 1830, 698}};
constexpr FormLineSection kPage2Lines[] = {{FormPen::Dotted, kPage2Line}};
}  // namespace

// By ATR_Font: Title, Heading, Small, Caption.
const FormFontSpec ATR_Fonts[4] = {{7, 1, 700}, {4, 1, 700}, {32, 12, 700}, {40, 12, 400}};

const FormPageDrawing ATR_Page1Drawing{
    .lines = kPage1Lines, .captions = kPage1Captions, .fillsFormArea = true};
const FormPageDrawing ATR_Page2Drawing{.lines = kPage2Lines, .captions = {}};
