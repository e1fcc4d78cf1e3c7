#!/usr/bin/env bash
# The real program in a real window: it opens titled and sized, and a person browses a
# category with the keyboard and copies an emoticon, which reaches the clipboard.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

start_program "$bin_dir"
[ "$WIDTH" -eq 481 ] || fail "window is $WIDTH pixels wide, not 481"
[ "$HEIGHT" -gt 368 ] || fail "window is $HEIGHT pixels high: no room for the menu bar"

# Into the search box, on to the category selector, and "ANIMAIS", the second entry. Then back
# over the search box into the list, where the first arrow key selects the entry the focus
# marks and the second the next one.
click_panel 2000 2990
xdotool key Tab Home Down shift+Tab shift+Tab Down Down
second_animal=$("$bin_dir/quillane-catalogue" dump "$bin_dir/animals.bra" | grep -v '^#' |
    sed -n 2p | cut -f2)
[ -n "$second_animal" ] || fail "no second animal in the catalogue"

# "COPIAR PARA A MEMÓRIA".
click_panel 6200 4460
wait_until 5 clipboard_is "$second_animal" ||
    fail "clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)', not '$second_animal'"

kill -0 "$pid" || fail "the program ended by itself"
echo "copied $second_animal"
