# SPDX-FileCopyrightText: Quillmark contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package: both programs, the desktop entry and the icon.
#   cmake --install build          (to CMAKE_INSTALL_PREFIX, /usr/local by default)
#   cd build && cpack -G DEB       (dependencies found by dpkg-shlibdeps)
include(GNUInstallDirs)

install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Level progression generator for ARK: Survival Evolved servers' Game.ini")
set(CPACK_PACKAGE_DESCRIPTION
    "A wizard (quillmark) and a command-line tool for headless servers (quillmark-cli) that \
write the player and creature experience ramps and the engram points of a Game.ini, merge \
them into an existing file and check one.")
set(CPACK_PACKAGE_CONTACT "Quillmark maintainers <maintainers@quillmark.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free fonts that stand in for the Windows fonts the forms name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, fonts-lato, fonts-yrsa-rasa, fonts-urw-base35, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
