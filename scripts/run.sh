#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up everything on a fresh Debian machine, builds Vorel and opens its window.
# Without arguments it opens the demo archive beside the program; pass --data DIR for another one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "run: no display found. Vorel is a desktop program: run this command in a graphical session," >&2
    echo "     or give it a virtual screen:  xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
exec "$build/bin/vorel" "$@"
