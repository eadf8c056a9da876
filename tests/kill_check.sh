#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program killed at every write-related system call of its writers, on disk: after each
# kill the first program that opens the archive must find its eight files byte for byte as they
# were before the write or as the write leaves them, nothing else in the folder, and the same
# command run again must end with the files the write leaves. Then a disk that fills up during an
# import: the archive stays as it was. Needs strace and faketime (a fixed clock names the backups).
#   kill_check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
vorel=$build/bin/vorel
work=$(mktemp -d)
trap 'umount "$work/full" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "kill_check: $*" >&2; exit 1; }

names=(_data_sm.dtb _est_sm.dtb _GIORNI.DTB _rn.dtb _data_s.dtb _est_s.dtb _data_m.dtb _est_m.dtb)
calls=openat,write,rename,renameat,renameat2,link,linkat,unlink,unlinkat,fsync,fdatasync,ftruncate
backup=20261207-120000
export FAKETIME="2026-12-07 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1
faketime=$(find /usr/lib -name libfaketime.so.1 -print -quit)
[[ -n $faketime ]] || fail "libfaketime is not installed"

# The eight files of an archive, each with its checksum or as missing.
state() {
    local name path
    for name in "${names[@]}"; do
        path=$(find "$1" -maxdepth 1 -iname "$name" -print -quit)
        if [[ -n $path ]]; then echo "$name $(sha256sum <"$path" | cut -c1-64)"; else echo "$name -"; fi
    done
}

# What a write may leave in the folder besides the archive's files and backups: nothing.
leftovers() {
    find "$1" -mindepth 1 -maxdepth 1 ! -iname '_*.dtb' ! -name backup -printf '%f\n'
}

# The paths a write touches, for strace to count and kill at: the files, their staged copies, the
# journal, the lock, the folder (its sync) and the backups the fixed clock names.
traced_paths() {
    local dir=$1 name b
    echo "-P $dir -P $dir/vorel.journal -P $dir/vorel.lock -P $dir/backup"
    for name in "${names[@]}"; do
        echo "-P $dir/$name -P $dir/$name.new -P $dir/${name,,} -P $dir/${name,,}.new"
    done
    for b in $backup $backup-2 $backup-3; do
        echo "-P $dir/backup/$b -P $dir/backup/$b/vorel-backup.txt"
        for name in "${names[@]}"; do echo "-P $dir/backup/$b/$name"; done
    done
}

run_vorel() { LD_PRELOAD=$faketime "$vorel" --data "$@"; }

# kill_at SCENARIO: the command of the scenario killed at each traced call in turn. Its standard
# input answers yes to a question. With once=1 the command is not one to run twice (it takes back a
# draw): it is tried again only where the kill left the archive as it was.
kill_at() {
    local scenario=$1 before=$work/$1.before after=$work/$1.after
    shift
    rm -rf "$after" && cp -a "$before" "$after"
    run_vorel "$after" "$@" <"$work/yes" >/dev/null || true
    local expected_before expected_after
    expected_before=$(state "$before")
    expected_after=$(state "$after")
    [[ $expected_before != "$expected_after" ]] || fail "$scenario: the command changed nothing"
    local dir=$work/run counts call n total=0
    rm -rf "$dir" && cp -a "$before" "$dir"
    # shellcheck disable=SC2046
    counts=$(strace -f -qq -c -o /dev/stdout $(traced_paths "$dir") -e trace=$calls \
        env LD_PRELOAD="$faketime" "$vorel" --data "$dir" "$@" <"$work/yes" 2>/dev/null |
        awk '$4 ~ /^[0-9]+$/ && $NF != "total" {print $NF, $4}') || true # exit status 1: differences kept
    while read -r call n; do
        [[ $call == total || -z $call ]] && continue
        for ((i = 1; i <= n; i++)); do
            rm -rf "$dir" && cp -a "$before" "$dir"
            # shellcheck disable=SC2046
            (strace -f -qq -o "$work/trace" $(traced_paths "$dir") -e trace="$call" -e inject="$call:signal=KILL:when=$i" \
                env LD_PRELOAD="$faketime" "$vorel" --data "$dir" "$@" <"$work/yes" >/dev/null 2>&1 || true) 2>/dev/null
            grep -q "+++ killed by SIGKILL" "$work/trace" || fail "$scenario: not killed at $call $i of $n"
            run_vorel "$dir" --export /dev/null >/dev/null 2>&1 || true # the first reader
            local seen
            seen=$(state "$dir")
            [[ $seen == "$expected_before" || $seen == "$expected_after" ]] ||
                fail "$scenario: killed at $call $i of $n, the archive is neither the old one nor the new one"
            [[ -z $(leftovers "$dir") ]] || fail "$scenario: killed at $call $i, left behind: $(leftovers "$dir")"
            [[ ${once:-} == 1 && $seen == "$expected_after" ]] || run_vorel "$dir" "$@" <"$work/yes" >/dev/null 2>&1 || true
            [[ $(state "$dir") == "$expected_after" ]] || fail "$scenario: killed at $call $i, the retry did not end right"
            total=$((total + 1))
        done
    done <<<"$counts"
    ((total > 20)) || fail "$scenario: only $total calls traced"
    echo "kill_check: $scenario: killed at each of $total calls, every time the old archive or the new one"
}

# The archives before each write, from the demo archive beside the program.
"$vorel" --data "$build/bin" --export "$work/full.txt" --format storico
head -n -11 "$work/full.txt" >"$work/part.txt"
mkdir "$work/append.before"
"$vorel" --data "$work/append.before" --import "$work/part.txt" >/dev/null
mkdir "$work/correct.before"
"$vorel" --data "$work/correct.before" --import "$work/full.txt" >/dev/null
# Three draws to correct: a city number, a national number and a weekday.
three_differences() {
python3 - "$1" <<'PYTHON'
import sys
folder = sys.argv[1]
def patch(name, offset, wheel_start=None):
    with open(f"{folder}/{name}", "r+b") as f:
        data = bytearray(f.read())
        if wheel_start is None:
            data[offset] = data[offset] % 7 + 1
        else:
            wheel = data[wheel_start:wheel_start + 5]
            data[offset] = next(n for n in range(1, 91) if n not in wheel)
        f.seek(0)
        f.write(data)
patch("_est_sm.dtb", 50 * 5999 + 7, 50 * 5999 + 5)
patch("_rn.dtb", 5 * (6500 - 3475) + 2, 5 * (6500 - 3475))
patch("_GIORNI.DTB", 6900 - 1)
PYTHON
}
three_differences "$work/correct.before"
# Behind, with the same three differences: the update adds the new draws and keeps those three.
cp -a "$work/append.before" "$work/despite.before"
three_differences "$work/despite.before"
cp -a "$work/correct.before" "$work/restore.before"
run_vorel "$work/restore.before" --import "$work/full.txt" --correct >/dev/null || true
mkdir "$work/repair.before"
"$vorel" --data "$work/repair.before" --import "$work/full.txt" >/dev/null
truncate -s -50 "$work/repair.before/_est_sm.dtb"
mkdir "$work/delete.before"
"$vorel" --data "$work/delete.before" --import "$work/full.txt" >/dev/null
printf 's\n' >"$work/yes"

[[ ${2:-} == window ]] || {
kill_at append --import "$work/full.txt"
kill_at correct --import "$work/full.txt" --correct
kill_at despite --update --from "$work/full.txt"
kill_at restore --restore "$backup"
kill_at repair --check --repair
once=1 kill_at delete --delete-last

# A disk that fills up during an import. On a small tmpfs that another program has filled to leave
# less room each time, so that the disk is full at each file in turn; and with ENOSPC injected at
# each write. Either the import ends right, or it says "Disco pieno" with the archive as it was.
check_full_disk() {
    local before=$work/append.before expected_before expected_after room runs=0 out
    expected_before=$(state "$before")
    expected_after=$(state "$work/append.after")
    local mnt=$work/full
    mkdir -p "$mnt"
    if mount -t tmpfs -o size=4m tmpfs "$mnt" 2>/dev/null; then
        for ((room = 0; room <= 1200; room += 40)); do
            rm -rf "${mnt:?}"/*
            cp -a "$before" "$mnt/archive"
            local free
            free=$(df --output=avail -k "$mnt" | tail -1)
            ((free > room)) && dd if=/dev/zero of="$mnt/filler" bs=1k count=$((free - room)) status=none 2>/dev/null || true
            out=$(run_vorel "$mnt/archive" --import "$work/full.txt" 2>&1) && continue_state=$expected_after || continue_state=fail
            rm -f "$mnt/filler"
            run_vorel "$mnt/archive" --export /dev/null >/dev/null 2>&1 || true
            if [[ $continue_state == fail ]]; then
                [[ $out == *"Disco pieno"* ]] || fail "full disk with ${room} KB free: $out"
                [[ $(state "$mnt/archive") == "$expected_before" ]] || fail "full disk with ${room} KB free: the archive changed"
            else
                [[ $(state "$mnt/archive") == "$expected_after" ]] || fail "full disk with ${room} KB free: a wrong archive"
            fi
            [[ -z $(leftovers "$mnt/archive") ]] || fail "full disk with ${room} KB free: left behind: $(leftovers "$mnt/archive")"
            runs=$((runs + 1))
        done
        umount "$mnt"
        echo "kill_check: full disk: $runs imports on a tmpfs with 0 to 1200 KB free"
    else
        echo "kill_check: no tmpfs can be mounted here; the full disk is injected only"
    fi
    local dir=$work/run n i
    rm -rf "$dir" && cp -a "$before" "$dir"
    # shellcheck disable=SC2046
    n=$(strace -f -qq -c -o /dev/stdout $(traced_paths "$dir") -e trace=write \
        env LD_PRELOAD="$faketime" "$vorel" --data "$dir" --import "$work/full.txt" 2>/dev/null |
        awk '$NF == "write" {print $4}')
    for ((i = 1; i <= n; i++)); do
        rm -rf "$dir" && cp -a "$before" "$dir"
        # shellcheck disable=SC2046
        out=$(strace -f -qq -o /dev/null $(traced_paths "$dir") -e trace=write -e inject="write:error=ENOSPC:when=$i" \
            env LD_PRELOAD="$faketime" "$vorel" --data "$dir" --import "$work/full.txt" 2>&1) &&
            fail "ENOSPC at write $i of $n: the import did not fail"
        [[ $out == *"Disco pieno"* ]] || fail "ENOSPC at write $i: $out"
        [[ $(state "$dir") == "$expected_before" && -z $(leftovers "$dir") ]] || fail "ENOSPC at write $i: the archive changed"
    done
    echo "kill_check: full disk: ENOSPC at each of $n writes, every time \"Disco pieno\" and the old archive"
}

check_full_disk
}

# Whether a window of that title is on the screen (shown) or not (gone) within five seconds.
shown() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done; return 1; }

# The window's correction of a draw, as a user makes it: the draw of 07-11-2026 gets BA 14 for 13 and
# the date 08-11-2026, a Sunday. On a virtual screen with a window manager; positions are the
# window's own. window_session DIR yes|no [COMMAND...]: the program on DIR, started through COMMAND
# (strace), with the correction made or only opened and closed.
window_session() {
    local dir=$1 correct=$2 id=
    shift 2
    "$@" env LD_PRELOAD="$faketime" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
        XDG_RUNTIME_DIR="$work/runtime" "$vorel" --data "$dir" 2>/dev/null &
    local pid=$!
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name '^Vorel, v' 2>/dev/null | head -1) || true
        [[ -n $id ]] || ! kill -0 "$pid" 2>/dev/null && break
        sleep 0.1
    done
    if [[ -n $id && $correct == yes ]]; then
        # Visualizza/Correggi, Correggi and OK to its question; BA's first number; the day; the
        # weekday list, one down to "Dom"; OK and OK to "Salvare i dati corretti?". Each question is
        # answered once it is on the screen: a key sent before goes to the blocked window and is lost.
        # ("type" takes the rest of its command line as text: it ends each chain.)
        { xdotool sleep 0.3 mousemove --window "$id" 268 16 click 1 sleep 0.25 key Return &&
              shown '^CORREZIONE$' && xdotool sleep 0.2 key Return && gone '^CORREZIONE$' &&
              xdotool sleep 0.25 type 14 &&
              xdotool sleep 0.15 mousemove --window "$id" 25 133 click 1 key ctrl+a type 8 &&
              xdotool sleep 0.15 mousemove --window "$id" 38 84 click 1 sleep 0.3 key Down sleep 0.1 key Return \
                  sleep 0.15 mousemove --window "$id" 55 16 click 1 &&
              shown '^Salvataggio dati$' && xdotool sleep 0.2 key Return; } 2>/dev/null || true
    fi
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    [[ -n $id ]] && { xdotool mousemove --window "$id" 375 16 click 1 2>/dev/null || true; } # Esci
    # A program still open (a step lost) is ended; a tracing strace then writes its counts and exits.
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    pkill -9 -P "$pid" 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

check_window_correction() {
    command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xdotool >/dev/null ||
        { echo "kill_check: no Xvfb, openbox or xdotool: the window is not checked"; return; }
    local display
    exec {display_fd}<> <(:)
    Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    read -r -t 10 display <&"$display_fd" || fail "Xvfb did not start"
    export DISPLAY=:$display
    openbox >/dev/null 2>&1 &
    local openbox=$!
    sleep 1
    local before=$work/window.before after=$work/window.after
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    rm -rf "$before" "$after"
    mkdir "$before"
    "$vorel" --data "$before" --import "$work/full.txt" >/dev/null
    # A step lost on a busy machine leaves the draw as it was: the session is tried again.
    for _ in 1 2 3; do
        rm -rf "$after" && cp -a "$before" "$after"
        window_session "$after" yes
        [[ $(state "$before") != "$(state "$after")" ]] && break
    done
    local expected_before expected_after dir=$work/run counts call n i total=0 killed=0
    expected_before=$(state "$before")
    expected_after=$(state "$after")
    [[ $expected_before != "$expected_after" ]] || fail "window: the correction changed nothing"
    # The calls of a session that only starts and ends are a load's: the kills fall between the
    # load at start-up and the one after the save.
    local -A opening
    rm -rf "$dir" && cp -a "$before" "$dir"
    # shellcheck disable=SC2046
    window_session "$dir" no strace -f -qq -c -o "$work/counts" $(traced_paths "$dir") -e trace=$calls
    while read -r call n; do opening[$call]=$n; done < <(awk '$4 ~ /^[0-9]+$/ && $NF != "total" {print $NF, $4}' "$work/counts")
    for _ in 1 2 3; do # until the session saved: it renamed files into place
        rm -rf "$dir" && cp -a "$before" "$dir"
        # shellcheck disable=SC2046
        window_session "$dir" yes strace -f -qq -c -o "$work/counts" $(traced_paths "$dir") -e trace=$calls
        counts=$(awk '$4 ~ /^[0-9]+$/ && $NF != "total" {print $NF, $4}' "$work/counts")
        [[ $counts == *rename* ]] && break
    done
    while read -r call n; do
        [[ -z $call ]] && continue
        for ((i = ${opening[$call]:-0} + 1; i <= n - ${opening[$call]:-0}; i++)); do
            rm -rf "$dir" && cp -a "$before" "$dir"
            # shellcheck disable=SC2046
            (window_session "$dir" yes strace -f -qq -o "$work/trace" $(traced_paths "$dir") -e trace="$call" \
                -e inject="$call:signal=KILL:when=$i") 2>/dev/null
            grep -q "+++ killed by SIGKILL" "$work/trace" && killed=$((killed + 1))
            run_vorel "$dir" --export /dev/null >/dev/null 2>&1 || true
            local seen
            seen=$(state "$dir")
            [[ $seen == "$expected_before" || $seen == "$expected_after" ]] ||
                fail "window: killed at $call $i of $n, the archive is neither the old one nor the new one"
            [[ -z $(leftovers "$dir") ]] || fail "window: killed at $call $i, left behind: $(leftovers "$dir")"
            total=$((total + 1))
        done
    done <<<"$counts"
    kill "$openbox" "$xvfb" 2>/dev/null || true
    ((total > 20 && killed * 10 >= total * 9)) || fail "window: only $killed of $total sessions were killed"
    echo "kill_check: window: the correction killed at each of its $total calls, every time the old archive or the new one"
}

check_window_correction
