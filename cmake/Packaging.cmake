# Installation (`cmake --install`, `make install`, and the Debian package's build in debian/).
# The program goes to games/, its read-only files to share/lexel/; each player's Lexel.lxl is
# made from the word lists there in the player's data directory at the first start, and its
# words refreshed from them after an upgrade. Plain lists, not a ready file: the encrypted file
# differs from build to build, and the package is to come out the same every time.
include(GNUInstallDirs)

# Debian keeps games in games/. The program looks for its data in <its folder>/../share/lexel,
# so the folder must stay one level below the prefix, beside share/.
install(TARGETS lexel RUNTIME DESTINATION games)
install(FILES ${CMAKE_BINARY_DIR}/Lexel_E.rcc ${CMAKE_BINARY_DIR}/Lexel_D.rcc
              ${PROJECT_SOURCE_DIR}/data/quotes.tsv DESTINATION ${CMAKE_INSTALL_DATADIR}/lexel)
set(LEXEL_WORDS ${PROJECT_SOURCE_DIR}/data/words)
install(FILES ${LEXEL_WORDS}/raw3.txt ${LEXEL_WORDS}/raw4.txt ${LEXEL_WORDS}/raw5.txt
              ${LEXEL_WORDS}/raw6.txt ${LEXEL_WORDS}/except.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lexel/words)

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
foreach(source debian/changelog dist/lexel.6)
    get_filename_component(file ${source} NAME)
    set(copy ${CMAKE_BINARY_DIR}/dist/${file})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${copy}
        COMMAND ${LEXEL_GZIP} -9nf ${copy}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source}
        VERBATIM)
    list(APPEND LEXEL_GZIPPED ${copy}.gz)
endforeach()
add_custom_target(lexel-gzipped-docs ALL DEPENDS ${LEXEL_GZIPPED})

# Named lexel, not after the project: the folder must match the package.
set(LEXEL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/lexel)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${LEXEL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/dist/lexel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
