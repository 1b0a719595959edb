# What `cmake --install` puts where (GNU directories), and the Debian package CPack
# builds from it: both programs, the default data they seed a program folder from
# (also compiled into them), the desktop entry, the icon, the AppStream metainfo and
# the manual pages.

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/app.kivora.Kivora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/app.kivora.Kivora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/kivora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/kivora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kivora.png)
endforeach()
install(FILES ${packaging}/kivora.1 ${packaging}/kivora-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/defaults/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kivora/defaults)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kivora)
set(CPACK_PACKAGE_VENDOR "Kivora")
set(CPACK_PACKAGE_CONTACT "Kivora developers <dev@kivora.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Statistics, forecasts and systems for k-of-n number lotteries")
set(CPACK_PACKAGE_DESCRIPTION
    "Kivora keeps a results base for every k-of-n lottery and shows the statistics of its numbers,\n"
    "pairs, triples, quadruples, tens, positions and additional numbers; expands marked numbers into\n"
    "tickets by full and abbreviated systems, prints and checks them, and reports honestly on chance.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kivora.app/")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program's own dialogs speak the language of its files; Qt's own take these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
