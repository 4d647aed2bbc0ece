# Run after linking the program (see ProgramResources.cmake).
# FileVersion: "<version> (<commit>)". A program built from changed sources
# or without git adds a digest of the linked file, so that every different
# build has its own FileVersion and refreshes the autorun.exe of a project.
file(SHA256 "${PROGRAM}" digest)
string(SUBSTRING "${digest}" 0 12 digest)
set(commit "")
if(GIT)
    execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
                    OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(failed)
        set(commit "")
    else()
        execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" status --porcelain
                                --untracked-files=no
                        OUTPUT_VARIABLE changes RESULT_VARIABLE failed ERROR_QUIET)
        if(failed OR NOT changes STREQUAL "")
            string(APPEND commit "+${digest}")
        endif()
    endif()
endif()
if(commit STREQUAL "")
    set(commit "build ${digest}")
endif()
set(file_version "${VERSION} (${commit})")

execute_process(COMMAND "${TOOL}" icon "${ICON}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not draw ${ICON}")
endif()
set(section "${PROGRAM}.rsrc")
execute_process(COMMAND "${TOOL}" section "${section}" --icon "${ICON}" --version "${VERSION}"
                        --slot "CompanyName=${COMPANY}"
                        --slot "FileDescription=${DESCRIPTION}"
                        --string "FileVersion=${file_version}"
                        --string "InternalName=Brelvane"
                        --slot "LegalCopyright=${COPYRIGHT}"
                        --string "OriginalFilename=Brelvane.exe"
                        --string "ProductName=Brelvane"
                        --string "ProductVersion=${VERSION}"
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not write the resource section of ${PROGRAM}")
endif()
# Not allocated: the loader never maps it, readers find it by the section headers.
execute_process(COMMAND "${OBJCOPY}" --remove-section .rsrc --add-section ".rsrc=${section}"
                        --set-section-flags .rsrc=contents,readonly "${PROGRAM}"
                RESULT_VARIABLE failed)
file(REMOVE "${section}")
if(failed)
    message(FATAL_ERROR "objcopy could not add the resource section to ${PROGRAM}")
endif()
message(STATUS "${PROGRAM}: FileVersion ${file_version}")
