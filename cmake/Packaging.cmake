# What `cmake --install` puts where, and the .deb that CPack makes of it.

quadrivello_install_program(quadrivello)
quadrivello_install_data(${QUADRIVELLO_GRID_PICTURES} ${QUADRIVELLO_MANUAL})
install(FILES LICENSE README.md DESTINATION share/doc/quadrivello)

if(UNIX AND NOT APPLE)
    # The desktop's menu entries (the game, and the window for printable sheets), the icon in every
    # size of the theme, and the software centre's text.
    install(FILES packaging/quadrivello.desktop packaging/quadrivello-stampa.desktop DESTINATION share/applications)
    install(FILES packaging/quadrivello.metainfo.xml DESTINATION share/metainfo)
    foreach(size IN LISTS QUADRIVELLO_ICON_SIZES)
        install(FILES ${QUADRIVELLO_ICON_DIR}/hicolor/${size}x${size}/apps/quadrivello.png
                DESTINATION share/icons/hicolor/${size}x${size}/apps)
    endforeach()
    # A Debian package names its licence file "copyright".
    install(FILES LICENSE DESTINATION share/doc/quadrivello RENAME copyright)
endif()

set(CPACK_PACKAGE_NAME quadrivello)
set(CPACK_PACKAGE_VENDOR "The Quadrivello developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number crossword with arithmetic clues, in Italian")
# Lines as a package manager shows them (short, one per line).
set(CPACK_PACKAGE_DESCRIPTION "Quadrivello is a cross-number puzzle for children learning arithmetic.
Instead of the numbers of the grid the player sees clues such as 21 + 37
or 100 / 2, works out each result and writes it into the grid, where the
across and down numbers share their digits. Three levels, numbers of two
to four digits, and a manual in Italian. The companion quadrivello-stampa
prints puzzle sheets for the classroom, from its own menu entry.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quadrivello)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quadrivello developers")
    # The libraries come from the program itself (dpkg-shlibdeps); Qt's platform plugins do not
    # show there, but without them the window cannot open.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # The window's fonts as Debian has them (Liberation Sans for Arial, DejaVu Sans for Verdana),
    # the desktop's opener of the manual, and Qt's Italian for the print and file dialogs of the
    # sheets window.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2, xdg-utils, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
