# A copy of the built program given its own icon and strings through the
# tool: exe-info shows them, the copy still plays the demo, a text too long
# for its slot changes nothing.
include(${CMAKE_CURRENT_LIST_DIR}/RunCommand.cmake)

file(REMOVE_RECURSE "${OUT}")
file(COPY "${DEMO}/" DESTINATION "${OUT}")
set(exe "${OUT}/autorun.exe")
file(COPY_FILE "${PROGRAM}" "${exe}")
run(${TOOL} exe-info "${PROGRAM}")
string(JSON version GET "${output}" FileVersion)

run(${TOOL} exe-set "${exe}" --icon "${ICON}" --company "Acme Ümlaut" --description "Menu"
    --copyright "(C) Acme")
run(${TOOL} exe-info "${exe}")
foreach(pair "CompanyName=Acme Ümlaut" "FileDescription=Menu" "LegalCopyright=(C) Acme"
             "FileVersion=${version}")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 key)
    list(GET pair 1 expected)
    string(JSON value GET "${output}" ${key})
    if(NOT value STREQUAL expected)
        message(FATAL_ERROR "${key} is \"${value}\", not \"${expected}\"")
    endif()
endforeach()
string(JSON slot GET "${output}" strings "040904E4\\CompanyName")
string(LENGTH "${slot}" slot_length)
# 100 characters; the one non-ASCII letter takes two bytes of UTF-8.
if(NOT slot_length EQUAL 101)
    message(FATAL_ERROR "CompanyName slot of ${slot_length} bytes: \"${slot}\"")
endif()
string(JSON icons LENGTH "${output}" MAINICON)
string(JSON last_id GET "${output}" MAINICON 2 id)
if(NOT icons EQUAL 3 OR NOT last_id EQUAL 3)
    message(FATAL_ERROR "MAINICON has ${icons} images: ${output}")
endif()

# Still the player: it loads the demo and keeps running until stopped.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        timeout 3 "${exe}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 124)
    message(FATAL_ERROR "the relabelled player ended with ${status}: ${errors}")
endif()

file(SHA256 "${exe}" before)
string(REPEAT "x" 101 long)
execute_process(COMMAND ${TOOL} exe-set "${exe}" --company "${long}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
file(SHA256 "${exe}" after)
if(NOT status EQUAL 1 OR NOT errors MATCHES "--company: longer than 100 characters"
   OR NOT before STREQUAL after)
    message(FATAL_ERROR "a 101-character text: exit ${status}, \"${errors}\"")
endif()
