# The Debian package: `cpack -G DEB` in a build tree (scripts/package does it all).

set(CPACK_PACKAGE_NAME sentari)
set(CPACK_PACKAGE_VENDOR "The Sentari developers")
set(CPACK_PACKAGE_CONTACT "${SENTARI_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quote companion for the notification area and e-mail signatures")
set(CPACK_PACKAGE_DESCRIPTION
    "Sentari keeps one plain-text file of quotes, one quote per line, and
brings its sayings to you. It lives in the notification area: rest the
mouse on its icon to see the current quote, click for a new one. Every new
quote is written into your e-mail signature files (plain text, HTML or
rich text). It adds the clipboard's text as a new quote, deletes quotes,
and prints a random quote for mail programs and shell prompts, as fortune
does.
.
The package also holds sentarisaver, a screen saver (for xscreensaver too)
that shows random quotes line by line with eight animated effects.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}_${PROJECT_VERSION})
# Installs with DESTDIR and the real prefix, so files that name installed paths (the D-Bus
# activation file) name /usr, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SENTARI_MAINTAINER}")
# Depends comes from the libraries the programs really load.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Help pages open in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
configure_file(${PROJECT_SOURCE_DIR}/packaging/conffiles.in conffiles @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_BINARY_DIR}/conffiles ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/drop-ldconfig-scripts.cmake)

include(CPack)
