# `cmake --install` lays the game out as a desktop expects it:
#   <prefix>/lib/arcade-vorpex/   the program folder: the program, the engine
#                                 and every data file, side by side as in build/app
#   <prefix>/bin/arcade-vorpex    a launcher that starts the program there
#   <prefix>/share/applications/<id>.desktop   the menu entry (the id below)
#   <prefix>/share/metainfo/<id>.metainfo.xml  what software centres show
#   <prefix>/share/icons/hicolor/NxN/apps/arcade-vorpex.png, 16 to 512
#   <prefix>/share/doc/arcade-vorpex/   the licence and the third-party notices
#   <prefix>/bin/vorpex-dict      the dictionary tool
#   <prefix>/share/man/man6/arcade-vorpex.6, man1/vorpex-dict.1   the manual pages
#   <prefix>/share/man/<language>/man6/arcade-vorpex.6       the game's in each other language
include(GNUInstallDirs)

set(VORPEX_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/arcade-vorpex)
# Installed binaries carry no debug information (the program is ten times its
# size with it): `cmake --install` strips them as `--strip` would.
install(CODE "if(NOT DEFINED CMAKE_INSTALL_DO_STRIP)
  set(CMAKE_INSTALL_DO_STRIP TRUE)
endif()")
install(TARGETS arcade-vorpex wordcore vorpex_sound
  RUNTIME DESTINATION ${VORPEX_INSTALL_APP_DIR}
  LIBRARY DESTINATION ${VORPEX_INSTALL_APP_DIR})
set(data_files VORPEX.DICT EVERYDAY-US.DICT EVERYDAY-GB.DICT VORPEX.BONUS ${VORPEX_LANGUAGE_FILES} VORPEX.DEFS ALLPICDATA.BMP ALLPICDATA@2x.BMP ALLPICDATA@3x.BMP TOLMIN.HTM arcade-vorpex.png
    CLICK.wav UNCLICK.wav BEEP.wav BEEPS.wav RIGHT.wav CLAP.wav)
list(TRANSFORM data_files PREPEND ${VORPEX_APP_DIR}/)
install(FILES ${data_files} DESTINATION ${VORPEX_INSTALL_APP_DIR})

file(RELATIVE_PATH VORPEX_APP_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VORPEX_INSTALL_APP_DIR})
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/launcher.sh.in
  ${CMAKE_BINARY_DIR}/install/arcade-vorpex @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/arcade-vorpex DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry names the launcher by its full path, since a desktop
# session's PATH often lacks ~/.local/bin. The path is filled in at install
# time, so that `cmake --install build --prefix ~/.local` points at itself.
install(CODE "
  set(VORPEX_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/arcade-vorpex\")
  configure_file(\"${CMAKE_SOURCE_DIR}/resources/desktop/${VORPEX_APP_ID}.desktop.in\"
    \"${CMAKE_BINARY_DIR}/install/${VORPEX_APP_ID}.desktop\" @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/install/${VORPEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${VORPEX_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/arcade-vorpex.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# What the software centres show: the AppStream metainfo, under the menu
# entry's id.
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${VORPEX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/THIRD-PARTY-NOTICES.md
  ${CMAKE_SOURCE_DIR}/resources/words/NAUGHTY-WORDS-LICENSE.txt
  ${CMAKE_SOURCE_DIR}/resources/words/SCOWL-COPYRIGHT.txt
  ${CMAKE_SOURCE_DIR}/resources/words/WORDNET-LICENSE.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/arcade-vorpex)
# Each language's word list keeps its Debian package's copyright notice.
foreach(language ${VORPEX_LANGUAGES})
  install(FILES ${CMAKE_SOURCE_DIR}/resources/words/${language}/COPYRIGHT.txt
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/arcade-vorpex RENAME words-${language}-COPYRIGHT.txt)
endforeach()

# The manual pages: the game's, and the dictionary tool's with the tool,
# which finds the engine in the program folder.
set_target_properties(vorpex-dict PROPERTIES INSTALL_RPATH "$ORIGIN/${VORPEX_APP_FROM_BIN}")
install(TARGETS vorpex-dict RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/arcade-vorpex.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/vorpex-dict.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The game's page in each of its other languages (UTF-8), where man finds it by LANG.
foreach(language ${VORPEX_LANGUAGES})
  install(FILES ${CMAKE_SOURCE_DIR}/docs/man/${language}/arcade-vorpex.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6)
endforeach()
