#!/usr/bin/env bash
# Unpacks Amorist's Debian package into a scratch root with dpkg -x and checks what a user of
# the installed package relies on: both programs on the PATH, the launcher in the menu with its
# icon, the software centre's metadata, Debian's copyright and changelog, and control fields
# that pull in what it runs on.
# Usage: check-deb.sh [--hardened COMPILE_COMMANDS] PACKAGE.deb SCRATCH_DIR
#        check-deb.sh [--hardened COMPILE_COMMANDS] --build CPACK_CONFIG SCRATCH_DIR
# --build makes the package into SCRATCH_DIR first; --hardened, for release builds, also checks
# the programs and the build's compile_commands.json for Debian's hardening.
set -uo pipefail

id=com.quillmoor.Amorist
expected_version=1.0.0

usage() {
    echo "usage: $0 [--hardened COMPILE_COMMANDS] (PACKAGE.deb | --build CPACK_CONFIG) SCRATCH_DIR" >&2
    exit 2
}

compile_commands=""
if [ "${1:-}" = "--hardened" ]; then
    [ $# -ge 2 ] || usage
    compile_commands=$2
    shift 2
fi

if [ "${1:-}" = "--build" ]; then
    [ $# -eq 3 ] || usage
    config=$2
    scratch=$3
    rm -rf "$scratch"
    mkdir -p "$scratch/out"
    if ! cpack -G DEB --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
        cat "$scratch/cpack.log"
        echo "check-deb: cpack could not build the package"
        exit 1
    fi
    debs=("$scratch"/out/*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        echo "check-deb: cpack made ${#debs[@]} .deb files in $scratch/out, expected one"
        exit 1
    fi
    deb=${debs[0]}
else
    [ $# -eq 2 ] || usage
    deb=$1
    scratch=$2
    rm -rf "$scratch/root"
fi

# Absolute paths, as some checks below run in other folders.
deb=$(realpath "$deb")
scratch=$(realpath -m "$scratch")
root=$scratch/root
failures=0
fail() {
    echo "check-deb: $*"
    failures=$((failures + 1))
}

mkdir -p "$root"
if ! dpkg -x "$deb" "$root"; then
    echo "check-deb: dpkg -x could not unpack $deb"
    exit 1
fi

# Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = amorist ] || fail "package name is '$(field Package)', expected amorist"
[ "$(field Version)" = "$expected_version" ] ||
    fail "version is '$(field Version)', expected $expected_version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "architecture is '$(field Architecture)', expected $(dpkg --print-architecture)"
[ -n "$(field Maintainer)" ] || fail "the package names no maintainer"
[ -n "$(field Description)" ] || fail "the package has no description"
depends=$(field Depends)

# Exactly these files: anything else is an install rule that leaks build products (libraries,
# headers, test programs) into users' systems, or a new file that packaging/copyright must
# cover before it is added here.
expected_files="./usr/bin/amorist
./usr/bin/amorist-cli
./usr/share/applications/$id.desktop
./usr/share/bash-completion/completions/amorist-cli
./usr/share/doc/amorist/changelog.gz
./usr/share/doc/amorist/copyright
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/amorist-cli.1.gz
./usr/share/man/man1/amorist.1.gz
./usr/share/metainfo/$id.metainfo.xml"
installed_files=$(cd "$root" && find . -type f -o -type l | LC_ALL=C sort)
while IFS= read -r path; do
    fail "unexpected file $path"
done < <(LC_ALL=C comm -13 <(LC_ALL=C sort <<<"$expected_files") <(echo "$installed_files") | grep .)
while IFS= read -r path; do
    fail "missing file $path"
done < <(LC_ALL=C comm -23 <(LC_ALL=C sort <<<"$expected_files") <(echo "$installed_files") | grep .)

# The programs, found on the PATH by name.
for program in amorist amorist-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is missing or not executable"
done

# Depends must be what dpkg-shlibdeps finds the packaged programs need today, or the package
# installs where they cannot start; it needs a debian/control to run beside.
mkdir -p "$scratch/shlibdeps/debian"
: >"$scratch/shlibdeps/debian/control"
if computed=$(cd "$scratch/shlibdeps" &&
    dpkg-shlibdeps -O -e"$root/usr/bin/amorist" -e"$root/usr/bin/amorist-cli" 2>"$scratch/shlibdeps.log"); then
    [ "$depends" = "${computed#shlibs:Depends=}" ] ||
        fail "Depends is '$depends', but dpkg-shlibdeps gives '${computed#shlibs:Depends=}'"
else
    fail "dpkg-shlibdeps failed: $(cat "$scratch/shlibdeps.log")"
fi
for package in libc6 libqt6widgets6; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: '$depends'"
done
[ "$(field Recommends)" = "xdg-utils, qt6-wayland, qt6-translations-l10n" ] ||
    fail "Recommends is '$(field Recommends)', expected 'xdg-utils, qt6-wayland, qt6-translations-l10n'"

# apt must find every dependency on this machine.
if ! apt-get install --simulate --quiet "$deb" >"$scratch/apt.log" 2>&1; then
    fail "apt-get install --simulate refused the package: $(cat "$scratch/apt.log")"
fi

# Release builds: both programs as hardened as hardening-check can tell (PIE, stack protector,
# RELRO, BIND_NOW), and every compile command with the flags. Two checks are left out: the only
# fortifiable calls, memcpy and memmove inside the standard library's containers, copy into
# buffers whose size the compiler cannot see, so no checked variant is ever chosen; and Debian
# 12's start files carry no CET note.
if [ -n "$compile_commands" ]; then
    for program in amorist amorist-cli; do
        report=$(hardening-check --nofortify --nocfprotection "$root/usr/bin/$program" 2>&1) ||
            fail "hardening-check: $report"
    done
    commands=$(grep '"command":' "$compile_commands")
    total=$(grep -c . <<<"$commands")
    for flag in "-D_FORTIFY_SOURCE=[23]" -fstack-protector-strong -Wformat -Werror=format-security; do
        missing=$(grep -cv -- " $flag " <<<"$commands")
        [ "$missing" -eq 0 ] || fail "$missing of $total compile commands lack $flag"
    done
fi

# The terminal companion runs from the unpacked tree and gives a reading.
if [ -x "$root/usr/bin/amorist-cli" ]; then
    reading=$("$root/usr/bin/amorist-cli" reading "ALEX MORGAN" 7/March/1975 "SAM RIVERS" \
        1978-11-23 2>&1)
    status=$?
    if [ $status -ne 0 ] || ! grep -q "ALEX MORGAN" <<<"$reading"; then
        fail "the packaged amorist-cli gave no reading (exit $status): $reading"
    fi
fi

# The launcher: where menus look for it, valid, starting the packaged program by name.
entry=$root/usr/share/applications/$id.desktop
if [ -f "$entry" ]; then
    report=$(desktop-file-validate "$entry" 2>&1)
    [ -z "$report" ] || fail "desktop-file-validate: $report"
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    program=${exec_line%% *}
    [ -x "$root/usr/bin/$program" ] ||
        fail "the desktop entry starts '$program', which the package does not install in usr/bin"
    grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not use the icon $id"
else
    fail "usr/share/applications/$id.desktop is missing"
fi

# The icon theme: the drawing itself and the two bitmaps, each the size its folder promises.
icons=$root/usr/share/icons/hicolor
if [ -f "$icons/scalable/apps/$id.svg" ]; then
    grep -q "<svg" "$icons/scalable/apps/$id.svg" ||
        fail "hicolor/scalable/apps/$id.svg is not an SVG drawing"
else
    fail "hicolor/scalable/apps/$id.svg is missing"
fi
png_size() {
    # Width and height are the big-endian words at bytes 16 and 20 of the IHDR chunk.
    local bytes
    bytes=($(od -An -tu1 -j16 -N8 "$1"))
    echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}
for size in 48 256; do
    png=$icons/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then
        fail "hicolor/${size}x${size}/apps/$id.png is missing"
    elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        fail "hicolor/${size}x${size}/apps/$id.png is not a PNG image"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "hicolor/${size}x${size}/apps/$id.png is $(png_size "$png") pixels"
    fi
done

# Debian's doc folder: the licence terms in machine-readable form, and the release history
# whose newest entry is the packaged version.
doc=$root/usr/share/doc/amorist
if [ -f "$doc/copyright" ]; then
    head -n1 "$doc/copyright" |
        grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
        fail "usr/share/doc/amorist/copyright is not in the machine-readable format"
    grep -qx "License: Expat" "$doc/copyright" || fail "usr/share/doc/amorist/copyright names no licence"
else
    fail "usr/share/doc/amorist/copyright is missing"
fi
if [ -f "$doc/changelog.gz" ]; then
    top=$(gzip -dc "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1)
    [ "$top" = "$expected_version" ] ||
        fail "the changelog's newest entry is '$top', expected $expected_version"
else
    fail "usr/share/doc/amorist/changelog.gz is missing"
fi

# The software centre's metadata, and the tree as a whole as AppStream sees it: the component,
# its launcher and its icon must find one another.
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --strict "$metainfo" >"$scratch/validate.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$scratch/validate.log")"
    grep -q "<release version=\"$expected_version\"" "$metainfo" ||
        fail "the metadata lists no release $expected_version"
    appstreamcli validate-tree --no-net "$root" >"$scratch/validate-tree.log" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$scratch/validate-tree.log")"
else
    fail "usr/share/metainfo/$id.metainfo.xml is missing"
fi

# Debian's own checker: an error or a warning fails; informational notes may stay (the About
# window's "Softwares" is the maker's own spelling).
lintian_options=(--fail-on error,warning)
lintian "${lintian_options[@]}" "$deb" >"$scratch/lintian.log" 2>&1 ||
    fail "lintian: $(grep -v '^running with root privileges' "$scratch/lintian.log")"

if [ $failures -ne 0 ]; then
    echo "check-deb: $failures problem(s) in $deb"
    exit 1
fi
echo "check-deb: $(basename "$deb") installs amorist $expected_version where the desktop expects it"
