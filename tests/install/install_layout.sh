#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# One installed layout, checked twice: cmake --install into a temporary prefix, and the Debian
# package CPack makes, under /usr. Both hold the program folder, the launcher, the desktop
# entry (starting the launcher under their prefix), the AppStream metainfo, the icon, the
# copyright, the changelog and the manual pages. The validators pass on the install; the package
# is named after the project's version, lintian finds no error in it, and it depends on what
# the program needs at run time.
set -euo pipefail
build_dir=$1
version=$2
id=example.quillane.Emoticon
program=lib/quillane-emoticon

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# check_layout TREE LISTING PREFIX: the install laid out in TREE, whose paths LISTING names
# (relative to TREE, one a line), for PREFIX. The program folder may hold more than this.
check_layout() {
    local path entry=$1/share/applications/$id.desktop
    for path in "$program"/{quillane-emoticon,quillane-clipboard-keeper,installed} \
        "$program"/{all,animals,foods,objects,celebrit,occupati}.bra "$program/help/index-bra.html" \
        $(grep -o 'art/[a-z0-9-]*\.svg' "$1/$program/help/index-bra.html" | sed "s|^|$program/help/|") \
        bin/quillane-emoticon bin/quillane-catalogue "share/applications/$id.desktop" \
        "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
        share/doc/quillane-emoticon/{copyright,changelog.gz} share/man/man1/quillane-{emoticon,catalogue}.1.gz; do
        grep -qxF "$path" "$2" || fail "$path is not installed under $3"
    done
    # Nothing the program writes comes with it.
    ! grep -E '(^|/)(custom\.bra|custom\.tmp|emoticon\.dat)$' "$2" || fail "a user's file is installed"
    grep -qxF "Exec=\"$3/bin/quillane-emoticon\"" "$entry" || fail "$(grep ^Exec= "$entry")"
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# A blank in the prefix, as in a home folder's name, must survive into the desktop entry.
prefix="$root/pre fix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -mindepth 1 -printf '%P\n') >"$root/installed"
check_layout "$prefix" "$root/installed" "$prefix"

# The launcher is a relative link, so the program finds its folder and the install can move.
[ "$(readlink -f "$prefix/bin/quillane-emoticon")" = "$(readlink -f "$prefix/$program/quillane-emoticon")" ] ||
    fail "bin/quillane-emoticon does not lead to the program"
[[ "$(readlink "$prefix/bin/quillane-emoticon")" != /* ]] || fail "the launcher's link is absolute"

entry="$prefix/share/applications/$id.desktop"
grep -qxF "Icon=$id" "$entry" || fail "$(grep ^Icon= "$entry")"
desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"
# The metainfo together with the desktop entry it names.
appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "appstreamcli refuses the tree"

cpack --config "$build_dir/CPackConfig.cmake" -B "$root/package" >/dev/null
package=$root/package/quillane-emoticon_${version}_amd64.deb
[ -f "$package" ] || fail "no $(basename "$package"): $(ls "$root/package")"
lintian --fail-on error "$package" || fail "lintian finds errors in the package"
dpkg-deb -x "$package" "$root/package/tree"
dpkg-deb -c "$package" | awk '{ print $6 }' | sed -n 's|^\./usr/||p' >"$root/packaged"
check_layout "$root/package/tree/usr" "$root/packaged" /usr
# The Qt libraries come from the binaries; what the program loads or starts without linking
# it (fonts, translations, the SVG plugin, xdg-open) is named by hand.
dpkg-deb -f "$package" Depends | tr ',' '\n' | awk '{ print $1 }' >"$root/depends"
for needed in libqt6{core,gui,widgets}6 fonts-liberation2 qt6-translations-l10n libqt6svg6 xdg-utils; do
    grep -qxF "$needed" "$root/depends" || fail "the package does not depend on $needed"
done
echo "installed and packaged, valid"
