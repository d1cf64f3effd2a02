# Installation (`cmake --install`, `make install`) and the Debian package (`make package`).
# The program goes to bin/, its read-only files to share/lexel/; each player's Lexel.lxl is
# copied from the template into the player's data directory at the first start.
include(GNUInstallDirs)

install(TARGETS lexel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${LEXEL_TEMPLATE} ${CMAKE_BINARY_DIR}/Lexel_E.rcc ${CMAKE_BINARY_DIR}/Lexel_D.rcc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lexel)

# The desktop entry, the icon and the AppStream metadata at their standard places.
set(LEXEL_APP_ID invalid.morvane.Lexel)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${LEXEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${LEXEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${LEXEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME lexel)
set(CPACK_PACKAGE_VENDOR "Morvane Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game: find the hidden six-letter word")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane Lexel hides a six-letter English word. Nine guess lines of three to six letters, \
each compared with a window of the hidden word, answer with black and white dots. Letter \
marking in five colours, hints, word suggestions, scores and a high-score table; English and \
German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane Software <lexel@morvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Shared libraries are found by dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
