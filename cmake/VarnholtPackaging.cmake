# Installation layout for Linux desktops and the Debian package.
include(GNUInstallDirs)

set(VARNHOLT_APP_ID app.varnholt.Varnholt)

install(TARGETS varnholt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET varnholt-cli)
    install(TARGETS varnholt-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
    install(FILES packaging/${VARNHOLT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${VARNHOLT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY packaging/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VENDOR "Varnholt")
set(CPACK_PACKAGE_CONTACT "Varnholt <support@varnholt.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find and safely remove reclaimable disk space")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debug information stays in the build tree; the package ships stripped binaries.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varnholt.app/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Disk cleanup utility\n Varnholt finds temporary files, caches, logs, thumbnails, package leftovers,\n developer caches and the trash, and removes only what you select.")
# The Debian Qt packages, plus what the program starts or draws with at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6dbus6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, libssl3, libc6, libstdc++6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-inter, fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pkexec")
include(CPack)
