# How Quadrivello's commands are installed. A program reads its data from the folder Dati/ beside
# its own file, so each program goes to lib/quadrivello/ next to lib/quadrivello/Dati/, and bin/
# (or games/, where Debian keeps games) holds a relative symbolic link to it: started from the
# PATH, the program still finds its data, because the folder of the real file is the one it looks in.
#
#   quadrivello_install_program(<target> [<folder>])  the program and its link in bin/ or <folder>
#   quadrivello_install_data(<file>...)                files for lib/quadrivello/Dati/
#
# On Windows there are no links: programs and Dati/ go together into bin/.
if(WIN32)
    set(QUADRIVELLO_INSTALL_DIR bin)
else()
    set(QUADRIVELLO_INSTALL_DIR lib/quadrivello)
endif()
set(QUADRIVELLO_INSTALL_DATA_DIR ${QUADRIVELLO_INSTALL_DIR}/Dati)

function(quadrivello_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${QUADRIVELLO_INSTALL_DIR})
    if(WIN32)
        return()
    endif()
    set(link_dir bin)
    if(ARGC GREATER 1)
        set(link_dir ${ARGV1})
    endif()
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    # The link is made in the build tree once and installed as it is: a link is copied as a link.
    set(link ${CMAKE_BINARY_DIR}/install-links/${name})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
    file(CREATE_LINK ../${QUADRIVELLO_INSTALL_DIR}/${name} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${link_dir})
endfunction()

function(quadrivello_install_data)
    install(FILES ${ARGN} DESTINATION ${QUADRIVELLO_INSTALL_DATA_DIR})
endfunction()
