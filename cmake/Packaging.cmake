# What `cmake --install` puts where, and the .deb that CPack makes of it.

# The .deb's maintainer, "Name <address>", given by whoever builds and hands out the package. No
# address is made up without it: the package then names the developers, and lintian says that the
# maintainer field and the changelog have no address.
set(QUADRIVELLO_MAINTAINER "" CACHE STRING "Maintainer of the .deb, as \"Name <address>\"")
if(QUADRIVELLO_MAINTAINER)
    if(NOT QUADRIVELLO_MAINTAINER MATCHES "^[^<>]*[^<> ] <[^<>@ ]+@[^<>@ ]+>$")
        message(FATAL_ERROR "QUADRIVELLO_MAINTAINER must read \"Name <address>\", not \"${QUADRIVELLO_MAINTAINER}\"")
    endif()
    set(QUADRIVELLO_PACKAGE_MAINTAINER "${QUADRIVELLO_MAINTAINER}")
    set(QUADRIVELLO_CHANGELOG_MAINTAINER "${QUADRIVELLO_MAINTAINER}")
else()
    set(QUADRIVELLO_PACKAGE_MAINTAINER "The Quadrivello developers")
    set(QUADRIVELLO_CHANGELOG_MAINTAINER "The Quadrivello developers <>")
endif()

if(UNIX AND NOT APPLE)
    # Debian keeps games in games/ (/usr/games), which is on every player's PATH.
    quadrivello_install_program(quadrivello games)
else()
    quadrivello_install_program(quadrivello)
endif()
quadrivello_install_data(${QUADRIVELLO_GRID_PICTURES} ${QUADRIVELLO_MANUAL})
install(FILES LICENSE README.md DESTINATION share/doc/quadrivello)

if(UNIX AND NOT APPLE)
    # The changelog and the manual pages, compressed as Debian ships them: gzip at its strongest,
    # without name or time, so the same text always gives the same bytes.
    find_program(QUADRIVELLO_GZIP gzip REQUIRED)
    # The changelog, without its first line (a note for us), and the software centre's list of
    # releases both begin with this version.
    file(READ packaging/changelog.in changelog)
    string(FIND "${changelog}" "\n" first_line_end)
    math(EXPR first_line_end "${first_line_end} + 1")
    string(SUBSTRING "${changelog}" ${first_line_end} -1 changelog)
    file(READ packaging/quadrivello.metainfo.xml metainfo)
    if(NOT changelog MATCHES "^quadrivello \\(${PROJECT_VERSION}\\) " OR
       NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${PROJECT_VERSION}\"")
        message(FATAL_ERROR "packaging/changelog.in and packaging/quadrivello.metainfo.xml must both start their "
                            "lists of releases with version ${PROJECT_VERSION}")
    endif()
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog CONTENT "${changelog}" @ONLY)
    set(compressed)
    foreach(file changelog man/quadrivello.6 man/quadrivello-stampa.6 man/it/quadrivello.6 man/it/quadrivello-stampa.6)
        set(plain ${CMAKE_BINARY_DIR}/packaging/${file})
        if(file MATCHES "^man/")
            configure_file(packaging/${file} ${plain} COPYONLY)
        endif()
        add_custom_command(OUTPUT ${plain}.gz COMMAND ${QUADRIVELLO_GZIP} -9nkf ${plain} DEPENDS ${plain} VERBATIM)
        list(APPEND compressed ${plain}.gz)
    endforeach()
    add_custom_target(quadrivello_package_files ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/quadrivello)
    install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME quadrivello)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/man/quadrivello.6.gz
                  ${CMAKE_BINARY_DIR}/packaging/man/quadrivello-stampa.6.gz DESTINATION share/man/man6)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/man/it/quadrivello.6.gz
                  ${CMAKE_BINARY_DIR}/packaging/man/it/quadrivello-stampa.6.gz DESTINATION share/man/it/man6)

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
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUADRIVELLO_PACKAGE_MAINTAINER}")
    # The libraries come from the program itself (dpkg-shlibdeps); Qt's platform plugins do not
    # show there, but without them the window cannot open.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # The window's fonts as Debian has them (Liberation Sans for Arial, DejaVu Sans for Verdana),
    # the desktop's opener of the manual and a viewer to show it in, Qt's Italian for the print and
    # file dialogs of the sheets window, and Qt's Wayland platform for a Wayland desktop.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "fonts-dejavu-core, fonts-liberation2, xdg-utils, evince | pdf-viewer, qt6-translations-l10n, qt6-wayland")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
