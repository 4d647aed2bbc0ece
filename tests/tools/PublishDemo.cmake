# The demo project published by the tool to a folder and to a disc image:
# the target file is written first, the project source stays behind, and
# the image is read back by isoinfo (not by the program that wrote it).
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)

file(REMOVE_RECURSE "${OUT}")
set(base "${OUT}/base")
run(${TOOL} make-demo "${base}")
file(WRITE "${base}/autorun.inf" "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n")

run(${TOOL} publish "${base}" --folder "${OUT}/folder")
if(NOT EXISTS "${base}/autorun.tgt" OR NOT EXISTS "${OUT}/folder/autorun.tgt"
   OR EXISTS "${OUT}/folder/AutoRunSource")
    message(FATAL_ERROR "folder publish copied the wrong entries")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${base}/autorun.tgt"
                        "${OUT}/folder/autorun.tgt" RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "the published target file differs")
endif()

run(${TOOL} publish "${base}" --iso "${OUT}/demo.iso")
execute_process(COMMAND isoinfo -d -i "${OUT}/demo.iso" OUTPUT_VARIABLE volume)
if(NOT volume MATCHES "Volume id: BRELVANE_DEMO")
    message(FATAL_ERROR "image label: ${volume}")
endif()
execute_process(COMMAND isoinfo -R -f -i "${OUT}/demo.iso" OUTPUT_VARIABLE listing)
if(listing MATCHES "AutoRunSource" OR NOT listing MATCHES "/autorun.tgt")
    message(FATAL_ERROR "image holds: ${listing}")
endif()
execute_process(COMMAND isoinfo -R -i "${OUT}/demo.iso" -x /autorun.inf OUTPUT_VARIABLE inf)
file(READ "${base}/autorun.inf" expected)
if(NOT inf STREQUAL expected)
    message(FATAL_ERROR "autorun.inf in the image: ${inf}")
endif()

# Refused: a destination inside the base folder, and a bad option.
execute_process(COMMAND ${TOOL} publish "${base}" --folder "${base}/again" RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(status EQUAL 0 OR NOT errors MATCHES "again\", .*Error Code: [0-9]+/1100" OR EXISTS "${base}/again")
    message(FATAL_ERROR "inside the base folder: exit ${status}, ${errors}")
endif()
execute_process(COMMAND ${TOOL} publish "${base}" --zip x RESULT_VARIABLE status)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "unknown option: exit ${status}")
endif()
message("published the demo to a folder and an image")
