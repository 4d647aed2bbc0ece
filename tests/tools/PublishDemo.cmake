# The demo project published by the tool to a folder and to a disc image:
# the target file is written first, the project source stays behind, and
# the image is read back by isoinfo (not by the program that wrote it).
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)

# A single executable starts with the front given in hexadecimal and ends
# with the front's length as four bytes.
function(expect_front_and_trailer file front_hex trailer_hex)
    string(LENGTH "${front_hex}" digits)
    math(EXPR bytes "${digits} / 2")
    file(READ "${file}" front LIMIT ${bytes} HEX)
    file(SIZE "${file}" size)
    math(EXPR last "${size} - 4")
    file(READ "${file}" trailer OFFSET ${last} HEX)
    if(NOT front STREQUAL front_hex OR NOT trailer STREQUAL trailer_hex)
        message(FATAL_ERROR "${file}: starts ${front}, ends ${trailer}")
    endif()
endfunction()

# Publishing the base folder with these arguments is refused with its usage.
function(expect_usage_error what)
    execute_process(COMMAND ${TOOL} publish "${base}" ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "${what}: exit ${status}")
    endif()
endfunction()

file(REMOVE_RECURSE "${OUT}")
set(base "${OUT}/base")
run(${TOOL} make-demo "${base}")
file(WRITE "${base}/autorun.inf" "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n")

# A runtime folder and a launcher of their own, small, in place of the
# build's (the launcher is a stand-in here: only its bytes are checked).
set(runtime "${OUT}/AutoRunRuntime")
file(WRITE "${runtime}/lib/libQt6Core.so.6" "library")
set(launcher "${OUT}/launcher")
file(WRITE "${launcher}" "LAUNCHER")
file(WRITE "${base}/autorun.exe" "player")

run(${TOOL} publish "${base}" --folder "${OUT}/folder" --runtime "${runtime}")
if(NOT EXISTS "${base}/autorun.tgt" OR NOT EXISTS "${OUT}/folder/autorun.tgt"
   OR EXISTS "${OUT}/folder/AutoRunSource"
   OR NOT EXISTS "${OUT}/folder/AutoRunRuntime/lib/libQt6Core.so.6")
    message(FATAL_ERROR "folder publish copied the wrong entries")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${base}/autorun.tgt"
                        "${OUT}/folder/autorun.tgt" RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "the published target file differs")
endif()

run(${TOOL} publish "${base}" --iso "${OUT}/demo.iso" --runtime "${runtime}")
execute_process(COMMAND isoinfo -d -i "${OUT}/demo.iso" OUTPUT_VARIABLE volume)
if(NOT volume MATCHES "Volume id: BRELVANE_DEMO")
    message(FATAL_ERROR "image label: ${volume}")
endif()
execute_process(COMMAND isoinfo -R -f -i "${OUT}/demo.iso" OUTPUT_VARIABLE listing)
if(listing MATCHES "AutoRunSource" OR NOT listing MATCHES "/autorun.tgt"
   OR NOT listing MATCHES "/AutoRunRuntime/lib/libQt6Core.so.6")
    message(FATAL_ERROR "image holds: ${listing}")
endif()
execute_process(COMMAND isoinfo -R -i "${OUT}/demo.iso" -x /autorun.inf OUTPUT_VARIABLE inf)
file(READ "${base}/autorun.inf" expected)
if(NOT inf STREQUAL expected)
    message(FATAL_ERROR "autorun.inf in the image: ${inf}")
endif()

# One executable: the launcher in front, its length as the last four bytes.
run(${TOOL} publish "${base}" --exe "${OUT}/demo.exe" --runtime "${runtime}" --launcher "${launcher}")
# "LAUNCHER" in hexadecimal.
expect_front_and_trailer("${OUT}/demo.exe" 4c41554e43484552 08000000)
# Without a runtime folder nothing is published.
execute_process(COMMAND ${TOOL} publish "${base}" --exe "${OUT}/none.exe" --runtime "${OUT}/none"
                        --launcher "${launcher}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(status EQUAL 0 OR NOT errors MATCHES "none\", .*Error Code: [0-9]+/1104" OR EXISTS "${OUT}/none.exe")
    message(FATAL_ERROR "missing runtime: exit ${status}, ${errors}")
endif()

# Refused: a destination inside the base folder, and a bad option.
execute_process(COMMAND ${TOOL} publish "${base}" --folder "${base}/again" --runtime "${runtime}"
                RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(status EQUAL 0 OR NOT errors MATCHES "again\", .*Error Code: [0-9]+/1100" OR EXISTS "${base}/again")
    message(FATAL_ERROR "inside the base folder: exit ${status}, ${errors}")
endif()
expect_usage_error("unknown option" --zip x)
expect_usage_error("two targets" --folder a --iso b)

# The Windows player, chosen alone or beside the Linux one.
set(windows "${OUT}/Brelvane.exe")
file(WRITE "${windows}" "MZwindows")
run(${TOOL} publish "${base}" --folder "${OUT}/both" --runtime "${runtime}" --player both
    --windows-player "${windows}")
file(READ "${OUT}/both/autorun.exe" both_exe)
file(READ "${OUT}/both/autorun-linux" both_linux)
file(READ "${OUT}/both/autorun" both_script)
if(NOT both_exe STREQUAL "MZwindows" OR NOT both_linux STREQUAL "player"
   OR NOT both_script MATCHES "exec ./autorun-linux" OR NOT EXISTS "${OUT}/both/AutoRunRuntime")
    message(FATAL_ERROR "both players: autorun.exe ${both_exe}, autorun-linux ${both_linux}, "
                        "${both_script}")
endif()
run(${TOOL} publish "${base}" --exe "${OUT}/menu.exe" --player windows --windows-player "${windows}")
# "MZwindows" in hexadecimal.
expect_front_and_trailer("${OUT}/menu.exe" 4d5a77696e646f7773 09000000)
# A missing Windows player is named; nothing is published without it.
execute_process(COMMAND ${TOOL} publish "${base}" --folder "${OUT}/nowin" --player windows
                        --windows-player "${OUT}/missing.exe"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(status EQUAL 0 OR NOT errors MATCHES "missing.exe\", .*Error Code: [0-9]+/1105"
   OR EXISTS "${OUT}/nowin")
    message(FATAL_ERROR "missing Windows player: exit ${status}, ${errors}")
endif()
expect_usage_error("unknown player" --folder x --player mac)
message("published the demo to a folder, an image and one executable, for Linux and Windows")
