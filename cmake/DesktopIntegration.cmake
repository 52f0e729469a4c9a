# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop needs beside the program: the menu entry, the .qrn file type, the icon in every
# size the hicolor theme looks for, the AppStream description that software centres show, and
# the manual page.

install(FILES resources/quirn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/quirn-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME quirn.xml)

# The PNGs were rendered once from quirn.svg and are kept in the repository, so the build needs
# no SVG tool (rsvg-convert -w N -h N quirn.svg -o icons/NxN/quirn.png redoes one).
set(QUIRN_ICON_SIZES 16 22 24 32 48 64 128 256)
install(FILES resources/quirn.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${QUIRN_ICON_SIZES})
    install(FILES resources/icons/${size}x${size}/quirn.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The release entry and the manual page's header carry the project's version and release date.
set(QUIRN_APPSTREAM_ID io.github.quirn.Quirn)
configure_file(resources/${QUIRN_APPSTREAM_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${QUIRN_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUIRN_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian installs manual pages gzipped; -n leaves out the name and time, so the same page gives
# the same bytes.
configure_file(resources/quirn.1.in ${CMAKE_BINARY_DIR}/man/quirn.1 @ONLY)
find_program(QUIRN_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/quirn.1.gz
                   COMMAND ${QUIRN_GZIP} -9nkf quirn.1
                   # gzip gives the .gz the page's time; the build wants it newer.
                   COMMAND ${CMAKE_COMMAND} -E touch quirn.1.gz
                   WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/man
                   DEPENDS ${CMAKE_BINARY_DIR}/man/quirn.1 VERBATIM)
add_custom_target(quirn_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/man/quirn.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/man/quirn.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
