#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Quirn; arguments go to the program.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
exec build/bin/quirn "$@"
