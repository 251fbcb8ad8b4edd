#!/usr/bin/env bash
# The Debian package, built from the build folder into a temporary folder and
# unpacked into a temporary root: the program, its menu entry and icons are
# where the desktop looks for them, the dependencies are the run-time ones,
# and the unpacked program answers --version and makes its working folder.
set -euo pipefail
build="$(cd "$1" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" > "$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/pkg/tavu_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $tmp/pkg"
deb="${debs[0]}"

# Run-time libraries (found by dpkg-shlibdeps) and the font; nothing that
# only the build needs.
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-ipafont-gothic qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[[ "$depends" != *-dev* && "$depends" != *cmake* && "$depends" != *gtest* ]] ||
    fail "Depends names build-only packages: $depends"

root="$tmp/root"
dpkg -x "$deb" "$root"
expected="usr/bin/tavu
usr/share/applications/tavu.desktop
usr/share/doc/tavu/changelog.gz
usr/share/doc/tavu/copyright
usr/share/icons/hicolor/128x128/apps/tavu.png
usr/share/icons/hicolor/256x256/apps/tavu.png
usr/share/icons/hicolor/32x32/apps/tavu.png
usr/share/icons/hicolor/64x64/apps/tavu.png
usr/share/man/man1/tavu.1.gz"
listed="$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$listed" == "$expected" ] || fail "files in the package:"$'\n'"$listed"
[ -x "$root/usr/bin/tavu" ] || fail "usr/bin/tavu is not executable"

# Each icon is a PNG of its folder's size (width and height at bytes 16..23).
for size in 32 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tavu.png"
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w x $h" == "$size x $size" ] || fail "icon $size is $w x $h"
done

desktop="$root/usr/share/applications/tavu.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Name\[ja\]=集金管理システム ＴＡＶＵ' "$desktop" || fail "Name[ja]"
grep -qx 'Exec=tavu --folder "~/TAVU"' "$desktop" || fail "Exec line"

# Answered on a terminal without any display.
version="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tavu" --version)"
[[ "$version" =~ ^tavu\ [0-9]+\.[0-9]+ ]] || fail "--version printed: $version"

# The manual page names every option and every exit status of --help, and
# the copyright file the licence.
help="$("$root/usr/bin/tavu" --help)"
manual="$(zcat "$root/usr/share/man/man1/tavu.1.gz" | sed 's/\\-/-/g')"
for option in $(grep -oE -- '--[a-z][a-z-]*' <<< "$help" | sort -u); do
    grep -qF -- "$option" <<< "$manual" || fail "the manual page lacks $option"
done
for code in $(grep -oE '^  [0-9]+  ' <<< "$help"); do
    grep -qx ".B $code" <<< "$manual" || fail "the manual page lacks exit status $code"
done
# ... and every report the usage lines of --help name.
for report in $(grep -E '^  tavu ' <<< "$help" | tr ' |[]' '\n' | grep -xE '[a-z]+' | grep -vx tavu | sort -u); do
    grep -qF "\fB$report\fR" <<< "$manual" || fail "the manual page lacks the report $report"
done
grep -q '^License: Expat' "$root/usr/share/doc/tavu/copyright" || fail "copyright names no licence"

# Started as the menu starts it, it makes ~/TAVU and works there (killed
# while the splash shows).
mkdir "$tmp/home"
HOME="$tmp/home" QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tavu" --folder "~/TAVU" \
    > /dev/null 2>&1 || true
[ -d "$tmp/home/TAVU" ] || fail "the menu's start did not make ~/TAVU"

# Lintian is not part of the set-up; where it is installed it must find no
# error.
if command -v lintian > /dev/null; then
    lintian --fail-on error "$deb" > "$tmp/lintian.log" 2>&1 ||
        { cat "$tmp/lintian.log"; fail "lintian reports errors"; }
fi
echo "package checked: $(basename "$deb")"
