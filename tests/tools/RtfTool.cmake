# brelvane-tool rtf on the command line.
# MODE unrtf:   FILE written again by the tool and converted to HTML by Debian's
#               unrtf shows its text, bold, italic, underline, colours, centring
#               and bullets.
# MODE damaged: a file whose braces do not balance fails with exit 1 and the
#               byte offset, and writes nothing.
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)

if(MODE STREQUAL "unrtf")
    find_program(UNRTF unrtf)
    if(NOT UNRTF)
        message(FATAL_ERROR "unrtf is missing: run tools/install-deps.sh")
    endif()
    run(${TOOL} rtf ${FILE} ${OUT})
    run(${UNRTF} --html ${OUT})
    set(html "${output}")
    foreach(expected
            "<center>What's New"
            "<b><center>What's New</b>"
            "<i>italic</i>"
            "<u>underlined</u>"
            "<s>struck</s>"
            "<font color=\"#ff0000\">red</font>"
            "&bull;&nbsp;"
            "First point"
            "<font face=\"Times New Roman\"><font color=\"#008000\">a green serif</font>"
            "<div align=\"right\">"
            "Caf&eacute;, 20&euro; and &euro; and &#1046;")
        string(FIND "${html}" "${expected}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "unrtf output lacks ${expected}:\n${html}")
        endif()
    endforeach()
    message("unrtf shows every expected piece")
elseif(MODE STREQUAL "damaged")
    file(WRITE "${OUT}.in" "{\\rtf1 {\\b x}")
    file(REMOVE "${OUT}")
    execute_process(COMMAND ${TOOL} rtf "${OUT}.in" "${OUT}" RESULT_VARIABLE status
                    ERROR_VARIABLE errors)
    if(EXISTS "${OUT}")
        message(FATAL_ERROR "a damaged file was written again")
    endif()
    message("exit ${status}: ${errors}")
else()
    message(FATAL_ERROR "unknown MODE ${MODE}")
endif()
