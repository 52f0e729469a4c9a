#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a built tree with CPack and checks what a user gets from it.
#
#   check-package.sh BUILD_DIR VERSION QUIRN WORK_DIR
#
# BUILD_DIR is a configured and built tree of this source (its CPackConfig.cmake is used, so
# nothing is compiled again), VERSION the project's version, QUIRN that tree's program (its
# pictures are what the packaged program must draw too), WORK_DIR a scratch folder, emptied
# first. The package goes into WORK_DIR, is unpacked there and its program run from there; the
# machine is left alone. Only with QUIRN_PACKAGE_INSTALL=1, as root and with apt-get, is the
# package installed (and removed again when it was not installed before) and the installed
# program run.
set -eu

build=$1
version=$2
quirn=$3
work=$4

failures=0
problem() {
    echo "package test: $*" >&2
    failures=$((failures + 1))
}
fail() {
    echo "package test: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli man gzip; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing: scripts/setup-debian.sh installs it"
done

case $work in /*) ;; *) work=$(pwd)/$work ;; esac
rm -rf "$work"
mkdir -p "$work/run"

# --- The package file ------------------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/out/quirn_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

# --- Control data ----------------------------------------------------------------------------
[ "$(dpkg-deb -f "$deb" Package)" = quirn ] || problem "Package is '$(dpkg-deb -f "$deb" Package)'"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
    problem "Version is '$(dpkg-deb -f "$deb" Version)', the project's is $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 qt6-qpa-plugins libqt6svg6 libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6printsupport6 libopencv-core406 libopencv-imgproc406; do
    echo ", $depends," | grep -Eq "[ ,]$needed([ ,(]|$)" || problem "Depends lacks $needed: $depends"
done
for field in Maintainer Section Homepage Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || problem "the control data has no $field"
done

# --- Files -----------------------------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/files"
expected="/usr/bin/quirn
/usr/share/quirn/Data.bmp
/usr/share/quirn/Romb.bmp
/usr/share/quirn/Others.bmp
/usr/share/quirn/Data.svg
/usr/share/quirn/Romb.svg
/usr/share/quirn/Others.svg
/usr/share/quirn/symbols/moving-coil.svg
/usr/share/quirn/symbols/class-1.5.svg
/usr/share/quirn/ReadMe.txt
/usr/share/quirn/ReadMe_en.txt
/usr/share/quirn/quirn_en.qm
/usr/share/applications/quirn.desktop
/usr/share/mime/packages/quirn.xml
/usr/share/icons/hicolor/scalable/apps/quirn.svg
/usr/share/metainfo/io.github.quirn.Quirn.metainfo.xml
/usr/share/doc/quirn/copyright
/usr/share/man/man1/quirn.1.gz"
for size in 16 22 24 32 48 64 128 256; do
    expected="$expected
/usr/share/icons/hicolor/${size}x${size}/apps/quirn.png"
done
for path in $expected; do
    grep -qxF "$path" "$work/files" || problem "the package lacks $path"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quirn.png
    [ -f "$icon" ] || continue
    file -b "$icon" | grep -q "PNG image data, $size x $size," ||
        problem "$icon is not a $size x $size PNG: $(file -b "$icon")"
done

# --- Desktop entry, file type and AppStream data ---------------------------------------------
desktop=$root/usr/share/applications/quirn.desktop
metainfo=$root/usr/share/metainfo/io.github.quirn.Quirn.metainfo.xml
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 ||
        problem "desktop-file-validate: $(cat "$work/desktop.log")"
    for line in "Exec=quirn %f" "Icon=quirn"; do
        grep -qxF "$line" "$desktop" || problem "quirn.desktop lacks the line $line"
    done
    grep -Eq '^MimeType=(.*;)?application/x-quirn;' "$desktop" ||
        problem "quirn.desktop does not open application/x-quirn"
fi
grep -q '<mime-type type="application/x-quirn">' "$root/usr/share/mime/packages/quirn.xml" &&
    grep -q '<glob pattern="\*.qrn"/>' "$root/usr/share/mime/packages/quirn.xml" ||
    problem "the MIME file does not declare application/x-quirn for *.qrn"
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
        problem "appstreamcli validate: $(cat "$work/appstream.log")"
    # The tree as installed: the launchable desktop entry must be there beside it.
    appstreamcli validate-tree --no-net "$root" >"$work/appstream-tree.log" 2>&1 ||
        problem "appstreamcli validate-tree: $(cat "$work/appstream-tree.log")"
    grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$metainfo" ||
        problem "the AppStream data has no release $version with a date"
fi

# --- Licence ---------------------------------------------------------------------------------
copyright=$root/usr/share/doc/quirn/copyright
if [ -f "$copyright" ]; then
    head -n1 "$copyright" | grep -qxF \
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
        problem "the copyright file is not in Debian's machine-readable format"
    grep -qxF "License: GPL-3+" "$copyright" || problem "the copyright file does not say GPL-3+"
    grep -qF "/usr/share/common-licenses/GPL-3" "$copyright" ||
        problem "the copyright file does not point at /usr/share/common-licenses/GPL-3"
fi
[ ! -f "$metainfo" ] || grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
    problem "the AppStream data does not give the project's licence"

# --- Manual page -----------------------------------------------------------------------------
page=$root/usr/share/man/man1/quirn.1.gz
if [ -f "$page" ]; then
    gzip -t "$page" || problem "quirn.1.gz is not gzipped"
    MANWIDTH=80 MANPAGER=cat PAGER=cat man --warnings -l "$page" >"$work/man.txt" \
        2>"$work/man.err" || problem "man could not show the page"
    [ ! -s "$work/man.err" ] || problem "man warns: $(cat "$work/man.err")"
    grep -q "Quirn $version" "$work/man.txt" || problem "the manual page does not say Quirn $version"
    for name in Initial.qrn Screen.ini /usr/share/quirn LANG LANGUAGE; do
        grep -qF "$name" "$work/man.txt" || problem "the manual page does not name $name"
    done
fi

# --- The packaged program, run from the unpacked tree ----------------------------------------
packaged=$root/usr/bin/quirn
[ "$("$packaged" --version)" = "quirn $version" ] ||
    problem "quirn --version says '$("$packaged" --version)'"
"$packaged" --help >"$work/help.txt" || problem "quirn --help failed"
# Each option --help lists is described in the manual page's OPTIONS, as a word of its own
# ("-h" inside "--help" does not count).
options=$(grep -oE '(^|[][ ,|])--?[a-z][a-z-]*' "$work/help.txt" | sed 's/^[][ ,|]//' | sort -u)
echo "$options" | grep -qx -- --help || problem "no options found in quirn --help: $options"
awk '/^[A-Z]/ { described = ($0 == "OPTIONS") } described' "$work/man.txt" >"$work/man-options.txt"
for option in $options; do
    grep -Eq -- "(^|[^-[:alnum:]])$option([^-[:alnum:]]|$)" "$work/man-options.txt" ||
        problem "the manual page's OPTIONS do not describe $option, which quirn --help lists"
done

# The packaged program finds its data beside it and draws what the build tree's program draws
# (a missing symbol image would leave the plate without its symbol).
cd "$work/run"
QT_QPA_PLATFORM=offscreen "$packaged" --export "$work/packaged.png" --dpi 150 ||
    problem "the packaged quirn --export failed"
QT_QPA_PLATFORM=offscreen "$quirn" --export "$work/built.png" --dpi 150 ||
    fail "the build tree's quirn --export failed"
cmp -s "$work/packaged.png" "$work/built.png" ||
    problem "the packaged program draws another picture than the build tree's"
QT_QPA_PLATFORM=offscreen "$packaged" --export "$work/packaged.pdf" ||
    problem "the packaged quirn --export x.pdf failed"
[ "$(head -c 5 "$work/packaged.pdf" 2>/dev/null)" = "%PDF-" ] || problem "no PDF came out"

# --- Installed with apt-get, when asked ------------------------------------------------------
if [ "${QUIRN_PACKAGE_INSTALL:-}" = 1 ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    was_installed=$(dpkg-query -W -f='${Status}' quirn 2>/dev/null | grep -c "install ok installed" ||
        true)
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log" >&2; fail "apt-get install $deb failed"; }
    [ "$(/usr/bin/quirn --version)" = "quirn $version" ] ||
        problem "the installed quirn --version says '$(/usr/bin/quirn --version)'"
    /usr/bin/quirn -platform offscreen --export "$work/installed.pdf" &&
        [ "$(head -c 5 "$work/installed.pdf")" = "%PDF-" ] ||
        problem "the installed quirn -platform offscreen --export x.pdf failed"
    # As a user meets it: the manual page by name, the menu entry and the software-centre data.
    MANWIDTH=80 man -P cat quirn 2>&1 | grep -q -- '--export' || problem "man quirn shows no --export"
    desktop-file-validate /usr/share/applications/quirn.desktop ||
        problem "the installed quirn.desktop does not validate"
    for metainfo in /usr/share/metainfo/*quirn*.xml /usr/share/metainfo/*Quirn*.xml; do
        [ -f "$metainfo" ] || continue
        appstreamcli validate --no-net "$metainfo" >"$work/installed-appstream.log" 2>&1 ||
            { cat "$work/installed-appstream.log" >&2; problem "the installed $metainfo does not validate"; }
    done
    if [ "$was_installed" = 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q quirn >>"$work/apt.log" 2>&1 ||
            problem "apt-get remove quirn failed"
    fi
else
    echo "package test: not installed (QUIRN_PACKAGE_INSTALL=1 as root with apt-get does);" \
        "checked the unpacked package instead"
fi

[ "$failures" = 0 ] || fail "$failures problems"
echo "package test: quirn_${version} checked"
