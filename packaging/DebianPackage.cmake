# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, quillane-emoticon_<version>_amd64.deb: CPack's DEB generator over the
# same install rules, under /usr. It holds what Debian asks of every package, installed by
# cmake --install too: the copyright, machine-readable, the changelog and the manual pages.
set(QUILLANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillane-emoticon)

# The copyright carries the full text of the one licence Debian does not ship in
# /usr/share/common-licenses, as a field's continuation lines: each led by a blank, an empty
# line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt QUILLANE_CC_BY_SA_TEXT)
string(STRIP "${QUILLANE_CC_BY_SA_TEXT}" QUILLANE_CC_BY_SA_TEXT)
string(REPLACE "\n" "\n " QUILLANE_CC_BY_SA_TEXT " ${QUILLANE_CC_BY_SA_TEXT}")
# Blank lines in a row overlap: replace until none is left.
while(QUILLANE_CC_BY_SA_TEXT MATCHES "\n \n")
    string(REPLACE "\n \n" "\n .\n" QUILLANE_CC_BY_SA_TEXT "${QUILLANE_CC_BY_SA_TEXT}")
endwhile()
configure_file(copyright.in copyright @ONLY)

# The package's version is the project's: the changelog must open with its entry.
file(STRINGS changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^quillane-emoticon \\(([^)]*)\\)" OR
   NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog must open with version ${PROJECT_VERSION}")
endif()

# quillane_install_gzipped(SOURCE DESTINATION): installs SOURCE compressed as Debian wants
# it, by gzip -9 without a name or time stamp, so the same text always gives the same bytes.
set(gzipped)
function(quillane_install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_CURRENT_BINARY_DIR}/${name}
        COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/${name}
        DEPENDS ${source}
        VERBATIM)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz DESTINATION ${destination})
    set(gzipped ${gzipped} ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz PARENT_SCOPE)
endfunction()
quillane_install_gzipped(${CMAKE_CURRENT_SOURCE_DIR}/changelog ${QUILLANE_DOC_DIR})
foreach(page quillane-emoticon.1 quillane-catalogue.1)
    quillane_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(quillane_gzipped_documents ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${QUILLANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillane-emoticon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillane <suporte@quillane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://quillane.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of text emoticons to copy into chats")
set(CPACK_PACKAGE_DESCRIPTION "Quillane Emoticon shows text emoticons such as :-) and (^_^),
sorted into categories. Type the first letters of a name to find one, see it
drawn large, as written or turned so that a sideways face stands upright, and
copy it to the clipboard with one click. Panels hold the codes of AOL Instant
Messenger, MSN Messenger Service and Yahoo! Messenger, and an editor keeps a
list of favourites. The interface is in Brazilian Portuguese.")
# The libraries the binaries link, worked out by dpkg-shlibdeps; then what the program loads
# or starts without linking it: the Liberation fonts its layout is measured for, Qt's
# Portuguese translations, Qt's SVG image plugin (for a picture at a size the build did not
# render) and xdg-open (for links and the help page).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, libqt6svg6, xdg-utils")
# In a Wayland session the program runs through XWayland, on the X11 platform Qt's own package
# brings; Qt's Wayland platform is needed only where no XWayland runs, so it is recommended
# (installed by default) rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
