# Installs the program like a desktop program (launcher entry, icons, AppStream data) and
# builds a Debian package from that install: cpack -G DEB in the build directory.
include(GNUInstallDirs)

set(SETTINGS_APP_ID com.quorvan.Settings)
set(SETTINGS_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${SETTINGS_PACKAGING_DIR}/${SETTINGS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SETTINGS_PACKAGING_DIR}/${SETTINGS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SETTINGS_PACKAGING_DIR}/icons/${SETTINGS_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Rendered from the SVG (the command is in the SVG's header comment).
install(FILES ${SETTINGS_PACKAGING_DIR}/icons/${SETTINGS_APP_ID}-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME ${SETTINGS_APP_ID}.png)

set(CPACK_PACKAGE_NAME settings-kx2040)
set(CPACK_PACKAGE_VENDOR Quorvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(NOT DEFINED CPACK_DEBIAN_PACKAGE_MAINTAINER)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvan <support@quorvan.example>")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary above becomes the first line of the package's description.
set(CPACK_PACKAGE_DESCRIPTION
    "Settings shows a photograph of the Quorvan KX-2040 board with circles over the
parts that matter. A circle opens a small window that explains the part; for a
jumper it shows the jumper drawings and the options, kept in step both ways.")
# Qt and libjpeg come from the binary's own links; the fonts stand in for the ones the
# layouts were drawn with and are read at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra")
include(CPack)
