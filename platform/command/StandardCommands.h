#pragma once

// The window framework's own command ids, with the numbers the program's menus, toolbars and accelerator
// tables use.
namespace platform {

inline constexpr int ID_VIEW_CUSTOMIZE = 126;
inline constexpr int ID_WINDOW_MANAGER = 131;

inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
// The recent-file entries; the first is the menu's placeholder "Letzte Datei".
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_LAST = 57631;

inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;

inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57666;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// The toolbar list of the view menu and the status bar switch.
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// The commands of the toolbars a user makes, one per toolbar.
inline constexpr int ID_USER_TOOLBAR_FIRST = 0xE828;
inline constexpr int ID_USER_TOOLBAR_LAST = 0xE831;

}  // namespace platform
