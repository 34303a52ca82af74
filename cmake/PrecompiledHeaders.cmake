# Most of a clean build went into parsing the same Qt, standard and GoogleTest headers for every file. They are
# parsed once per build instead: into one precompiled header that every library and program of ours reuses,
# and one more for the tests. A header missing here is still included as usual; one listed here that a file
# does not use costs nothing but memory.
option(KZ_PRECOMPILED_HEADERS "Parse the common Qt and GoogleTest headers once per build" ON)

set(KZ_PRECOMPILED_PROGRAM_HEADERS
    <QApplication> <QByteArray> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFile> <QHash> <QImage> <QKeyEvent>
    <QLabel> <QLineEdit> <QList> <QObject> <QPainter> <QPixmap> <QPointer> <QPushButton> <QString> <QStringList>
    <QTimer> <QWidget>
    <algorithm> <functional> <memory> <optional> <vector>)
# Without Qt Test, whose definitions differ from one folder of tests to the next.
set(KZ_PRECOMPILED_TEST_HEADERS ${KZ_PRECOMPILED_PROGRAM_HEADERS} <gtest/gtest.h> <QTemporaryDir>)

# The targets made in `dir` and the folders below it.
function(kz_targets_below dir result)
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    get_property(folders DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        kz_targets_below("${folder}" below)
        list(APPEND targets ${below})
    endforeach()
    set(${result} ${targets} PARENT_SCOPE)
endfunction()

# Every library and program below the source folders given that is built on `first` reuses the headers
# precompiled for it. The compiler takes a precompiled header only where the definitions are the same (the Qt
# modules linked), and says so otherwise, which the build takes as an error; the targets of ours carry the
# definitions of `first`, and a target on Qt alone (the benchmark's bare window) parses its few headers itself.
function(kz_precompile_program_headers first)
    if(NOT KZ_PRECOMPILED_HEADERS)
        return()
    endif()
    target_precompile_headers(${first} PRIVATE ${KZ_PRECOMPILED_PROGRAM_HEADERS})
    foreach(folder IN LISTS ARGN)
        kz_targets_below("${CMAKE_SOURCE_DIR}/${folder}" targets)
        foreach(target IN LISTS targets)
            get_target_property(links ${target} LINK_LIBRARIES)
            list(FILTER links INCLUDE REGEX "^kz_")
            if(links)
                target_precompile_headers(${target} REUSE_FROM ${first})
            endif()
        endforeach()
    endforeach()
endfunction()

# The tests: `test_main` precompiles, every test program reuses.
function(kz_precompile_test_headers test_main)
    if(KZ_PRECOMPILED_HEADERS)
        target_precompile_headers(${test_main} PRIVATE ${KZ_PRECOMPILED_TEST_HEADERS})
    endif()
endfunction()
function(kz_reuse_test_headers test_main test)
    if(KZ_PRECOMPILED_HEADERS)
        target_precompile_headers(${test} REUSE_FROM ${test_main})
    endif()
endfunction()
