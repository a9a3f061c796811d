# Sourced by the build tools that compile through ccache, so a second clone or
# a rebuild on the same machine takes the compiler's earlier work.
#
# Paths below the source folder count as the same, the folder compiled in is
# left out (only the debug information names it), and so are the test
# library's two folder names, which only its test-data lookup reads and no
# test of ours uses. The tests' precompiled headers are cached too: ccache
# then trusts that a header's macros and time stamps do not change what it
# compiles to.
ccache_settings() {
    local source="$1"
    export CCACHE_BASEDIR="$source" CCACHE_NOHASHDIR=1
    export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
    export CCACHE_SLOPPINESS="pch_defines,time_macros"
}
