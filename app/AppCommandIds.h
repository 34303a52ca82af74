#pragma once

// The application's own commands, with the numbers of the program's menus and accelerator tables.
namespace AppCommandIds {

inline constexpr int kHomepage = 1004;
inline constexpr int kWebUpdate = 32775;
inline constexpr int kPrinterFontSize = 32793;
inline constexpr int kResetFontSizes = 32847;
inline constexpr int kSupportInfo = 32848;
inline constexpr int kResetWorkspace = 32849;
inline constexpr int kPrintSizeCorrection = 32850;
inline constexpr int kResetRegistry = 32851;
inline constexpr int kDefaultsUZ = 32856;
inline constexpr int kDefaultsATR = 32857;
inline constexpr int kDefaultsEUR1 = 32858;

}  // namespace AppCommandIds
