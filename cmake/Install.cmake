# What `cmake --install` puts under the prefix, and the Debian package CPack makes of it.
# The program recognizes an installed copy by PREFIX/bin/<program> beside PREFIX/share/<program>/,
# so these two folder names are fixed here rather than taken from GNUInstallDirs.
set(QUILL_SHARED_DIR share/${QUILL_PROGRAM_NAME})

install(TARGETS ${QUILL_PROGRAM_NAME} RUNTIME DESTINATION bin)

# The empty database seeds each user's data directory, where the copy becomes owner-only (it will hold the
# user's site passwords). This one holds nothing but the empty tables and must stay readable by every user.
install(FILES ${QUILL_EMPTY_DB} ${CMAKE_SOURCE_DIR}/resources/install/kwz.ini
        DESTINATION ${QUILL_SHARED_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${CMAKE_SOURCE_DIR}/resources/help/QuillomarPadSubmitter.html DESTINATION ${QUILL_SHARED_DIR}/help)

# Desktop entry and AppStream metadata, named after the application id as AppStream expects.
configure_file(${CMAKE_SOURCE_DIR}/resources/install/app.desktop.in
               ${CMAKE_BINARY_DIR}/install/${QUILL_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/install/app.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/install/${QUILL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/${QUILL_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/install/${QUILL_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The icon: the SVG itself, and PNG sizes rendered from it at build time.
set(QUILL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(QUILL_ICON_DIR ${CMAKE_BINARY_DIR}/install/icons)
set(QUILL_ICON_PNGS)
foreach(size ${QUILL_ICON_SIZES})
    list(APPEND QUILL_ICON_PNGS ${QUILL_ICON_DIR}/${size}x${size}/apps/${QUILL_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${QUILL_ICON_PNGS}
    COMMAND quill-render-icon ${CMAKE_SOURCE_DIR}/resources/icons/quillomar.svg ${QUILL_ICON_DIR} ${QUILL_APP_ID}
            ${QUILL_ICON_SIZES}
    DEPENDS quill-render-icon ${CMAKE_SOURCE_DIR}/resources/icons/quillomar.svg
    COMMENT "Rendering the program icon as PNG")
add_custom_target(program_icons ALL DEPENDS ${QUILL_ICON_PNGS})
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/quillomar.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${QUILL_APP_ID}.svg)
install(DIRECTORY ${QUILL_ICON_DIR}/ DESTINATION share/icons/hicolor)

# `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME ${QUILL_PROGRAM_NAME})
set(CPACK_PACKAGE_VENDOR "Quillomar")
set(CPACK_PACKAGE_CONTACT "Quillomar <info@quillomar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "submit PAD descriptions of your programs to download sites")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillomar PAD Submitter keeps your products and PAD submission sites in a local database, opens a "
    "site's submit page in a built-in browser, fills its form and tracks the submission status.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quillomar.example/padsubmitter/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these as plugins, which dpkg-shlibdeps cannot see: the SQLite driver, and the SVG readers for the
# program's icons and pictures.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
# The program's own translations are built in; Qt's, for the standard dialogs' buttons, come from this package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
