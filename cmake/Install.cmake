# cmake --install and the Debian package. The program looks for its libraries
# and data beside itself first, then in lib/ambermox and share/ambermox next
# to its bin folder, so one layout serves the build tree and the installed one.

# ambermox starts ambermox-gui from its own folder.
install(TARGETS ambermox ambermox-gui RUNTIME DESTINATION bin)
install(TARGETS amxzip amxunz LIBRARY DESTINATION lib/ambermox NAMELINK_SKIP)
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ambermox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ambermox developers <ambermox@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop ZIP archive manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Open, create and extract ZIP archives; Extract Here, Extract to subfolder\nand Save to ZIP from the file manager.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ambermox.example.org/)
# The Qt, libdeflate and zlib packages the program and its two libraries
# link, as dpkg-shlibdeps finds them; the platform and SVG plug-ins are
# loaded by Qt at run time, so no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils")
include(CPack)
