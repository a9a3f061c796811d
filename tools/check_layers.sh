#!/usr/bin/env bash
# Checks that each folder of the core includes only its own files and those of
# the folders before it, so the drawing never leans on the window's model:
#   surface/ → platform/ → view/ → export/ → window/
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

layers=(surface platform view export window)
wrong=0
for ((i = 0; i < ${#layers[@]}; ++i)); do
    later=("${layers[@]:i+1}")
    [ ${#later[@]} -eq 0 ] && continue
    pattern="#include \"($(IFS='|'; echo "${later[*]}"))/"
    if grep -rnE "$pattern" "${layers[i]}/"; then
        echo "${layers[i]}/ includes a folder that comes after it"
        wrong=1
    fi
done
[ $wrong -eq 0 ] && echo "layers: ${layers[*]} in order"
exit $wrong
