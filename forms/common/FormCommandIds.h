#pragma once

// The commands of the form views' menus 131 to 134 and of the edit context menu 119.
namespace formcmd {

inline constexpr int kFormDefaults = 32789;
inline constexpr int kMargins = 32791;
inline constexpr int kDefaultsChoice = 32795;
inline constexpr int kInsertMode = 32802;
inline constexpr int kNextField = 32805;
inline constexpr int kPrevField = 32806;
inline constexpr int kFontLarger = 32810;
inline constexpr int kFontSmaller = 32811;
inline constexpr int kFontBold = 32812;
inline constexpr int kAlignLeft = 32816;
inline constexpr int kAlignCenter = 32817;
inline constexpr int kAlignRight = 32818;
inline constexpr int kTwoLineFields = 32829;
inline constexpr int kPage1 = 32837;
inline constexpr int kPage2 = 32838;
inline constexpr int kZoomIn = 32867;
inline constexpr int kZoomOut = 32869;
inline constexpr int kAdvancedPrintPositions = 32874;

// The edit context menu that every field editor shows on a right click.
inline constexpr int kEditContextMenu = 119;

}  // namespace formcmd
