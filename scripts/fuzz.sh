#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a while (60 seconds unless given):
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build="$root/build-fuzz"

bash "$root/scripts/bootstrap.sh" --fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOREL_FUZZ=ON
cmake --build "$build" --parallel "$(nproc)" --target fuzz_paste fuzz_loader fuzz_writer fuzz_zip
for target in fuzz_paste fuzz_loader fuzz_writer fuzz_zip; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/$target.log"
    echo "fuzz: $target for $seconds s"
    # Seeds kept with the sources (small files of the input's format) start the search where it matters.
    seeds=()
    [[ -d "$root/fuzz/seeds/$target" ]] && seeds=("$root/fuzz/seeds/$target")
    if ! "$build/bin/$target" -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${seeds[@]}" \
        >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz: $target failed" >&2
        exit 1
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log"
done
