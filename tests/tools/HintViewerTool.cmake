# brelvane-tool hint and viewer-picture: balloon placement printed as JSON,
# the viewer's fit rule on a demo slide, and bad options refused.
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
# "UpRight" at the right edge opens to the left.
run(${TOOL} hint "${OUT}/hint.png" --text "Open the folder" --mouse 1000,400 --screen 1024x768
    --backstyle 4)
if(NOT output MATCHES "\"Direction\": 1,[ \n]*\"Left\": [0-9]+,[ \n]*\"Top\": [0-9]+,[ \n]*\"Width\": [0-9]+,[ \n]*\"Height\": [0-9]+")
    message(FATAL_ERROR "unexpected placement: ${output}")
endif()
if(NOT EXISTS "${OUT}/hint.png")
    message(FATAL_ERROR "no picture written")
endif()
execute_process(COMMAND ${TOOL} hint "${OUT}/x.png" --text T --mouse 1,1 --screen 100x100
                        --direction 4
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 2 OR NOT errors MATCHES "--direction wants a number from 0 to 3")
    message(FATAL_ERROR "bad direction: exit ${status}: ${errors}")
endif()
# A 480 x 360 slide on a 240 x 240 screen: 240 x 180, centred.
run(${TOOL} viewer-picture "${SLIDES}/Slide 1.png" "${OUT}/viewer.png" --screen 240x240)
if(NOT output MATCHES "\"Left\": 0, \"Top\": 30, \"Width\": 240, \"Height\": 180")
    message(FATAL_ERROR "unexpected picture place: ${output}")
endif()
execute_process(COMMAND ${TOOL} viewer-picture "${OUT}/none.png" "${OUT}/y.png" --screen 240x240
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 1 OR NOT errors MATCHES "none.png\" is missing")
    message(FATAL_ERROR "missing picture: exit ${status}: ${errors}")
endif()
