#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a temporary prefix and checks it as a desktop would find it; builds the
# Debian package and checks its contents without installing it.
#   install_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install_check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
files=(bin/vorel share/applications/io.github.vorel.Vorel.desktop share/metainfo/io.github.vorel.Vorel.metainfo.xml
       share/icons/hicolor/scalable/apps/vorel.svg share/man/man1/vorel.1.gz share/vorel/Help/vorel.hlp
       share/doc/vorel/copyright share/doc/vorel/changelog.gz lib/systemd/user/vorel-update.service
       lib/systemd/user/vorel-update.timer)
for size in 16 24 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x${size}/apps/vorel.png"); done
for file in "${files[@]}"; do [[ -f $prefix/$file ]] || fail "missing $file"; done
[[ -x $prefix/bin/vorel ]] || fail "bin/vorel is not executable"
[[ -z $(find "$prefix" -iname '*.dtb') ]] || fail "an archive was installed"

desktop-file-validate "$prefix/share/applications/io.github.vorel.Vorel.desktop"
appstreamcli validate-tree --no-net "$prefix" >/dev/null || appstreamcli validate-tree --no-net "$prefix"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/vorel.1.gz" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page renders with warnings: $warnings"

# The user timer and its service, as systemd reads them: the bare program name resolved as systemd
# resolves it (here, to the prefix), the manual page they name found.
units=$work/units
mkdir -p "$units" "$work/runtime"
sed "s|^ExecStart=vorel |ExecStart=$prefix/bin/vorel |" "$prefix/lib/systemd/user/vorel-update.service" \
    > "$units/vorel-update.service"
cp "$prefix/lib/systemd/user/vorel-update.timer" "$units/"
grep -qx 'ExecStart=vorel --update --if-due' "$prefix/lib/systemd/user/vorel-update.service" ||
    fail "the service does not run vorel --update --if-due"
(cd "$units" && MANPATH=$prefix/share/man XDG_RUNTIME_DIR=$work/runtime \
    systemd-analyze --user verify vorel-update.timer vorel-update.service) || fail "systemd-analyze rejects the units"

# Installed, with a fresh home and no --data: the archive goes to the per-user data folder.
home=$work/home
mkdir -p "$home"
run() { env -i PATH="$PATH" HOME="$home" LC_ALL=C.UTF-8 "$prefix/bin/vorel" "$@"; }
"$build/bin/vorel" --data "$build/bin" --export "$work/all.txt" --format storico
head -n 50 "$work/all.txt" > "$work/storico.txt"
run --import "$work/storico.txt" >/dev/null
[[ -f $home/.local/share/Vorel/_data_sm.dtb ]] || fail "the import did not reach the per-user folder"
cmp -s <(run --export - --format storico) "$work/storico.txt" || fail "the per-user archive does not read back"

# The window of a first start opens on the main menu with no box: one window, the program's own;
# destroyed from outside, the program ends.
rm -rf "$home"/.local/share/Vorel
shown=$(HOME=$home xvfb-run -a bash -c '
    "$0" & pid=$!
    for i in $(seq 100); do xdotool search --onlyvisible --name "^Vorel, v" >/dev/null && break; sleep 0.1; done
    sleep 1
    xdotool search --onlyvisible --name "." getwindowname %@ 2>/dev/null | sort
    # A window destroyed by another program ends the program.
    xdotool search --onlyvisible --name "^Vorel, v" windowclose
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.1; done
    echo "still running with its window destroyed"; kill $pid' "$prefix/bin/vorel")
[[ $shown == "Vorel, v $version" ]] || fail "a first start shows: $shown"

# The Debian package, listed and checked, not installed.
# Made twice, a second apart: the same bytes (the times in it are the release's), though the second
# builder has umask 077 and names the maintainer in DEBEMAIL alone, as Debian's tools allow.
(cd "$build" && DEBFULLNAME="Vorel Check" DEBEMAIL="vorel-check@example.org" cpack -G DEB -B "$work/deb" >/dev/null)
sleep 1
(cd "$build" && umask 077 && DEBFULLNAME= DEBEMAIL="Vorel Check <vorel-check@example.org>" \
    cpack -G DEB -B "$work/deb-again" >/dev/null)
deb=$(ls "$work"/deb/vorel_*.deb)
cmp -s "$deb" "$work"/deb-again/vorel_*.deb || fail "two packages of the same tree differ"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in "${files[@]}"; do grep -qx "./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"; done
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6network6 libzip4 libc6 qt6-translations-l10n; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
# What a distribution checks: no error. The one warning left: the changelog is NEWS.md, written for
# users, not in the Debian changelog format that lintian reads.
lintian_out=$(lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges") ||
    fail "lintian finds errors: $lintian_out"
warnings=$(grep '^W:' <<<"$lintian_out" | grep -v 'syntax-error-in-debian-changelog' || true)
[[ -z $warnings ]] || fail "lintian warns: $warnings"
echo "install_check: ${#files[@]} files installed and packaged, validators, lintian and first start passed"
