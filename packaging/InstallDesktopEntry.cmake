# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cmake --install: writes the desktop entry, whose Exec names the launcher under the
# prefix of this install, and installs it. The entry's own folder is set beforehand.
set(launcher "${CMAKE_INSTALL_PREFIX}/${QUILLANE_BINDIR}/quillane-emoticon")

# An Exec argument in double quotes: \ " ` $ take a backslash for the quoting, and every
# backslash is doubled again for the file's string escapes; % is a field code unless doubled.
string(REPLACE [[\]] [[\\\\]] launcher "${launcher}")
foreach(character [["]] [[`]] [[$]])
    string(REPLACE "${character}" "\\\\${character}" launcher "${launcher}")
endforeach()
string(REPLACE "%" "%%" launcher "${launcher}")
set(QUILLANE_EXEC "\"${launcher}\"")

configure_file("${QUILLANE_ENTRY_TEMPLATE}" "${QUILLANE_ENTRY_FILE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${QUILLANE_APPLICATIONS_DIR}" TYPE FILE
    FILES "${QUILLANE_ENTRY_FILE}")
