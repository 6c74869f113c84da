# Windows and macOS have no system Qt: installing copies Qt's libraries and plugins beside the
# program with Qt's own tools (windeployqt, macdeployqt). On Linux the package's dependencies
# bring them.
if(WIN32 OR APPLE)
    qt_generate_deploy_app_script(TARGET tarvolin FILENAME_VARIABLE deploy_script)
    install(SCRIPT ${deploy_script})
    # The program loads Qt's German catalogue "qtbase" from the translations folder Qt reports,
    # relative to the deployed prefix; windeployqt writes merged qt_*.qm files instead and
    # macdeployqt none.
    if(APPLE)
        set(translations_dir tarvolin.app/Contents/translations)
    else()
        set(translations_dir translations)
    endif()
    install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_de.qm
            DESTINATION ${translations_dir})
endif()
