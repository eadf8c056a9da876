# SPDX-License-Identifier: GPL-3.0-or-later
# Installing like a desktop program: `cmake --install` under any prefix, and `cpack -G DEB`.
# Folders readable by all whatever the installer's umask (077 would make them 0700).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
install(TARGETS vorel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its help beside itself, then in VOREL_HELP_DIR beside its bin folder.
install(FILES ${PROJECT_SOURCE_DIR}/Help/vorel.hlp DESTINATION ${VOREL_HELP_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/io.github.vorel.Vorel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/vorel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# A systemd user timer that brings the archive up to date after each draw evening, for users who
# enable it; nothing runs by default.
install(FILES ${PROJECT_SOURCE_DIR}/desktop/vorel-update.service ${PROJECT_SOURCE_DIR}/desktop/vorel-update.timer
        DESTINATION lib/systemd/user)
# The licence, as a distribution's packages carry it.
install(FILES ${PROJECT_SOURCE_DIR}/desktop/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorel)

# The manual page and the AppStream metadata carry the project's version; the metadata lists the
# releases NEWS.md describes.
include(${PROJECT_SOURCE_DIR}/cmake/news_releases.cmake)
vorel_releases_from_news(${PROJECT_SOURCE_DIR}/NEWS.md ${PROJECT_VERSION} VOREL_RELEASES VOREL_RELEASE_DATE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md)
foreach(file vorel.1 io.github.vorel.Vorel.metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/desktop/${file}.in ${CMAKE_BINARY_DIR}/desktop/${file} @ONLY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/desktop/io.github.vorel.Vorel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The manual page and the changelog compressed, as Debian wants them, without names or times in the
# gzip header so that two builds give the same bytes.
set(vorel_gzipped ${CMAKE_BINARY_DIR}/desktop/vorel.1.gz ${CMAKE_BINARY_DIR}/desktop/changelog.gz)
add_custom_command(OUTPUT ${vorel_gzipped}
    COMMAND sh -c "gzip -9nc '${CMAKE_BINARY_DIR}/desktop/vorel.1' > '${CMAKE_BINARY_DIR}/desktop/vorel.1.gz'"
    COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/NEWS.md' > '${CMAKE_BINARY_DIR}/desktop/changelog.gz'"
    DEPENDS ${CMAKE_BINARY_DIR}/desktop/vorel.1 ${PROJECT_SOURCE_DIR}/NEWS.md
    VERBATIM)
add_custom_target(gzipped_docs ALL DEPENDS ${vorel_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/desktop/vorel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/desktop/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorel)

# The Debian package: under /usr, its dependencies computed from the program's libraries.
set(CPACK_PACKAGE_NAME vorel)
set(CPACK_PACKAGE_VENDOR "The Vorel developers")
# The maintainer comes from VOREL_PACKAGE_MAINTAINER, or from DEBFULLNAME and DEBEMAIL when cpack
# runs (cmake/package_maintainer.cmake).
set(VOREL_PACKAGE_MAINTAINER "" CACHE STRING "The Debian package's maintainer, \"Name <address>\"")
set(CPACK_VOREL_MAINTAINER "${VOREL_PACKAGE_MAINTAINER}")
# Every time in the package is the release's date, so that the same tree gives the same bytes.
vorel_epoch_of_date(${VOREL_RELEASE_DATE} CPACK_VOREL_SOURCE_DATE_EPOCH)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_maintainer.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "archive of the Italian Lotto draws")
set(CPACK_PACKAGE_DESCRIPTION
    "Vorel keeps the archive of the Italian Lotto draws on the local disk: browse
every draw in a ruled grid, type in the next draw, correct a stored one, paste
the published text of a draw to check it against the archive, and fill the
archive from the official results file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Italian catalogue, for Qt's own words (context menus, standard buttons, the file chooser).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
# The same for the package's folders, whoever builds it.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_folders.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_members.cmake)
include(CPack)
