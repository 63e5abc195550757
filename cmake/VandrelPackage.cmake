# `cpack -G DEB` in a build folder makes vandrel_<version>_<arch>.deb from the
# install rules. Its dependencies are the ones dpkg-shlibdeps reads off the
# installed binaries, so they follow whatever Qt and SDL the build linked.
set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VENDOR "Korvanth")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Real-time sine-wave distortion of 8-bit bitmaps")
set(CPACK_PACKAGE_DESCRIPTION
    "Vandrel 95 animates 256 x 256, 8-bit pictures with a separable sine-wave \
distortion, as fast as the machine allows, in a window with a menu bar, a \
toolbar, a frame-rate status bar and looping background tunes.")
set(CPACK_PACKAGE_CONTACT "Vandrel 95 developers <vandrel@korvanth.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME vandrel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
