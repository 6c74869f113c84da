# Desktop integration on Linux and other freedesktop systems: the menu entry, the icon theme
# files and the software centre's description, all named by the application's id.
set(TARVOLIN_DESKTOP_FILE ${PROJECT_BINARY_DIR}/${TARVOLIN_APP_ID}.desktop)
set(TARVOLIN_METAINFO_FILE ${PROJECT_BINARY_DIR}/${TARVOLIN_APP_ID}.metainfo.xml)
configure_file(resources/tarvolin.desktop.in ${TARVOLIN_DESKTOP_FILE} @ONLY)
configure_file(resources/tarvolin.metainfo.xml.in ${TARVOLIN_METAINFO_FILE} @ONLY)

if(UNIX AND NOT APPLE)
    install(FILES ${TARVOLIN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TARVOLIN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN ITEMS 16 32 48 64 128 256)
        install(FILES resources/icons/${size}x${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TARVOLIN_APP_ID}.png)
    endforeach()
endif()
