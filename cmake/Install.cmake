# cmake --install and the Debian package. The program looks for its libraries
# and data beside itself first, then in lib/ambermox and share/ambermox next
# to its bin folder, so one layout serves the build tree and the installed one.

# ambermox starts ambermox-gui from its own folder.
install(TARGETS ambermox ambermox-gui RUNTIME DESTINATION bin)
install(TARGETS amxzip amxunz amxarc LIBRARY DESTINATION lib/ambermox NAMELINK_SKIP)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/help DESTINATION share/ambermox)
install(FILES "${CMAKE_SOURCE_DIR}/data/Visit Ambermox's Home Page.url" DESTINATION share/ambermox)
install(FILES ${CMAKE_SOURCE_DIR}/data/ambermox.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/org.example.ambermox.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ambermox.svg
    DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ambermox-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ambermox.png)
endforeach()
install(FILES ${AMX_MAN_PAGES} DESTINATION share/man/man1)
# A native package: its changelog is changelog.gz, not changelog.Debian.gz.
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${AMX_DEB_DIR}/changelog.gz
    DESTINATION share/doc/ambermox)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/ambermox.lintian-overrides
    DESTINATION share/lintian/overrides RENAME ambermox)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ambermox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ambermox developers <ambermox@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop ZIP archive manager")
# No double quotes: CPack writes the text into CPackConfig.cmake unescaped.
set(CPACK_PACKAGE_DESCRIPTION [=[
Ambermox opens a ZIP archive in a window and shows its members in a
sortable list, where they are added, extracted, deleted and viewed. It
adds Extract Here, Extract to subfolder and Save to ZIP to the file
manager's menus, and builds self-extracting archives for Linux.

The ambermox command lists, tests, extracts, adds and deletes members
from scripts, without a window or a display.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ambermox.example.org/)
# The Qt, libdeflate, zlib, libcrypto and uchardet packages the program and its two libraries
# link, as dpkg-shlibdeps finds them; the platform and SVG plug-ins are
# loaded by Qt at run time, so no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's Wayland plug-in runs the windows natively on a Wayland desktop;
# without it Qt falls back to X11 through XWayland. The program's own
# translations are built into it; Qt's package translates its standard
# buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, desktop-file-utils, qt6-translations-l10n")
# No ldconfig in the maintainer scripts: the libraries are private.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebNoLdconfig.cmake)
include(CPack)
