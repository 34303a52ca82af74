#pragma once

#include <QCursor>

// The program's own cursors by resource id, loaded once at start and kept until the end: 342 the field
// editor's, 338, 340 and 341 the form views' hover cursors (nothing, an input field, a cross or tick area),
// 343 the splash window's, and 339, which no window shows.
class AppCursors {
public:
    static constexpr int kIds[] = {342, 338, 340, 341, 343, 339};

    static void Load();
    // The arrow for an id that was not loaded.
    static QCursor Get(int resourceId);
};
