# The Debian package, built by CPack from the install rules: `cpack -G DEB` in a build folder
# (scripts/package-debian.sh does it in Release) gives fleetwick_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fleetwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Fleetwick authors")
set(CPACK_PACKAGE_CONTACT "The Fleetwick authors <fw@fw.test>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puts new vehicle models in place of Velmora's stock vehicles")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Fleetwick puts a new vehicle model in place of one of the game Velmora's
stock vehicles: it finds the vehicle's lines in the game's handling.dat,
vehicles.ide and carcols.dat, saves each old line as a numbered backup and
writes the new line in its place. Any backup can be put back later.

The package holds the window, fleetwick, with its menu entry, and the
command line for mods' install scripts, fleetwick-cli.]])
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies as the binaries need them (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
# What Debian's policy asks beyond the install rules: the programs in /usr/games and stripped,
# compressed manual pages and a changelog.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianFinish.cmake)
set(CPACK_FLEETWICK_STRIP ${CMAKE_STRIP})
set(CPACK_FLEETWICK_RELEASE_DATE ${FLEETWICK_RELEASE_DATE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
include(CPack)
