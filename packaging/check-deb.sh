#!/usr/bin/env bash
# Unpacks Amorist's Debian package into a scratch root with dpkg -x and checks what a user of
# the installed package relies on: both programs on the PATH, the launcher in the menu with its
# icon, the software centre's metadata, Debian's copyright and changelog, and control fields
# that pull in what it runs on.
# Usage: check-deb.sh PACKAGE.deb SCRATCH_DIR
#        check-deb.sh --build CPACK_CONFIG SCRATCH_DIR   (makes the package into SCRATCH_DIR first)
set -uo pipefail

id=com.quillmoor.Amorist
expected_version=1.0.0

usage() {
    echo "usage: $0 PACKAGE.deb SCRATCH_DIR | $0 --build CPACK_CONFIG SCRATCH_DIR" >&2
    exit 2
}

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

# Every file must sit under /usr/bin or /usr/share: anything else is an install rule that leaks
# build products (libraries, headers, test programs) into users' systems.
while IFS= read -r path; do
    case $path in
        ./usr/bin/* | ./usr/share/*) ;;
        *) fail "unexpected file $path" ;;
    esac
done < <(cd "$root" && find . -type f -o -type l)

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
[ "$(field Recommends)" = "xdg-utils, qt6-wayland" ] ||
    fail "Recommends is '$(field Recommends)', expected 'xdg-utils, qt6-wayland'"

# apt must find every dependency on this machine.
if ! apt-get install --simulate --quiet "$deb" >"$scratch/apt.log" 2>&1; then
    fail "apt-get install --simulate refused the package: $(cat "$scratch/apt.log")"
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

if [ $failures -ne 0 ]; then
    echo "check-deb: $failures problem(s) in $deb"
    exit 1
fi
echo "check-deb: $(basename "$deb") installs amorist $expected_version where the desktop expects it"
