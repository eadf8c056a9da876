#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Vorel for Windows, cross-built on Debian and tested under Wine:
#   scripts/windows.sh
# installs what it needs, builds Qt (Debian's own qt6-base source) and libzip for MinGW-w64 once
# into ~/.cache/vorel (kept while Debian's versions stay the same), cross-builds the program and
# its tests into build-windows/, runs the test suite under Wine, and makes build-windows/deploy/
# (the program folder), build-windows/vorel-<version>-setup.exe (the installer) and
# build-windows/vorel-<version>-portable.zip, each checked under Wine; both signed when the builder
# gives a certificate (see sign).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
here=$root/scripts/windows
build=$root/build-windows
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vorel
jobs=$(nproc)
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

step() { echo "windows: $*"; }

# Every Wine command goes through Wine's 64-bit loader and server, named once here: /usr/bin/wine
# would start the 32-bit loader wherever wine32 is installed, and some machines cannot run 32-bit
# programs at all. Set after the packages are installed.
wine_loaders() {
    wine=/usr/lib/wine/wine64
    [[ -x $wine ]] || wine=$(command -v wine64 || command -v wine)
    wineserver=/usr/lib/wine/wineserver64
    [[ -x $wineserver ]] || wineserver=$(command -v wineserver)
    export WINELOADER=$wine WINESERVER=$wineserver
}

# Makes the Wine prefix $WINEPREFIX; wineboot returns at once and the server waits until it is made.
make_wine_prefix() {
    [[ -f $WINEPREFIX/system.reg ]] || ("$wine" wineboot --init >/dev/null 2>&1; "$wineserver" -w) || true
    [[ -f $WINEPREFIX/system.reg ]] || { echo "windows: Wine could not make its prefix in $WINEPREFIX" >&2; exit 1; }
}

install_packages() {
    bash "$root/scripts/bootstrap.sh"
    # Debian's source packages: Qt and libzip are built from the very sources Debian ships.
    if ! grep -rqs "^Types:.*deb-src" /etc/apt/sources.list.d/ && ! grep -qs "^deb-src" /etc/apt/sources.list; then
        step "adding Debian's source archive to apt's sources"
        "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vorel-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    # Everything Wine runs here is 64-bit (the program, its tests, the installer): no i386 half.
    local packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 libwine-dev nsis ninja-build dpkg-dev
                    qt6-base-dev-tools xvfb xauth osslsigncode)
    local missing=()
    for pkg in "${packages[@]}"; do
        [[ $(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true) == "install ok installed" ]] || missing+=("$pkg")
    done
    if ((${#missing[@]})); then
        step "installing ${missing[*]}"
        "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Debian's version of a source package, as apt would fetch it.
source_version() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | head -1; }

# Fetches and unpacks a Debian source package into $cache/src; prints the folder.
unpack_source() {
    local package=$1 version=$2 folder=$cache/src/$1-${2#*:}
    if [[ ! -d $folder ]]; then
        mkdir -p "$cache/src"
        # Unpacked beside and renamed, so that an unpacking cut short is never taken for a source.
        rm -rf "$folder.part"
        (cd "$cache/src" && apt-get source --download-only "$package=$version" >/dev/null 2>&1 &&
             dpkg-source -x --no-check "${package}_${version#*:}.dsc" "$folder.part" >/dev/null &&
             mv "$folder.part" "$folder")
    fi
    echo "$folder"
}

build_qt() {
    local version
    version=$(source_version qt6-base)
    qt=$cache/qt-${version#*:}-mingw
    [[ -f $qt/.complete ]] && { step "Qt $version for MinGW from the cache"; return; }
    local source work=$cache/work/qt-$version
    source=$(unpack_source qt6-base "$version")
    # Core, Gui, Widgets, Network (Windows' own TLS) and Test, the Windows and offscreen platforms;
    # no OpenGL, D-Bus or ICU; the bundled zlib, PNG, HarfBuzz, PCRE2 and FreeType. Debian's source
    # lacks the Wintab headers, which Wine's stand in for.
    local options=(
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
        -DCMAKE_INSTALL_PREFIX="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="-I$here/wintab"
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF
        -DFEATURE_icu=OFF -DFEATURE_openssl=OFF
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_freetype=ON
        -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF)
    # A build cut short (a CI run stopped at its limit) goes on where it stopped when it was
    # configured the same way; any other half-built tree is started afresh.
    local stamp
    stamp=$( (printf '%s\n' "${options[@]}"; cat "$here/mingw-toolchain.cmake" "$here"/wintab/*) | sha256sum | cut -c1-16)
    if [[ -f $work/.configured && $(cat "$work/.configured") == "$stamp" ]]; then
        step "going on with the build of Qt $version for MinGW where it stopped"
    else
        step "building Qt $version for MinGW (once; about half an hour on two cores)"
        rm -rf "$work" "$qt"
        cmake -S "$source" -B "$work" "${options[@]}" >"$cache/qt-configure.log"
        echo "$stamp" >"$work/.configured"
    fi
    cmake --build "$work" --parallel "$jobs" >"$cache/qt-build.log"
    rm -rf "$qt"
    cmake --install "$work" >/dev/null
    touch "$qt/.complete"
    rm -rf "$work"
}

# zlib and libzip as static libraries, from Debian's sources (libzip's AES through Windows' own).
build_libzip() {
    local zlib_version zip_version
    zlib_version=$(source_version zlib)
    zip_version=$(source_version libzip)
    # Folder names without the versions' epochs: a colon would split pkg-config's search path.
    deps=$cache/libzip-${zip_version#*:}-zlib-${zlib_version#*:}-mingw
    [[ -f $deps/.complete ]] && { step "libzip $zip_version for MinGW from the cache"; return; }
    step "building zlib $zlib_version and libzip $zip_version for MinGW"
    local zlib_source zip_source work=$cache/work/libzip
    zlib_source=$(unpack_source zlib "$zlib_version")
    zip_source=$(unpack_source libzip "$zip_version")
    rm -rf "$work" "$deps"
    mkdir -p "$deps/lib" "$deps/include"
    cmake -S "$zlib_source" -B "$work/zlib" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$work/zlib" --target zlibstatic >/dev/null # Debian's source has no DLL resources
    cp "$work/zlib/libzlibstatic.a" "$deps/lib/libz.a"
    cp "$zlib_source/zlib.h" "$work/zlib/zconf.h" "$deps/include/"
    cmake -S "$zip_source" -B "$work/libzip" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_SHARED_LIBS=OFF \
        -DZLIB_LIBRARY="$deps/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/include" \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
        -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF \
        -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON >/dev/null
    cmake --build "$work/libzip" >/dev/null
    cmake --install "$work/libzip" >/dev/null
    touch "$deps/.complete"
    rm -rf "$work"
}

# The icons are rendered by a native build (the cross build cannot run the renderer).
native_icons() {
    if [[ ! -f $root/build/icons/app_icon_pngs.h ]]; then
        step "rendering the icons in a native build"
        cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$root/build" --target icons >/dev/null
    fi
}

# Wine's own folder for this build, and where the DLLs the programs need are found.
export_wine_environment() {
    export WINEPREFIX=$build/wine
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer at the first start
    # The prefix is made before the DLL path is set: Wine cannot make one with other DLLs in its way.
    mkdir -p "$build"
    (unset WINEPATH; make_wine_prefix)
    # Wine reads Windows paths here: the Linux root is its drive Z:.
    local folder windows_paths=()
    for folder in "$qt/bin" "$(mingw_runtime)" /usr/x86_64-w64-mingw32/lib; do
        windows_paths+=("Z:${folder//\//\\}")
    done
    WINEPATH=$(IFS=';'; echo "${windows_paths[*]}")
    export WINEPATH
    export QT_PLUGIN_PATH=$qt/plugins
}

# The MinGW C++ runtime's DLLs (libstdc++, libgcc_s).
mingw_runtime() { echo "/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)"; }

cross_build() {
    step "cross-building the program and its tests into build-windows/"
    PKG_CONFIG_LIBDIR=$deps/lib/pkgconfig cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$qt;$deps" -DVOREL_WINDOWS_PREFIXES="$qt;$deps" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DVOREL_ICON_DIR="$root/build/icons" -DVOREL_BUILD_BENCH=OFF \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
        -DCMAKE_CXX_STANDARD_LIBRARIES="-ladvapi32 -lbcrypt $deps/lib/libz.a" >/dev/null
    if ! cmake --build "$build" --parallel "$jobs" >"$build/build.log" 2>&1; then
        grep -E "error|FAILED" "$build/build.log" | head -n 40 >&2
        exit 1
    fi
    ! grep -E "warning:" "$build/build.log" || { echo "windows: the build has warnings" >&2; exit 1; }
}

run_tests() {
    step "running the test suite under Wine"
    # The tests Wine cannot pass, each with its reason, in one place.
    cp "$here/BLACKLIST" "$build/bin/BLACKLIST"
    (cd "$build" && ctest --timeout 300) && return
    # Under Wine a test's own report does not reach ctest: write the failed ones' to files and show them.
    local failed
    for failed in $(cd "$build" && ctest --rerun-failed -N | sed -n 's/.*Test *#[0-9]*: \(tst_[a-z_]*\).*/\1/p'); do
        (cd "$build" && "$wine" "bin/$failed.exe" -o "$failed.txt,txt" >/dev/null 2>&1 || true)
        grep -E -A4 "^(FAIL|QFATAL)" "$build/$failed.txt" >&2 || true
    done
    exit 1
}

deploy() {
    step "making build-windows/deploy/"
    local deploy=$build/deploy
    rm -rf "$deploy"
    mkdir -p "$deploy/platforms" "$deploy/tls" "$deploy/styles" "$deploy/Help" "$deploy/translations"
    cp "$build/bin/vorel.exe" "$deploy/"
    x86_64-w64-mingw32-strip "$deploy/vorel.exe"
    for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Network; do cp "$qt/bin/$dll.dll" "$deploy/"; done
    cp "$qt/plugins/platforms/qwindows.dll" "$deploy/platforms/"
    cp "$qt/plugins/tls/qschannelbackend.dll" "$deploy/tls/"
    [[ -f $qt/plugins/styles/qwindowsvistastyle.dll ]] && cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$deploy/styles/"
    cp "$(mingw_runtime)/libstdc++-6.dll" "$(mingw_runtime)/libgcc_s_seh-1.dll" \
        /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$deploy/"
    cp "$root/Help/vorel.hlp" "$deploy/Help/"
    cp "$build/bin/translations/qtbase_it.qm" "$deploy/translations/"
    cp "$root/LICENSE" "$deploy/LICENSE.txt"
    x86_64-w64-mingw32-strip "$deploy"/*.dll "$deploy"/*/*.dll
}

# vorel.exe is a Windows GUI program (no console window of its own) with its icon, its version
# (the project's) and its manifest; started from a console it writes there, the accented letters
# intact, and returns its exit status; redirected, it writes UTF-8 bytes as before.
check_program() {
    step "checking vorel.exe: subsystem, resources, console output"
    local exe=$build/deploy/vorel.exe version headers
    version=$(sed -n 's/^project(Vorel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    headers=$(x86_64-w64-mingw32-objdump -p "$exe")
    grep -q "(Windows GUI)" <<<"$headers" || { echo "windows: vorel.exe is not a GUI program" >&2; exit 1; }
    local type
    for type in 0x00000e 0x000010 0x000018; do # the icon group, the version, the manifest
        grep -q "Entry: ID: $type" <<<"$headers" || { echo "windows: vorel.exe lacks resource $type" >&2; exit 1; }
    done
    strings -el "$exe" | grep -x "$version" >/dev/null || { echo "windows: vorel.exe does not carry version $version" >&2; exit 1; }
    strings "$exe" | grep "<activeCodePage.*>UTF-8</activeCodePage>" >/dev/null ||
        { echo "windows: vorel.exe's manifest does not ask for UTF-8" >&2; exit 1; }
    # Redirected, a GUI program still prints and returns its status.
    "$wine" "$exe" --version | grep -x "vorel $version" >/dev/null || { echo "windows: vorel.exe --version prints nothing" >&2; exit 1; }
    "$wine" "$exe" --data "$build/bin" --check | grep "^Archivio integro" >/dev/null ||
        { echo "windows: vorel.exe --check failed" >&2; exit 1; }
    "$wine" "$exe" --data "Z:\\nowhere" --check >/dev/null 2>&1 && status=0 || status=$?
    [[ $status == 2 ]] || { echo "windows: vorel.exe --check of no archive ends with $status, not 2" >&2; exit 1; }
    local work=$build/console-check port out
    rm -rf "$work" && mkdir -p "$work/site"
    "$wine" "$exe" --data "$build/bin" --export "$work/storico.txt" --format storico >/dev/null
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w").write(sys.argv[2], "storico.txt")' \
        "$work/site/storico.zip" "$work/storico.txt"
    python3 -m http.server 0 --bind 127.0.0.1 --directory "$work/site" >"$work/server.log" 2>&1 &
    local server=$!
    for _ in $(seq 50); do grep -q "port" "$work/server.log" && break; sleep 0.1; done
    port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/server.log" | head -1)
    local update=("$exe" --data "Z:${work//\//\\}\\data" --update --from "http://127.0.0.1:$port/storico.zip")
    "$wine" "${update[@]}" | grep "aggiunte [1-9]" >/dev/null || { kill $server; echo "windows: the update under Wine failed" >&2; exit 1; }
    # Wine's console needs a terminal: script gives it one.
    out=$(LANG=C.UTF-8 script -qec "$(printf '%q ' "$wine" cmd /c "${update[@]}")" /dev/null) ||
        { kill $server; echo "windows: the update in the console failed" >&2; exit 1; }
    kill $server
    grep -q "Nessuna novità: il file su http://127.0.0.1:$port/storico.zip non è cambiato" <<<"$out" ||
        { echo "windows: the console shows: $out" >&2; exit 1; }
    LANG=C.UTF-8 script -qec "$(printf '%q ' "$wine" cmd /c "$exe" --bogus)" /dev/null >/dev/null && status=0 || status=$?
    [[ $status == 2 ]] || { echo "windows: a usage error in the console ends with $status, not 2" >&2; exit 1; }
}

# With the builder's certificate (VOREL_SIGN_CERT and VOREL_SIGN_KEY, PEM files; VOREL_SIGN_CA the
# authority that issued it, by default the system's), FILE is signed in place and the signature
# verified; without one, nothing is signed.
sign() {
    local file=$1
    [[ -n ${VOREL_SIGN_CERT:-} && -n ${VOREL_SIGN_KEY:-} ]] || return 0
    step "signing $(basename "$file")"
    osslsigncode sign -certs "$VOREL_SIGN_CERT" -key "$VOREL_SIGN_KEY" -h sha256 -n Vorel \
        -i https://github.com/vorel -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
    osslsigncode verify -CAfile "${VOREL_SIGN_CA:-/etc/ssl/certs/ca-certificates.crt}" -in "$file" >/dev/null ||
        { echo "windows: the signature of $file does not verify" >&2; exit 1; }
}

# The signing step with a self-signed certificate made here (no certificate ships with the project):
# copies of the program and the installer are signed and verify; the unsigned ones do not.
check_signing() {
    step "checking the signing step with a self-signed certificate"
    local work=$build/sign-check
    rm -rf "$work" && mkdir -p "$work"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Vorel test signing" \
        -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
    cp "$build/deploy/vorel.exe" "$1" "$work/"
    local file
    for file in "$work/vorel.exe" "$work/$(basename "$1")"; do
        ! osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >/dev/null 2>&1 ||
            { echo "windows: $file verifies before it is signed" >&2; exit 1; }
        VOREL_SIGN_CERT=$work/cert.pem VOREL_SIGN_KEY=$work/key.pem VOREL_SIGN_CA=$work/cert.pem sign "$file"
    done
    rm -rf "$work"
}

# The portable program: the program folder in a zip, to run from wherever it is unpacked.
portable() {
    local version zip
    version=$(sed -n 's/^project(Vorel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    zip=$build/vorel-$version-portable.zip
    step "making build-windows/$(basename "$zip")"
    rm -f "$zip"
    (cd "$build/deploy" && python3 -c 'import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in sorted(os.walk(".")):
        for name in sorted(files):
            path = os.path.join(folder, name)
            z.write(path, os.path.join("Vorel", os.path.relpath(path)))' "$zip")
}

# Unpacked anywhere, the portable program runs; once its folder holds an archive, it keeps it there.
check_portable() {
    step "running the portable program from an unpacked folder"
    local zip=$1 work=$build/portable-check
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(".")' "$zip")
    local folder=$work/Vorel windows
    windows="Z:${folder//\//\\}\\"
    (
        unset WINEPATH QT_PLUGIN_PATH # the unpacked program finds its own DLLs
        "$wine" "$folder/vorel.exe" --data "$build/bin" --export "$work/demo.txt" --format storico >/dev/null
        "$wine" "$folder/vorel.exe" --data "$folder" --import "$work/demo.txt" >/dev/null
        [[ -f $folder/_data_sm.dtb ]] || { echo "windows: the portable program wrote no archive beside itself" >&2; exit 1; }
        local report
        report=$("$wine" "$folder/vorel.exe" --import "$work/demo.txt" | tr -d '\r' | head -1)
        [[ $report == "Archivio: $windows" ]] ||
            { echo "windows: the portable program looked elsewhere: $report" >&2; exit 1; }
    )
    rm -rf "$work"
}

installer() {
    local version
    version=$(sed -n 's/^project(Vorel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
    step "making build-windows/vorel-$version-setup.exe"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DDEPLOY="$build/deploy" -DICON="$root/build/icons/vorel.ico" \
        -DOUTFILE="$build/vorel-$version-setup.exe" "$here/vorel.nsi"
    file "$build/vorel-$version-setup.exe" | grep "PE32+ executable.*x86-64" >/dev/null ||
        { echo "windows: the installer is not a 64-bit program" >&2; exit 1; }
    sign "$build/vorel-$version-setup.exe"
}

# The installer, silently, for the current user in a Wine of its own: the program and its Start-menu
# entry are there and run; the scheduled update is made only when asked for (/UpdateTask, installing
# again over the first); the uninstaller removes them all and leaves the archive the program made.
# Wine's task scheduler keeps a task's name and description but drops its triggers and action: the
# task is checked as made and removed.
check_installer() {
    step "installing, running and uninstalling under Wine"
    local setup=$1 prefix=$build/wine-install
    rm -rf "$prefix" "$prefix-home"
    (
        unset WINEPATH QT_PLUGIN_PATH # the installed program finds its own DLLs
        export WINEPREFIX=$prefix
        # Wine links the Windows desktop to the user's own: a home of its own keeps the icons here.
        export HOME=$prefix-home
        mkdir -p "$HOME"
        fail() { echo "windows: $*" >&2; "$wineserver" -k; exit 1; }
        make_wine_prefix
        "$wineserver" -p # the task scheduler runs as long as the server does
        "$wine" net start schedule >/dev/null 2>&1
        local home
        home=$prefix/drive_c/users/$(id -un)
        local installed=$prefix/drive_c/Altrove/Vorel archive=$home/AppData/Roaming/Vorel
        local menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vorel.lnk"
        local desktop=$home/Desktop/Vorel.lnk task=$prefix/drive_c/windows/system32/tasks/Vorel/Aggiornamento
        # A registry value as Wine's reg prints it (the registry reaches its files only later).
        query() { "$wine" reg query "$1" "${@:2}" 2>/dev/null | tr -d '\r'; }
        local entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorel'
        value() { query "$entry" /v "$1" | awk -v name="$1" '$1 == name {print $3}'; }

        "$wine" "$setup" /S /CurrentUser '/D=C:\Altrove\Vorel' >/dev/null 2>&1
        [[ -f $installed/vorel.exe && -f $installed/platforms/qwindows.dll && -f $menu ]] ||
            fail "the installer left no program or no Start-menu entry"
        [[ ! -e $task && ! -e $desktop ]] || fail "the installer made the scheduled task or the desktop icon unasked"
        [[ $(value InstallLocation) == 'C:\Altrove\Vorel' ]] || fail "the entry's InstallLocation is $(value InstallLocation)"
        local size
        size=$(value EstimatedSize)
        [[ $size =~ ^0x[0-9a-f]+$ ]] && ((size > 10000)) || fail "the entry's EstimatedSize is $size kB"
        query 'HKCU\Software\Classes\.zip\OpenWithProgids' /v Vorel.Storico | grep Vorel.Storico >/dev/null &&
            query 'HKCU\Software\Classes\.txt\OpenWithProgids' /v Vorel.Storico | grep Vorel.Storico >/dev/null ||
            fail "Vorel is not offered for the official file"
        query 'HKCU\Software\Classes\Vorel.Storico\shell\open\command' /ve |
            grep -F '"C:\Altrove\Vorel\vorel.exe" "%1"' >/dev/null || fail "the official file would not open in Vorel"

        # While Vorel runs, nothing is replaced; an upgrade goes where the installed version is.
        # (a question that waits for its answer keeps it running; none comes: nothing is deleted)
        sleep 8 | "$wine" "$installed/vorel.exe" --data "$build/bin" --delete-last >/dev/null 2>&1 &
        local running=$!
        sleep 2
        "$wine" "$setup" /S /CurrentUser /UpdateTask /DesktopShortcut >/dev/null 2>&1 && status=0 || status=$?
        [[ $status == 3 && ! -e $task ]] || fail "the installer went on while Vorel ran (exit status $status)"
        kill $running; wait $running 2>/dev/null || true
        "$wine" "$setup" /S /CurrentUser /UpdateTask /DesktopShortcut >/dev/null 2>&1
        grep -q "Vorel: aggiorna" "$task" 2>/dev/null || fail "/UpdateTask made no scheduled task"
        [[ -f $desktop ]] || fail "/DesktopShortcut made no desktop icon"
        [[ ! -e $home/AppData/Local/Programs/Vorel ]] || fail "the upgrade did not go into the installed folder"

        "$wine" "$installed/vorel.exe" --version | grep "^vorel " >/dev/null || fail "the installed program does not run"
        "$wine" "$installed/vorel.exe" --data "$build/bin" --export "$build/demo.txt" --format storico >/dev/null
        "$wine" "$installed/vorel.exe" --import "$build/demo.txt" >/dev/null
        [[ -f $archive/_data_sm.dtb ]] || fail "the installed program made no archive in %APPDATA%"
        "$wine" "$installed/uninstall.exe" /S >/dev/null 2>&1
        for _ in $(seq 50); do [[ -e $installed/vorel.exe ]] || break; sleep 0.2; done
        [[ ! -e $installed/vorel.exe && ! -e $menu && ! -e $desktop ]] || fail "the uninstaller left the program"
        [[ -f $archive/_data_sm.dtb ]] || fail "the uninstaller took the archive"
        [[ ! -e $task ]] || fail "the uninstaller left the scheduled task"
        ! "$wine" reg query 'HKCU\Software\Classes\Vorel.Storico' >/dev/null 2>&1 && [[ -z $(value InstallLocation) ]] &&
            ! query 'HKCU\Software\Classes\.zip\OpenWithProgids' | grep Vorel.Storico >/dev/null ||
            fail "the uninstaller left Vorel's registry entries"
        "$wineserver" -k
    )
}

install_packages
wine_loaders
build_qt
build_libzip
native_icons
export_wine_environment
cross_build
run_tests
deploy
check_program
sign "$build/deploy/vorel.exe"
version=$(sed -n 's/^project(Vorel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
portable
check_portable "$build/vorel-$version-portable.zip"
installer
check_installer "$build/vorel-$version-setup.exe"
check_signing "$build/vorel-$version-setup.exe"
step "done: build-windows/deploy/, build-windows/vorel-*-setup.exe and build-windows/vorel-*-portable.zip"
