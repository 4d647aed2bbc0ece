# Runs the tool's index command and prints its exit status with its stderr.
execute_process(COMMAND ${TOOL} index ${FILE} RESULT_VARIABLE status ERROR_VARIABLE errors
                OUTPUT_QUIET)
message("exit ${status}: ${errors}")
