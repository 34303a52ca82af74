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

# Every library and program below the source folders given that is built on our libraries reuses the headers
# precompiled once for them. The compiler takes a precompiled header only where the definitions are the same,
# and says so otherwise, which the build takes as an error: so the headers are precompiled in a target of
# their own, with the Qt modules that every one of our libraries links (`qt`) and no definitions of any
# library. A target on Qt alone (the benchmark's bare window) parses its few headers itself.
function(kz_precompile_program_headers qt)
    if(NOT KZ_PRECOMPILED_HEADERS)
        return()
    endif()
    set(source "${CMAKE_BINARY_DIR}/generated/precompiled_headers.cpp")
    file(WRITE "${source}" "// The translation unit that the common headers are precompiled for.\n")
    add_library(kz_precompiled_headers STATIC "${source}")
    target_link_libraries(kz_precompiled_headers PRIVATE ${qt})
    target_precompile_headers(kz_precompiled_headers PRIVATE ${KZ_PRECOMPILED_PROGRAM_HEADERS})
    foreach(folder IN LISTS ARGN)
        kz_targets_below("${CMAKE_SOURCE_DIR}/${folder}" targets)
        foreach(target IN LISTS targets)
            get_target_property(links ${target} LINK_LIBRARIES)
            list(FILTER links INCLUDE REGEX "^kz_")
            if(links OR target STREQUAL "kz_platform")
                target_precompile_headers(${target} REUSE_FROM kz_precompiled_headers)
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
