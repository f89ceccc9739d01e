# What `cmake --install` puts where, and the Debian package that CPack makes
# of it (`cmake --build <dir> --target package`).  The programs find the seed
# database from their own folder (bin/../share/izoku-planner), so the package
# works under any prefix.
set(IZOKU_PACKAGING ${CMAKE_CURRENT_LIST_DIR})

# Linked as needed, so that the package depends on the libraries the programs
# call and not on everything Qt's CMake files name.
foreach(program izoku-planner izoku-calc)
  target_link_options(${program} PRIVATE LINKER:--as-needed)
endforeach()
install(TARGETS izoku-planner izoku-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${IZOKU_DATABASE} DESTINATION ${CMAKE_INSTALL_DATADIR}/izoku-planner)
install(FILES ${IZOKU_PACKAGING}/izoku-planner.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${IZOKU_PACKAGING}/icons/izoku-planner.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNG sizes are drawn from the SVG: rsvg-convert -w N -h N izoku-planner.svg
foreach(size 16 32 48 64 128 256)
  install(FILES ${IZOKU_PACKAGING}/icons/izoku-planner-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME izoku-planner.png)
endforeach()

# Debian wants the copyright, a compressed changelog and manual pages.
set(IZOKU_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
string(TIMESTAMP IZOKU_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${IZOKU_PACKAGING}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
file(ARCHIVE_CREATE OUTPUT ${IZOKU_CHANGELOG} PATHS ${CMAKE_BINARY_DIR}/packaging/changelog FORMAT raw
     COMPRESSION GZip COMPRESSION_LEVEL 9)
install(FILES ${IZOKU_PACKAGING}/copyright ${IZOKU_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/izoku-planner)
foreach(page izoku-planner izoku-calc)
  set(IZOKU_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz)
  file(ARCHIVE_CREATE OUTPUT ${IZOKU_MAN_PAGE} PATHS ${IZOKU_PACKAGING}/man/${page}.1 FORMAT raw COMPRESSION GZip
       COMPRESSION_LEVEL 9)
  install(FILES ${IZOKU_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${IZOKU_PACKAGING}/man/${page}.1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME izoku-planner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "survivors' pension and life-insurance needs planner (Japanese)")
# CPack puts the summary above as the synopsis line; this is the text below it.
set(CPACK_PACKAGE_DESCRIPTION
    "For one household, computes the public survivors' pensions the family would
receive if the husband died now, projects its income and expenses year by
year, derives the necessary coverage amount and sets it beside the insurance
already held.  Customer households are saved in a local SQLite file in the
user's data folder.  Every text on screen is Japanese.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Izoku Planner developers <izoku-planner@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what they load at
# run time is named here: the SQLite driver of Qt Sql, Qt's own Japanese
# dialogs and the font the screens are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
