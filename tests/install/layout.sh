# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed layout, the same under any prefix: cmake --install's, or /usr in the Debian
# package. Sourced by the tests that check one.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# check_layout LISTING HELP_PAGE: LISTING names the installed paths, relative to the prefix,
# one a line; HELP_PAGE is the installed help page, whose pictures must be installed too. The
# program folder may hold more than this; nothing the program writes may come with it.
check_layout() {
    local program=lib/quillane-emoticon id=example.quillane.Emoticon path
    for path in "$program/quillane-emoticon" \
        "$program"/{all,animals,foods,objects,celebrit,occupati}.bra "$program/help/index-bra.html" \
        $(grep -o 'art/[a-z0-9-]*\.svg' "$2" | sort -u | sed "s|^|$program/help/|") \
        bin/quillane-emoticon bin/quillane-catalogue "share/applications/$id.desktop" \
        "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
        share/doc/quillane-emoticon/{copyright,changelog.gz} \
        share/man/man1/{quillane-emoticon,quillane-catalogue}.1.gz; do
        grep -qxF "$path" "$1" || fail "$path is not installed"
    done
    ! grep -E '(^|/)(custom\.bra|custom\.tmp|emoticon\.dat)$' "$1" || fail "a user's file is installed"
}
