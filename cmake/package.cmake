# The Debian package, made by CPack from the install rules (`make package`):
# build/kelvane_<version>_<arch>.deb. The changelog and copyright it needs
# as a native package come from packaging/.
#
# lintian (2.116) on the package reports no errors and no warnings; what it
# still notes, at the "info" level, and why it stays:
#  - hardening-no-bindnow, hardening-no-fortify-functions: the programs are
#    built with the project's own flags, the ones the tests ran with, not
#    dpkg-buildflags': the package holds the tested build.
#  - binary-has-unneeded-section .comment: CPack strips the debugging
#    symbols only.
#  - package-contains-documentation-outside-usr-share-doc: the help page
#    lives in the Doc folder beside the program, where "HTML help" finds it.
#  - spelling-error-in-binary "mor": a byte sequence in the compiled code,
#    not a word the programs print.
# tests/package/install_test.sh runs lintian and fails on any error.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvane developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# DEB-DEFAULT: kelvane_<version>_<arch>.deb, the architecture dpkg's own.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(KELVANE_MAINTAINER "Kelvane maintainers <maintainers@kelvane.example>"
    CACHE STRING "The Debian package's maintainer, \"Name <address>\"")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KELVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive optics demonstrator: one lens, its beams, its focus")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane shapes one lens - two elliptical faces, each convex or concave, a
centre depth and a refractive index - and shows parallel beams refracting
through it: where they cross the axis (the focus), how wide the beam set is
and how far the crossings spread.
.
Around that core stand a small script language that animates lenses,
background sweeps that hunt for sharply focusing lenses, a lens designer,
refraction tables and pictures for slides at true scale. kelvane-cli runs
the same calculations from a terminal.")

include(CPack)
