# RUVEX_CORE_ONLY: only viewer_core and its unit tests, which need nothing but
# the C++ library and GoogleTest. No Qt is looked for, so this also
# cross-compiles for Windows (see cmake/mingw-w64-x86_64.cmake and
# tools/windows_check.sh).
#
# Included from the top-level CMakeLists.txt after viewer_core is declared.

include(CTest)
if(BUILD_TESTING)
    add_subdirectory(tests)
endif()

# Built with emscripten, the page comes with the core (web/), and with it the
# benchmark cases it shares with the desktop (bench/).
if(EMSCRIPTEN)
    add_subdirectory(bench)
    add_subdirectory(web)
endif()
