#!/usr/bin/env bash
# Every program the build makes must load its libraries only from the system:
# a run path that is empty, or has an empty entry, makes the loader look in the
# current folder first, so a library planted there would be loaded.
#
#   bash tools/check_runpath.sh BUILD_FOLDER
set -euo pipefail
build="${1:?usage: check_runpath.sh BUILD_FOLDER}"

checked=0
bad=0
while IFS= read -r -d '' file; do
    head -c 4 "$file" | grep -q $'\x7fELF' || continue
    checked=$((checked + 1))
    # RPATH or RUNPATH entries, as readelf prints them: "Library runpath: [a:b]".
    entry=$(readelf -d "$file" | grep -E 'Library r(un)?path:' || true)
    [ -z "$entry" ] && continue
    paths=$(sed -n 's/.*path: \[\(.*\)\]/\1/p' <<<"$entry")
    if [ -z "$paths" ] || [[ ":$paths:" == *"::"* ]]; then
        echo "empty run-path entry in $file: [$paths]"
        bad=$((bad + 1))
    fi
done < <(find "$build" -type f -perm -u+x -not -path '*/CMakeFiles/*' -print0)

echo "run paths: $checked programs checked, $bad with an empty entry"
[ "$checked" -gt 0 ] && [ "$bad" -eq 0 ]
