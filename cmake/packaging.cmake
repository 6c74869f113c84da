# A Debian package of the installed program: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME "tarvolin2000")
set(CPACK_PACKAGE_VERSION "${TARVOLIN_VERSION}")
set(CPACK_PACKAGE_VENDOR "Tarvolin team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Composes the text of a game engine's four-line message window")
set(CPACK_PACKAGE_CONTACT "Tarvolin team <dev@tarvolin.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries alone do not bring a platform plugin, the toolkit's German texts or the
# about box's serif font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")

include(CPack)
