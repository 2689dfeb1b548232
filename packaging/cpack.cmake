# `make package` (or `cmake --build build --target package`) builds a Debian package of the
# installation: the programs stripped, their library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KORA")
set(CPACK_PACKAGE_CONTACT "KORA maintainers <kora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gate-entry pillar design for longwall coal mines")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "KORA computes the load bearing capacity and the stability factors of a gate-entry pillar\n"
    "system for development, headgate, bleeder, tailgate and isolated loading, sizes the\n"
    "abutment pillar, charts the stability factors and draws the pillar layout. The package\n"
    "holds the desktop program kora and the command-line program kora-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by dpkg-shlibdeps: the report fonts the screen and printer columns rely on, and the
# opener of the PDF manual and documents.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
