#pragma once

#include <QStringView>
#include <array>

// Every value of the settings store, each with its section, its name and the default that every read of it
// uses. The program reads and writes the store only through these constants, never through a name typed
// at the place of use.
namespace settings {

// A value whose default is computed where it is read, or that is only written.
struct ValueName {
    QStringView section;
    QStringView name;
};
struct IntValue : ValueName {
    int defaultValue;
};
struct TextValue : ValueName {
    QStringView defaultValue;
};

// A value that every form keeps in its own section; the form names the section.
struct FormValueName {
    QStringView name;
    constexpr ValueName in(QStringView section) const { return {section, name}; }
};
struct FormIntValue {
    QStringView name;
    int defaultValue;
    constexpr IntValue in(QStringView section) const { return {{section, name}, defaultValue}; }
};
struct FormTextValue {
    QStringView name;
    QStringView defaultValue;
    constexpr TextValue in(QStringView section) const { return {{section, name}, defaultValue}; }
};

inline constexpr QStringView kSettingsSection = u"Settings";
inline constexpr QStringView kFontSection = u"Font";
inline constexpr QStringView kEUR1Section = u"EUR1Form_Defaults";
inline constexpr QStringView kATRSection = u"ATRForm_Defaults";
inline constexpr QStringView kUZSection = u"UZForm_Defaults";
inline constexpr QStringView kLZE1Section = u"LZE1Form_Defaults";
// Holds only the printer font factor of the 848 declaration.
inline constexpr QStringView kLZE2Section = u"LZE2Form_Defaults";
// The window framework's own sections.
inline constexpr QStringView kWorkspaceSection = u"Workspace";
inline constexpr QStringView kRecentFileListSection = u"Recent File List";

// Program-wide values. Those without a dialog are set by hand only and never written by the program.
inline constexpr IntValue kLanguage{{kSettingsSection, u"Language"}, 0};  // 0 German, 1 English
// 0 shows no splash window; start-up reads it with 1, the splash window takes it as seconds with 5.
inline constexpr IntValue kSplashScreenAtStart{{kSettingsSection, u"SplashScreen"}, 1};
inline constexpr IntValue kSplashScreenSeconds{{kSettingsSection, u"SplashScreen"}, 5};
inline constexpr IntValue kNoFileFilter{{kSettingsSection, u"NoFileFilter"}, 0};
inline constexpr IntValue kPrnFactorV{{kSettingsSection, u"PrnFactorV"}, 1000};  // per mille
inline constexpr IntValue kPrnFactorH{{kSettingsSection, u"PrnFactorH"}, 1000};
// Percent; its default is the screen's measured factor.
inline constexpr ValueName kWinFormScaledFactorOv{kSettingsSection, u"WinFormScaledFactorOv"};
inline constexpr IntValue kEURPRN{{kSettingsSection, u"EURPRN"}, 0};
inline constexpr ValueName kPreviewPages{kSettingsSection, u"PreviewPages"};

// The heights of one set of the field editor's fonts: sizes 0 to 4, the two small extra fonts, bold 0 to 4.
struct FontHeights {
    std::array<IntValue, 5> regular;
    IntValue extra1;
    IntValue extra2;
    std::array<IntValue, 5> bold;
};

inline constexpr FontHeights kScreenFontHeights{
    {{{{kFontSection, u"DFont0"}, 30},
      {{kFontSection, u"DFont1"}, 38},
      {{kFontSection, u"DFont2"}, 42},
      {{kFontSection, u"DFont3"}, 46},
      {{kFontSection, u"DFont4"}, 52}}},
    {{kFontSection, u"DFont8"}, 26},
    {{kFontSection, u"DFont9"}, 22},
    {{{{kFontSection, u"DFont0B"}, 28},
      {{kFontSection, u"DFont1B"}, 38},
      {{kFontSection, u"DFont2B"}, 42},
      {{kFontSection, u"DFont3B"}, 46},
      {{kFontSection, u"DFont4B"}, 52}}},
};
inline constexpr FontHeights kEditFontHeights{
    {{{{kFontSection, u"EFont0"}, 30},
      {{kFontSection, u"EFont1"}, 38},
      {{kFontSection, u"EFont2"}, 42},
      {{kFontSection, u"EFont3"}, 46},
      {{kFontSection, u"EFont4"}, 52}}},
    {{kFontSection, u"EFont8"}, 26},
    {{kFontSection, u"EFont9"}, 22},
    {{{{kFontSection, u"EFont0B"}, 28},
      {{kFontSection, u"EFont1B"}, 38},
      {{kFontSection, u"EFont2B"}, 42},
      {{kFontSection, u"EFont3B"}, 46},
      {{kFontSection, u"EFont4B"}, 52}}},
};
// Before the printer font factor.
inline constexpr FontHeights kPrinterFontHeights{
    {{{{kFontSection, u"PFont0"}, 22},
      {{kFontSection, u"PFont1"}, 32},
      {{kFontSection, u"PFont2"}, 36},
      {{kFontSection, u"PFont3"}, 42},
      {{kFontSection, u"PFont4"}, 46}}},
    {{kFontSection, u"PFont8"}, 24},
    {{kFontSection, u"PFont9"}, 19},
    {{{{kFontSection, u"PFont0B"}, 22},
      {{kFontSection, u"PFont1B"}, 32},
      {{kFontSection, u"PFont2B"}, 38},
      {{kFontSection, u"PFont3B"}, 42},
      {{kFontSection, u"PFont4B"}, 46}}},
};

// What a calibration dialog offers for its values. Printing holds a value set by hand beyond the range to its
// nearer end, and the dialog shows it so: what the user sees is what prints.
struct IntRange {
    int smallest;
    int largest;
    constexpr int clamp(int value) const
    {
        return value < smallest ? smallest : value > largest ? largest : value;
    }
};
inline constexpr IntRange kMarginRange{-200, 200};           // the margin dialogs: -20 mm to +20 mm
inline constexpr IntRange kBoxCorrectionRange{-99, 99};      // the advanced print positions, 0.1 mm
inline constexpr IntRange kPrinterFontFactorRange{50, 150};  // the printer font sizes, percent
inline constexpr IntRange kPrintAreaRange{970, 1030};        // the print-area correction, per mille
inline constexpr IntRange kCrossVerticalRange{-100, 100};    // the crosses of box 8, 0.1 mm, up and down
inline constexpr IntRange kCrossHorizontalRange{-200, 200};  // and left and right

// Values of every form section. Lengths are tenths of a millimetre unless a unit is named.
inline constexpr FormValueName kZoomFactor{u"ZoomFactor"};  // default from the screen height
inline constexpr FormValueName kZoomFactorLU{u"ZoomFactorLU"};
inline constexpr FormValueName kWinFormScaledFactor{u"WinFormScaledFactor"};
inline constexpr FormIntValue kEditTextColor{u"EditTextColor", 0xFF0000};  // 0x00BBGGRR
inline constexpr FormIntValue kDocLength{u"DocLength", 350};               // millimetres
inline constexpr FormIntValue kDocWidth{u"DocWidth", 205};                 // millimetres
inline constexpr FormTextValue kPrinter{u"Printer", u"@"};                 // "@": none
inline constexpr FormIntValue kReUsePrn{u"ReUsePrn", 0};
inline constexpr FormIntValue kShowMarginDlg{u"ShowMarginDlg", 0};  // 1: the margin dialog is not shown
inline constexpr FormIntValue kLeftMargin1{u"LeftMargin1", 0};
inline constexpr FormIntValue kTopMargin1{u"TopMargin1", 0};
inline constexpr FormIntValue kLeftMargin2{u"LeftMargin2", 0};
inline constexpr FormIntValue kTopMargin2{u"TopMargin2", 0};
inline constexpr FormIntValue kPrinterFontFactor{u"PrinterFontFactor", 95};  // percent
inline constexpr FormIntValue kNoPrintBNase{u"NoPrintBNase", 0};
inline constexpr FormTextValue kExporteur{u"Exporteur", u""};
inline constexpr FormTextValue kUrsprungsland{u"Ursprungsland", u""};
inline constexpr FormTextValue kTransport{u"Transport", u""};
inline constexpr FormTextValue kStadt{u"Stadt", u""};
inline constexpr FormIntValue kAutodatum{u"Autodatum", 0};

// Values of one form only.
inline constexpr IntValue kATRField12HorCorr{{kATRSection, u"Field12HorCorr"}, 0};
inline constexpr IntValue kATRField12VertCorr{{kATRSection, u"Field12VertCorr"}, 0};
inline constexpr IntValue kATRField13HorCorr{{kATRSection, u"Field13HorCorr"}, 0};
inline constexpr IntValue kATRField13VertCorr{{kATRSection, u"Field13VertCorr"}, 0};
inline constexpr IntValue kEUR1Field11HorCorr{{kEUR1Section, u"Field11HorCorr"}, 0};
inline constexpr IntValue kEUR1Field11VertCorr{{kEUR1Section, u"Field11VertCorr"}, 0};
inline constexpr IntValue kEUR1Field12HorCorr{{kEUR1Section, u"Field12HorCorr"}, 0};
inline constexpr IntValue kEUR1Field12VertCorr{{kEUR1Section, u"Field12VertCorr"}, 0};
inline constexpr IntValue kU08_HH{{kUZSection, u"U08_HH"}, 0};
inline constexpr IntValue kNoPrint_X{{kUZSection, u"NoPrint_X"}, 0};
inline constexpr IntValue kLeft_X1Pos{{kUZSection, u"Left_X1Pos"}, 0};
inline constexpr IntValue kTop_X1Pos{{kUZSection, u"Top_X1Pos"}, 0};
inline constexpr IntValue kLeft_X2Pos{{kUZSection, u"Left_X2Pos"}, 0};
inline constexpr IntValue kTop_X2Pos{{kUZSection, u"Top_X2Pos"}, 0};
inline constexpr IntValue kLZEF1F2{{kLZE1Section, u"LZEF1F2"}, 0};

// The framework's recent-file list, most recent first.
inline constexpr std::array<ValueName, 8> kRecentFiles{{
    {kRecentFileListSection, u"File1"},
    {kRecentFileListSection, u"File2"},
    {kRecentFileListSection, u"File3"},
    {kRecentFileListSection, u"File4"},
    {kRecentFileListSection, u"File5"},
    {kRecentFileListSection, u"File6"},
    {kRecentFileListSection, u"File7"},
    {kRecentFileListSection, u"File8"},
}};

// The main window's layout, kept by the window framework: where the bars stand and the window's place (both
// in Qt's own form, as base64 text), whether the status bar shows, and which buttons the toolbar "Standard"
// has (command ids separated by ",", 0 a separator; empty while they are those of the resources).
inline constexpr TextValue kWindowState{{kWorkspaceSection, u"WindowState"}, u""};
inline constexpr TextValue kWindowGeometry{{kWorkspaceSection, u"WindowGeometry"}, u""};
inline constexpr IntValue kStatusBarShown{{kWorkspaceSection, u"StatusBar"}, 1};
inline constexpr TextValue kStandardToolbarButtons{{kWorkspaceSection, u"ToolbarButtons"}, u""};
// A toolbar of the user: the subkey "Workspace\UserToolbar<id>" holds its name and buttons.
inline constexpr QStringView kUserToolbarSectionPrefix = u"Workspace\\UserToolbar";
inline constexpr FormTextValue kUserToolbarName{u"Name", u""};
inline constexpr FormTextValue kUserToolbarButtons{u"Buttons", u""};

}  // namespace settings
