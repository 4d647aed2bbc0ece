# The demo published to a folder with the build's runtime folder, played in a
# sandbox that hides the host's Qt, ICU and GStreamer; the screenshot stays
# in OUT/shot.png.
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)

file(REMOVE_RECURSE "${OUT}")
set(base "${OUT}/base")
run(${TOOL} make-demo "${base}")
file(COPY_FILE "${PROGRAM}" "${base}/autorun.exe")
run(${TOOL} publish "${base}" --folder "${OUT}/folder" --runtime "${RUNTIME}")
execute_process(COMMAND "${SCRIPT}" "${OUT}/folder" "${OUT}/shot.png" 8
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the published player did not play in the sandbox (${status}):\n"
                        "${output}\n${errors}")
endif()
message("${output}")
