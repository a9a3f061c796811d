# RUVEX_CORE_ONLY: only viewer_core and the unit tests that need nothing but
# the core and GoogleTest. No Qt is looked for, so this also cross-compiles
# for Windows (see cmake/mingw-w64-x86_64.cmake and tools/windows_check.sh).
#
# Included from the top-level CMakeLists.txt after viewer_core is declared.

# Core sources that still include Qt headers. Remove a file from here once it
# no longer does; when the list is empty, delete it with the lines using it.
set(RUVEX_CORE_SOURCES_NEEDING_QT
    export/bitmapfile.cpp
    export/osdialog.cpp
    export/picturepath.cpp
    platform/commondialog.cpp
    platform/imagedevicecontext.cpp
    platform/picturebox.cpp
    platform/windowhandle.cpp
)
get_target_property(core_sources viewer_core SOURCES)
list(REMOVE_ITEM core_sources ${RUVEX_CORE_SOURCES_NEEDING_QT})
# The core's own link to Qt goes too.
set_target_properties(viewer_core PROPERTIES
    SOURCES "${core_sources}"
    LINK_LIBRARIES ""
    INTERFACE_LINK_LIBRARIES "")

# Unit tests that include only core headers. Add a test here once everything
# it includes is Qt-free.
set(RUVEX_CORE_TESTS
    tst_animation
    tst_projection
    tst_shapecatalogue
    tst_startup
)

include(CTest)
if(BUILD_TESTING)
    find_package(GTest REQUIRED)
    foreach(name IN LISTS RUVEX_CORE_TESTS)
        add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/${name}.cpp)
        target_link_libraries(${name} PRIVATE viewer_core GTest::gtest_main)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS unit)
    endforeach()
endif()
