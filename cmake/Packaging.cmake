# SPDX-FileCopyrightText: Quillmark contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package: both programs with their manual pages, the bash
# completion, the desktop entry, the AppStream metadata, the icons and the licence.
#   cmake --install build          (to CMAKE_INSTALL_PREFIX, /usr/local by default)
#   cd build && cpack -G DEB       (dependencies found by dpkg-shlibdeps)
include(GNUInstallDirs)

set(QUILLMARK_APP_ID org.quillmark.quillmark)

install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/${QUILLMARK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${QUILLMARK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quillmark-cli)

# Manual pages and the changelog are installed compressed, without a time stamp in the
# gzip header, so that two builds give the same package.
set(compressed_files)
function(quillmark_gzip source target)
    string(REGEX REPLACE "\\.gz$" "" uncompressed ${target})
    add_custom_command(OUTPUT ${target}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${uncompressed}
                       COMMAND gzip -9nf ${uncompressed}
                       DEPENDS ${source} VERBATIM)
    set(compressed_files ${compressed_files} ${target} PARENT_SCOPE)
endfunction()
foreach(page quillmark.1 quillmark-cli.1)
    quillmark_gzip(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page}.gz)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
quillmark_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quillmark)

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level progression wizard for ARK: Survival Evolved servers")
# Lintian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark writes the level-progression part of a Game.ini: the experience\n\
each player level needs, the engram points granted at each level and the\n\
experience each creature level needs.\n\
\n\
The package has a wizard with a preview of each ramp (quillmark) and a\n\
command-line tool for headless servers (quillmark-cli) that writes the same\n\
text, merges it into an existing Game.ini and checks one.")
set(CPACK_PACKAGE_CONTACT "Quillmark maintainers <maintainers@quillmark.invalid>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free fonts that stand in for the Windows fonts the forms name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, fonts-lato, fonts-yrsa-rasa, fonts-urw-base35, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
