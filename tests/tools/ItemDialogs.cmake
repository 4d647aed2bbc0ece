# Draws every item editor on the demo's pages; each picture must be written.
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)
file(MAKE_DIRECTORY "${OUT}")
foreach(entry "menu|Main Page" "tool-buttons|Main Page" "panels|Main Page" "list-items|Lists"
              "view-items|Lists" "columns|Lists" "groups|Main Page")
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 page)
    run(${TOOL} dialog ${name} ${BASE} ${page} "${OUT}/${name}.png")
    file(SIZE "${OUT}/${name}.png" size)
    if(size LESS 1000)
        message(FATAL_ERROR "${name}: the picture holds only ${size} bytes")
    endif()
endforeach()
execute_process(COMMAND ${TOOL} dialog no-such-editor ${BASE} "${OUT}/x.png"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 2 OR NOT errors MATCHES "tool-buttons, groups")
    message(FATAL_ERROR "an unknown editor gave ${status}: ${errors}")
endif()
