#!/usr/bin/env bash
# The own list in a real window: a person adds two emoticons typed by hand, removes the first,
# and closes the program; custom.bra then holds exactly the remaining record.
set -euo pipefail
bin_dir=$1
source "$(dirname "$0")/e2e_lib.sh"

own_list_has_bytes() {
    [ "$(stat -c %s "$program_folder/custom.bra" 2>/dev/null)" = "$1" ]
}
add_typed() {
    click_panel 1500 4450 # txtOwnListEmoticonName
    xdotool type "$1"
    click_panel 5200 4270 # txtOwnListRepresentation
    xdotool type "$2"
    click_panel 3435 1440 # imgOwnListAdd
}

start_program "$bin_dir"
rm -f "$program_folder/custom.bra"
# Toolbar1's second button, "Configurar Sua Própria Lista", prepares the editor.
xdotool mousemove --sync $((client_x + 50)) $((client_y + 13)) click 1

add_typed 'Gato' '=^.^='
wait_until 10 own_list_has_bytes 50 || fail "the first addition did not reach custom.bra"
add_typed 'Sol' '\o/'
wait_until 10 own_list_has_bytes 100 || fail "the second addition did not reach custom.bra"

click_panel 4500 1320 # the first entry of lstOwnListCustom
click_panel 3435 2280 # imgOwnListRemove
wait_until 10 own_list_has_bytes 50 || fail "the removal did not reach custom.bra"

# "Sair", the last entry of the first menu.
xdotool mousemove --sync $((client_x + 20)) $((client_y - 8)) click 1 key Up Return
wait_until 10 program_ended || fail "the program did not end at 'Sair'"
wait "$pid" || fail "the program ended with status $?"
pid=

expected=$(mktemp)
printf '%-35s%-15s' 'Sol' '\o/' >"$expected"
cmp "$expected" "$program_folder/custom.bra" ||
    fail "custom.bra holds '$(cat "$program_folder/custom.bra")'"
rm -f "$expected"
[ ! -e "$program_folder/custom.tmp" ] || fail "custom.tmp was left behind"
echo "custom.bra holds the remaining record"
