# Desktop integration on Linux and other freedesktop systems: the menu entry, the icon theme
# files and the software centre's description, all named by the application's id, and the manual
# page.
set(TARVOLIN_DESKTOP_FILE ${PROJECT_BINARY_DIR}/${TARVOLIN_APP_ID}.desktop)
set(TARVOLIN_METAINFO_FILE ${PROJECT_BINARY_DIR}/${TARVOLIN_APP_ID}.metainfo.xml)
configure_file(resources/tarvolin.desktop.in ${TARVOLIN_DESKTOP_FILE} @ONLY)
configure_file(resources/tarvolin.metainfo.xml.in ${TARVOLIN_METAINFO_FILE} @ONLY)

# Installs a file compressed as Debian wants it: at the highest level, without name or time stamp,
# so that every build of the same text gives the same bytes.
function(tarvolin_install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${PROJECT_BINARY_DIR}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    install(FILES ${PROJECT_BINARY_DIR}/${name}.gz DESTINATION ${destination})
endfunction()

if(UNIX AND NOT APPLE)
    install(FILES ${TARVOLIN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TARVOLIN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN ITEMS 16 32 48 64 128 256)
        install(FILES resources/icons/${size}x${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TARVOLIN_APP_ID}.png)
    endforeach()
    configure_file(resources/tarvolin.1.in ${PROJECT_BINARY_DIR}/tarvolin.1 @ONLY)
    tarvolin_install_gzipped(${PROJECT_BINARY_DIR}/tarvolin.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
