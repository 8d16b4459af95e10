# The Debian package, made by CPack's DEB generator from the install rules
# (resources/CMakeLists.txt): scripts/package.sh runs it. CPack rather than a
# hand-written control file: it takes the files from the same install rules
# as `cmake --install`, strips the program, and asks dpkg-shlibdeps for the
# libraries the program links, so the Depends line follows the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvanel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Korvanel's authors")
set(CPACK_PACKAGE_CONTACT "Korvanel's authors <korvanel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fret position calculator for guitar makers")
set(CPACK_PACKAGE_DESCRIPTION
  "Korvanel computes where the 24 frets of an equal-tempered guitar fingerboard
lie for a given scale length in millimetres: for each fret the distance from
the previous fret and from the nut, and the distance from the last fret to
the bridge. It lists the table in its window and prints it, and explains how
a string's frequency follows from its length, tension and linear mass.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The list and the printout are laid out in Liberation fonts, which the
# program looks up by name: no library dependency shows that.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

include(CPack)
