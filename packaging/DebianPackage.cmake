# The Debian package, built by `make deb` (CPack) from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velorin <info@velorin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of coloured stones on a 9 x 9 board")
# One line each, as in a Debian control file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Beside the board a small picture shows the target pattern. Each colour"
  "fixes the direction in which its stone may swap with a neighbour. Move"
  "the stones until the board equals the target, before the points of an"
  "attempt run out. The game speaks German. Its level editor,"
  "velorin-editor, draws levels while a solver proves their par.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velorin.example/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The libraries the game is linked with (glibc 2.34 for its newest symbol
# versions, Qt 6.4 as the build requires; libqt6gui6 also brings the plugin
# that opens windows on X11; libxcb1, through which the game asks the
# window manager itself), Qt's own texts in German (context menus, standard
# buttons) and the fonts it draws its text with. The
# package test checks this list against the game's libraries and files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libgcc-s1, libstdc++6, libjpeg62-turbo, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libxcb1, qt6-translations-l10n, fonts-liberation2")

include(CPack)
