# A Debian package of the installed program: scripts/package.sh, or `cpack -G DEB` in the build
# directory.
set(CPACK_PACKAGE_NAME "tarvolin2000")
set(CPACK_PACKAGE_VERSION "${TARVOLIN_VERSION}")
set(CPACK_PACKAGE_VENDOR "Tarvolin team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose the text of a game's four-line message window")
# One paragraph per block, lines as Debian shows them (at most 80 characters).
set(CPACK_PACKAGE_DESCRIPTION [[
Tarvolin 2000 is a desktop tool with a German user interface that lays out up
to four lines of a game engine's message window, centred, right- or
left-aligned, for windows with and without a face graphic, and warns about
lines that are too long.

Menu commands add the engine's control codes for text colour, text speed,
pauses and closing the window by itself, and a symbol table shows the codes of
the special glyphs. The finished text is copied from the output box into the
game.
]])
set(CPACK_PACKAGE_CONTACT "Tarvolin team <dev@tarvolin.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The section that matches the desktop entry's category.
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries alone do not bring a platform plugin, the toolkit's German texts or the
# about box's serif font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")

# On Windows: a portable zip and a per-user installer, both of one folder with the program.
if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_PACKAGE_FILE_NAME "Tarvolin2000-${TARVOLIN_VERSION}-win64")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tarvolin 2000")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tarvolin2000")
    set(CPACK_NSIS_DISPLAY_NAME "Tarvolin 2000")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "tarvolin.exe")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/tarvolin.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/tarvolin.ico)
    # The installer script is our own: CMake's asks for an administrator.
    set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
elseif(UNIX AND NOT APPLE)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
    install(FILES packaging/copyright DESTINATION ${doc_dir})
    tarvolin_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${doc_dir})
endif()

include(CPack)
