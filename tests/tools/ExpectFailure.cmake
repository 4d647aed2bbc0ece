# Runs one tool command (index unless COMMAND says otherwise) on FILE and
# prints its exit status with its stderr.
if(NOT DEFINED COMMAND)
    set(COMMAND index)
endif()
execute_process(COMMAND ${TOOL} ${COMMAND} ${FILE} RESULT_VARIABLE status ERROR_VARIABLE errors
                OUTPUT_QUIET)
message("exit ${status}: ${errors}")
