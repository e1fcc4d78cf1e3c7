#!/usr/bin/env bash
# cmake --install into a temporary prefix: the program folder, the launcher, the desktop entry,
# the AppStream metainfo and the icon are all there, and the validators pass.
set -euo pipefail
build_dir=$1
id=example.quillane.Emoticon
program=lib/quillane-emoticon

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# A blank in the prefix, as in a home folder's name, must survive into the desktop entry.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/pre fix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in "$program/quillane-emoticon" "$program/installed" \
    "$program"/{all,animals,foods,objects,celebrit,occupati}.bra "$program/help/index-bra.html" \
    bin/quillane-emoticon bin/quillane-catalogue "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for picture in $(grep -o 'art/[a-z0-9-]*\.svg' "$prefix/$program/help/index-bra.html" | sort -u); do
    [ -f "$prefix/$program/help/$picture" ] || fail "the help page's $picture is not installed"
done
# Nothing the program writes comes with it.
[ -z "$(find "$prefix" -name custom.bra -o -name custom.tmp -o -name emoticon.dat)" ] ||
    fail "a user's file is installed"

# The launcher is a relative link, so the program finds its folder and the install can move.
[ "$(readlink -f "$prefix/bin/quillane-emoticon")" = "$(readlink -f "$prefix/$program/quillane-emoticon")" ] ||
    fail "bin/quillane-emoticon does not lead to the program"
[[ "$(readlink "$prefix/bin/quillane-emoticon")" != /* ]] || fail "the launcher's link is absolute"

entry="$prefix/share/applications/$id.desktop"
grep -qxF "Exec=\"$prefix/bin/quillane-emoticon\"" "$entry" || fail "$(grep ^Exec= "$entry")"
grep -qxF "Icon=$id" "$entry" || fail "$(grep ^Icon= "$entry")"
desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refuses the metainfo"
# The metainfo together with the desktop entry it names.
appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "appstreamcli refuses the tree"
echo "installed and valid"
