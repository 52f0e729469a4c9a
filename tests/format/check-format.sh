#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming each file, when a C++ source of the project is not as clang-format (the version
# Debian 12 ships, 14) and the project's .clang-format would write it.
#
#   check-format.sh SOURCE_DIR
set -eu
cd "$1"
tool=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$tool" ] || { echo "clang-format is missing: install clang-format" >&2; exit 1; }

unformatted=""
for file in $(find app model scan render peripherals editing view tests bench -name '*.cpp' -o -name '*.h' |
    sort); do
    "$tool" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted="$unformatted $file"
done
if [ -n "$unformatted" ]; then
    echo "not formatted as clang-format writes them (clang-format -i FILE mends one):" >&2
    for file in $unformatted; do echo "  $file" >&2; done
    exit 1
fi
