#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up everything on a fresh Debian machine, builds Vorel and runs every test.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build="$root/build"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
    build="$root/build-asan"
    options=(-DCMAKE_BUILD_TYPE=Debug -DVOREL_SANITIZE=ON)
fi

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)"
