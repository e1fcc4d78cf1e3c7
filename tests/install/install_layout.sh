#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install into a temporary prefix: the program folder, the launcher, the desktop entry,
# the AppStream metainfo, the icon, the copyright, the changelog and the manual pages are all
# there, and the validators pass.
set -euo pipefail
build_dir=$1
source "$(dirname "$0")/layout.sh"
id=example.quillane.Emoticon
program=lib/quillane-emoticon

# A blank in the prefix, as in a home folder's name, must survive into the desktop entry.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/pre fix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -mindepth 1 -printf '%P\n') >"$root/listing"
check_layout "$root/listing" "$prefix/$program/help/index-bra.html"

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
