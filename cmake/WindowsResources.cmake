# Resources of the Windows programs, compiled by windres: every executable carries the UTF-8
# manifest; Brelvane.exe also the group icon "MAINICON" and the version block 040904E4 with
# FileVersion "<version> (<commit>)" and CompanyName, FileDescription and LegalCopyright as
# 100-character values (padded with blanks), the layout the executable information dialog rewrites.
# The texts are the ones cmake/ProgramResources.cmake gives the Linux build.

function(brelvane_padded_slot out text)
    string(LENGTH "${text}" length)
    if(length GREATER 100)
        message(FATAL_ERROR "\"${text}\" does not fit a 100-character version value")
    endif()
    math(EXPR blanks "100 - ${length}")
    string(REPEAT " " ${blanks} padding)
    set(${out} "${text}${padding}" PARENT_SCOPE)
endfunction()

function(brelvane_windows_resources)
    find_package(Git QUIET)
    set(commit "")
    if(GIT_EXECUTABLE)
        execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${CMAKE_SOURCE_DIR}" rev-parse --short=12 HEAD
                        OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(commit STREQUAL "")
        set(commit "no commit")
    endif()
    set(BRELVANE_FILE_VERSION "${PROJECT_VERSION} (${commit})")
    string(REPLACE "." "," BRELVANE_VERSION_COMMAS "${PROJECT_VERSION}")
    string(REGEX MATCHALL "," commas "${BRELVANE_VERSION_COMMAS}")
    list(LENGTH commas count)
    while(count LESS 3)
        string(APPEND BRELVANE_VERSION_COMMAS ",0")
        math(EXPR count "${count} + 1")
    endwhile()
    brelvane_padded_slot(BRELVANE_COMPANY "${BRELVANE_COMPANY_NAME}")
    brelvane_padded_slot(BRELVANE_DESCRIPTION "${BRELVANE_FILE_DESCRIPTION}")
    brelvane_padded_slot(BRELVANE_COPYRIGHT "${BRELVANE_LEGAL_COPYRIGHT}")
    set(folder "${CMAKE_SOURCE_DIR}/app/windows")
    configure_file("${folder}/Brelvane.rc.in" "${CMAKE_BINARY_DIR}/Brelvane.rc" @ONLY)
    # windres finds the icon, manifest and included script beside the sources.
    set_source_files_properties("${CMAKE_BINARY_DIR}/Brelvane.rc" "${folder}/Manifest.rc"
        PROPERTIES OBJECT_DEPENDS "${folder}/Brelvane.ico;${folder}/Brelvane.manifest"
                   COMPILE_OPTIONS "--include-dir=${folder}")
    add_library(brelvane_manifest OBJECT "${folder}/Manifest.rc")
    # The program's script includes the manifest itself.
    add_library(brelvane_program_resources OBJECT "${CMAKE_BINARY_DIR}/Brelvane.rc")
endfunction()
