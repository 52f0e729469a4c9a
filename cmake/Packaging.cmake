# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from what "cmake --install" puts in place
# (scripts/package.sh; tests/package checks the result).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quirn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quirn developers")
set(CPACK_PACKAGE_CONTACT "Quirn developers <quirn@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/quirn/quirn)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dial scales of analog measuring instruments at true size")
set(CPACK_PACKAGE_DESCRIPTION
    "Quirn draws the dial scales (graduated scale plates) of analog measuring
instruments at true size: plate outline, ticks, numerals, labels and
symbols. Linear, square-law, decibel, ohmmeter and tabulated scales, up to
four on one axis, with coloured zones. A scale prints at 1:1 or is exported
to BMP, PNG, SVG or PDF, also from the command line. Scales are kept in
small .qrn text files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A shipped program carries no debugging symbols, whatever the build type.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads by name, which dpkg-shlibdeps cannot see: the font its texts are drawn
# in, Qt's platform plugins (the window system, and "offscreen" for exporting without one) and
# the SVG plugins. Qt's own dialogs speak Russian with its translations. OpenCV's core and image
# processing, which finding a plate on a scan needs, named here as well: dpkg-shlibdeps sees them
# only once the program links that library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, libopencv-core406, libopencv-imgproc406")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Folders the package creates are 0755 whatever the umask of the one who builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian's machine-readable copyright file, where every package keeps its licence.
install(FILES resources/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quirn)

include(CPack)
