# Install layout and the Debian package. Every installed file is named by the application id.
include(GNUInstallDirs)

set(APP_ID ${QUORVANE_APP_ID})
set(QUORVANE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorvane)
# Debian wants 0755 directories whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

configure_file(packaging/${APP_ID}.desktop.in ${APP_ID}.desktop @ONLY)
configure_file(packaging/${APP_ID}.metainfo.xml.in ${APP_ID}.metainfo.xml @ONLY)

# Debian keeps manuals and changelogs compressed; -n leaves the timestamp out for reproducibility.
set(QUORVANE_GZIPPED)
foreach(doc quorvane.1 changelog)
    add_custom_command(OUTPUT ${doc}.gz
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${doc} > ${doc}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc} VERBATIM)
    list(APPEND QUORVANE_GZIPPED ${PROJECT_BINARY_DIR}/${doc}.gz)
endforeach()
add_custom_target(quorvane_docs ALL DEPENDS ${QUORVANE_GZIPPED})

# Full RELRO, as Debian's hardening flags would give.
target_link_options(quorvane PRIVATE LINKER:-z,relro,-z,now)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/${APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
# The setup file type; shared-mime-info's trigger rebuilds the database when it is installed.
install(FILES packaging/${APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME ${APP_ID}.xml)
install(FILES resources/icons/app/${APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES resources/icons/app/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${APP_ID}.png)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/quorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${QUORVANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvane developers")
set(CPACK_PACKAGE_CONTACT "Quorvane developers <dev@quorvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "invention prompts composed from word columns")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolbar icons are SVG drawn in the palette's colours: Qt's SVG image plugin, which the
# library scan cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Chinese glyphs, Chinese texts in Qt's own dialogs, and a Chinese input method that reaches Qt 6.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n, fcitx5-frontend-qt6 | ibus")
include(CPack)
