#!/usr/bin/env bash
# The manual page describes the whole command line: every option that
# "ruvex3d --help" lists has its entry under PILIHAN, and the page lists no
# option the program does not have.
set -u
program="$1" page="$2"

# The options at the start of the help's option lines ("  --export FILE",
# "  -h, --help", "      --version"), one a line.
help_options() {
    env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help \
        | grep -oE '^ {2,6}(-[a-zA-Z], )?--[a-z][a-z-]*' | grep -oE -- '--?[a-zA-Z][a-z-]*' | sort -u
}

# The options each entry under PILIHAN starts with: the line after ".TP".
page_options() {
    sed -n '/^\.SH PILIHAN/,/^\.SH /p' "$page" | sed -n '/^\.TP/{n;p}' | sed 's/\\-/-/g' \
        | grep -oE -- '(^| )--?[a-zA-Z][a-z-]*' | tr -d ' ' | sort -u
}

help=$(help_options) listed=$(page_options)
if [ -z "$help" ] || [ -z "$listed" ]; then
    echo "FAIL: no options read (help: '$help', page: '$listed')"
    exit 1
fi
missing=$(comm -23 <(echo "$help") <(echo "$listed") | tr '\n' ' ')
extra=$(comm -13 <(echo "$help") <(echo "$listed") | tr '\n' ' ')
[ -z "$missing" ] || { echo "FAIL: options of --help without an entry in $page: $missing"; exit 1; }
[ -z "$extra" ] || { echo "FAIL: options in $page that --help does not list: $extra"; exit 1; }
echo "ok: the manual page has an entry for each of the $(echo "$help" | wc -l) options of --help"
