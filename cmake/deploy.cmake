# Windows and macOS have no system Qt: installing puts Qt's libraries, the plugins the program
# loads and Qt's German catalogue beside the program. On Linux the package's dependencies bring
# them.
if(APPLE)
    qt_generate_deploy_app_script(TARGET tarvolin FILENAME_VARIABLE deploy_script)
    install(SCRIPT ${deploy_script})
    # The program loads Qt's catalogue "qtbase" from the translations folder Qt reports, relative
    # to the deployed prefix; macdeployqt installs none.
    install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_de.qm
            DESTINATION tarvolin.app/Contents/translations)
elseif(WIN32)
    # Qt 6.4's windeployqt does not run in a cross build, so the DLLs are named here: Qt's, the
    # plugins it loads (one folder each, as Qt looks for them beside the program) and the
    # compiler's runtime. scripts/windows-check.sh proves the list complete and lean under Wine.
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
    if(MINGW)
        foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
            install(PROGRAMS ${path} DESTINATION .)
        endforeach()
        # The DLLs carry symbol tables, and Debian's MinGW runtime its debugging symbols too: the
        # runtime is a tenth of its size without, Qt two thirds.
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
                foreach(dll IN LISTS dlls)
                    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dll}
                                    COMMAND_ERROR_IS_FATAL ANY)
                endforeach()
            endif()")
    endif()

    # Qt's German catalogue where Qt looks for it in a deployed program, and the licences of what
    # is shipped with the program: Qt (LGPL 3 and the libraries it bundles) and the MinGW-w64
    # runtime, whose copyright files Debian keeps.
    install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_de.qm
            DESTINATION translations)
    install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/qt)
    if(MINGW)
        install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses
                RENAME mingw-w64-runtime.txt OPTIONAL)
        install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses
                RENAME gcc-runtime.txt OPTIONAL)
    endif()
endif()
