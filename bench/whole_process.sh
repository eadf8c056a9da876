#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process timings of the paths a user runs every few days, on the real official file:
# the import of the whole file, an update answered "not modified", an update that downloads the zip
# from a local server and adds the newest draws, and the timer's `--update --if-due` when no draw
# is due. Needs farm-bench and python3.
#   bench/whole_process.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
vorel=$build/bin/vorel
data=$(realpath "$(dirname "$0")/../../shared/data/storico.txt")
work=$(mktemp -d)
server=
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/site" "$work/config"
(cd "$work/site" && cp "$data" storico.txt && zip -q storico.zip storico.txt && rm storico.txt)
python3 -m http.server 0 --bind 127.0.0.1 --directory "$work/site" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do grep -q "port" "$work/server.log" 2>/dev/null && break; sleep 0.1; done
port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/server.log" | head -1)
url=http://127.0.0.1:$port/storico.zip

# An archive a few weeks behind, and one up to date whose validators are kept.
awk -F'\t' '$1 < "2026/07/01"' "$data" >"$work/behind.txt"
"$vorel" --data "$work/behind" --import "$work/behind.txt" >/dev/null
XDG_CONFIG_HOME=$work/config "$vorel" --data "$work/full" --update --from "$url" >/dev/null
# And one whose last draw is today's: no draw is due before tomorrow evening.
last=$(tail -n 1 "$data" | cut -f1)
{ cat "$data"; grep "^$last" "$data" | sed "s|^$last|$(date +%Y/%m/%d)|"; } >"$work/today.txt"
"$vorel" --data "$work/today" --import "$work/today.txt" >/dev/null

echo "== the whole official file imported into an empty folder, against --version"
farm-bench -n 20 --vs "$vorel --version" -- sh -c "rm -rf '$work/i'; exec '$vorel' --data '$work/i' --import '$data'"
echo "== an up-to-date archive: the server answers 304"
XDG_CONFIG_HOME=$work/config farm-bench -n 20 -- "$vorel" --data "$work/full" --update --from "$url"
echo "== downloaded, checked and the new draws written, against copying the archive that is behind"
farm-bench -n 20 --vs "sh -c 'rm -rf $work/w; cp -r $work/behind $work/w'" -- \
    sh -c "rm -rf '$work/w'; cp -r '$work/behind' '$work/w'; XDG_CONFIG_HOME='$work/none' exec '$vorel' --data '$work/w' --update --from '$url'"
echo "== the timer's run when no draw is due (budget 20 ms), against --version"
XDG_CONFIG_HOME=$work/config farm-bench -n 20 --vs "$vorel --version" -- "$vorel" --data "$work/today" --update --if-due --from "$url"
