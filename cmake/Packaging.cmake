# Installation (`cmake --install`, `make install`) and the Debian package (`make package`).
# The program goes to games/, its read-only files to share/lexel/; each player's Lexel.lxl is
# copied from the template into the player's data directory at the first start.
include(GNUInstallDirs)

# Debian keeps games in games/. The program looks for its data in <its folder>/../share/lexel,
# so the folder must stay one level below the prefix, beside share/.
install(TARGETS lexel RUNTIME DESTINATION games)
install(FILES ${LEXEL_TEMPLATE} ${CMAKE_BINARY_DIR}/Lexel_E.rcc ${CMAKE_BINARY_DIR}/Lexel_D.rcc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lexel)

# The desktop entry, the icon and the AppStream metadata at their standard places.
set(LEXEL_APP_ID invalid.morvane.Lexel)
set(LEXEL_DIST ${PROJECT_SOURCE_DIR}/dist)
install(FILES ${LEXEL_DIST}/${LEXEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LEXEL_DIST}/${LEXEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${LEXEL_DIST}/${LEXEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the changelog and the manual page gzipped; -n leaves out the name and time, so
# the package is the same from one build to the next.
find_program(LEXEL_GZIP gzip REQUIRED)
set(LEXEL_GZIPPED)
foreach(file changelog lexel.6)
    set(copy ${CMAKE_BINARY_DIR}/dist/${file})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${LEXEL_DIST}/${file} ${copy}
        COMMAND ${LEXEL_GZIP} -9nf ${copy}
        DEPENDS ${LEXEL_DIST}/${file}
        VERBATIM)
    list(APPEND LEXEL_GZIPPED ${copy}.gz)
endforeach()
add_custom_target(lexel-gzipped-docs ALL DEPENDS ${LEXEL_GZIPPED})

# Named lexel, not after the project: the folder must match the package.
set(LEXEL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/lexel)
install(FILES ${LEXEL_DIST}/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${LEXEL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/dist/lexel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_PACKAGE_NAME lexel)
set(CPACK_PACKAGE_VENDOR "Morvane Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-guessing game: find the hidden six-letter word")
# Lines as they go into the control file, where Debian wants at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Morvane Lexel hides a six-letter English word. Nine guess lines of three to"
    "six letters, each compared with a window of the hidden word, answer with"
    "black dots (right letter, right place) and white dots (the letter occurs"
    "elsewhere in the word)."
    ""
    "Letter marking in five colours, three hints, word suggestions, scores by"
    "level, dots, time and aids taken, statistics and a high-score table."
    "English and German, with help in both.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane Software <lexel@morvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Shared libraries are found by dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Stripped while packaging, whatever the build type, so a package made from the Debug tree
# is checked as the Release one is shipped. No -dbgsym package: CPack 3.25 writes build paths
# into its md5sums, and the Release build has no debug information to put in it.
set(CPACK_STRIP_FILES ON)
include(CPack)
