# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT

# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` installs.


set(CPACK_PACKAGE_NAME vantorel)
set(CPACK_PACKAGE_VENDOR "The Vantorel developers")
set(CPACK_PACKAGE_CONTACT "The Vantorel developers <maintainers@vantorel.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VANTOREL_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines for Debian's 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vantorel gives every virtual desktop a name and a colour, and shows the name"
    "of the desktop you are on in your panel, on a rounded label in that desktop's"
    "colour. It follows X11 window managers that keep numbered desktops (openbox,"
    "xfwm4, fluxbox, ...), i3 and sway, and shows the label in status item hosts,"
    "classic system trays and text bars such as waybar, polybar and i3blocks.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: the packages of the libraries the program links, found by dpkg-shlibdeps. Qt loads its Wayland plugin
# only on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "waybar | polybar | i3blocks")
set(CPACK_GENERATOR DEB)

# Debian wants the licence and a changelog in /usr/share/doc/<package>.
execute_process(COMMAND date --rfc-email --utc --date=${VANTOREL_RELEASE_DATE} OUTPUT_VARIABLE releaseTime
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian-changelog.in debian/changelog @ONLY)
add_custom_command(OUTPUT debian/changelog.gz
    COMMAND gzip -9n --force --keep debian/changelog
    DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog
    VERBATIM)
add_custom_target(vantorel_changelog ALL DEPENDS debian/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian-copyright RENAME copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantorel)
include(CPack)
