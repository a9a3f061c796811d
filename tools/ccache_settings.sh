# Sourced by the build tools that compile through ccache, so a second clone or
# a rebuild on the same machine takes the compiler's earlier work.
#
# Paths below the source folder count as the same and the folder compiled in
# is left out (only the debug information names it). The test library's two
# folder names (QT_TESTCASE_BUILDDIR and _SOURCEDIR) are not left out: the
# tests' precompiled header records them, and one taken from another clone's
# build would be refused by the compiler (-Winvalid-pch, an error where
# warnings are). The precompiled headers are cached too: ccache then trusts
# that a header's macros and time stamps do not change what it compiles to.
ccache_settings() {
    local source="$1"
    export CCACHE_BASEDIR="$source" CCACHE_NOHASHDIR=1
    export CCACHE_SLOPPINESS="pch_defines,time_macros"
}
