#!/usr/bin/env bash
# Checks that every C++ file in the repository follows .clang-format.
#   bash tools/check_format.sh         # report the files that differ
#   bash tools/check_format.sh --fix   # rewrite them in place
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source tools/install_missing.sh
command -v clang-format >/dev/null || install_missing clang-format

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i --style=file "${files[@]}"
    exit 0
fi
different=()
for file in "${files[@]}"; do
    clang-format --style=file "$file" | cmp -s - "$file" || different+=("$file")
done
echo "format: ${#files[@]} files checked, ${#different[@]} differ from .clang-format"
for file in "${different[@]}"; do echo "  $file"; done
[ ${#different[@]} -eq 0 ]
