#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package CPack makes of the build: named after the project's version, without a
# lintian error, holding the installed layout under /usr with a desktop entry that starts
# /usr/bin/quillane-emoticon, and depending on what the program needs at run time.
set -euo pipefail
build_dir=$1
version=$2
source "$(dirname "$0")/layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
package=$work/quillane-emoticon_${version}_amd64.deb
[ -f "$package" ] || fail "no $(basename "$package") among: $(ls "$work")"

lintian --fail-on error "$package" || fail "lintian finds errors"

dpkg-deb -c "$package" | awk '{ print $6 }' | sed -n 's|^\./usr/||p' >"$work/listing"
dpkg-deb -x "$package" "$work/root"
check_layout "$work/listing" "$work/root/usr/lib/quillane-emoticon/help/index-bra.html"
entry=$work/root/usr/share/applications/example.quillane.Emoticon.desktop
grep -qxF 'Exec="/usr/bin/quillane-emoticon"' "$entry" || fail "$(grep ^Exec= "$entry")"

# The Qt libraries come from the binary; the fonts, translations, SVG plugin and xdg-open, which
# it loads or starts without linking them, are named by hand.
dpkg-deb -f "$package" Depends | tr ',' '\n' | awk '{ print $1 }' >"$work/depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 qt6-translations-l10n \
    libqt6svg6 xdg-utils; do
    grep -qxF "$needed" "$work/depends" || fail "Depends lacks $needed: $(dpkg-deb -f "$package" Depends)"
done
echo "$(basename "$package"): lintian clean of errors, laid out under /usr, depends on what it needs"
