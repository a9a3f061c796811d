#!/usr/bin/env bash
# Checks that the sources stay small enough to read: no C++ file or shell
# script over 400 lines, no C++ function over 40 (its lines from the
# signature to the closing brace, blank and comment-only lines not counted).
# The page's scripts are held to the same by ESLint (web/eslint.config.js).
#
#   bash tools/check_sizes.sh [folder]    # default: this repository
#
# Files named in <folder>/tools/size_exceptions.txt (one path a line, "#"
# starts a comment) are not checked: ones being rewritten, until they are.
#
# Functions are found by how .clang-format lays them out: the "{" of a
# function's body alone on its line, the "}" that ends it alone at the same
# indentation, the signature above at that indentation with its continuation
# lines indented further. Classes, structs, namespaces and lambdas open their
# braces at the end of a line, so they are not taken for functions; a lambda
# counts towards the function it is written in.
set -euo pipefail
folder="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
cd "$folder"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    list_files() { git ls-files -- '*.cpp' '*.h' '*.sh'; }
else
    list_files() { find . -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \) -printf '%P\n' | sort; }
fi

list_files | python3 -c '
import sys

MAX_FILE_LINES = 400
MAX_FUNCTION_LINES = 40


def exceptions():
    try:
        with open("tools/size_exceptions.txt", encoding="utf-8") as listed:
            return {line.split("#")[0].strip() for line in listed} - {""}
    except FileNotFoundError:
        return set()


def indentation(line):
    return len(line) - len(line.lstrip(" "))


def is_comment_or_blank(line):
    text = line.strip()
    return not text or text.startswith(("//", "/*", "*"))


def signature_start(lines, brace):
    """The first line of the signature above the lone "{" at `brace`."""
    depth = indentation(lines[brace])
    start = brace - 1
    while start > 0 and (not lines[start].strip() or indentation(lines[start]) > depth):
        start -= 1
    return start


def closing_brace(lines, brace):
    """The "}" alone at the indentation of the "{" at `brace`, or None."""
    closing = " " * indentation(lines[brace]) + "}"
    for at in range(brace + 1, len(lines)):
        if lines[at].rstrip() == closing:
            return at
    return None


def long_functions(lines):
    at = 0
    while at < len(lines):
        if lines[at].strip() != "{" or at == 0:
            at += 1
            continue
        end = closing_brace(lines, at)
        if end is None:
            at += 1
            continue
        start = signature_start(lines, at)
        counted = sum(1 for line in lines[start : end + 1] if not is_comment_or_blank(line))
        if counted > MAX_FUNCTION_LINES:
            yield start + 1, counted, lines[start].strip()
        at = end + 1


def main():
    allowed = exceptions()
    found = 0
    for path in (name.strip() for name in sys.stdin):
        if not path or path in allowed:
            continue
        with open(path, encoding="utf-8", errors="replace") as source:
            lines = source.read().splitlines()
        if len(lines) > MAX_FILE_LINES:
            print(f"{path}: {len(lines)} lines (at most {MAX_FILE_LINES})")
            found += 1
        if path.endswith(".sh"):
            continue
        for line, counted, signature in long_functions(lines):
            print(f"{path}:{line}: {counted} lines in {signature} (at most {MAX_FUNCTION_LINES})")
            found += 1
    print(f"sizes: {found} over the limits")
    return 1 if found else 0


sys.exit(main())
'
