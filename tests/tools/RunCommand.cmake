# run(COMMAND...): runs a command, keeps its stdout in `output`, and stops the
# script with the command's stderr when it does not exit with 0.
macro(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} exited with ${status}: ${errors}")
    endif()
endmacro()
