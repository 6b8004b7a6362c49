# The Debian package: the program, its desktop entry and icon, and what it needs at run time.
if(NOT WITH_QT)
  return()
endif()

set(CPACK_PACKAGE_NAME "superelevation")
set(CPACK_PACKAGE_VENDOR "superelevation")
set(CPACK_PACKAGE_CONTACT "superelevation maintainers <superelevation@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cross slopes of a superelevation transition (超高渐变段横坡计算)")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
# Qt's xcb platform plugin ships in libqt6gui6 and its SVG support (the icon, the diagram as SVG)
# in libqt6svg6; printing goes through libcups2. The captions need the Song face with a real
# bold, the report its half-em Song face, the fields the narrow sans face, and the dialog
# buttons Qt's Chinese translation.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libcups2, libxcb1, fonts-noto-cjk, fonts-arphic-uming, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
