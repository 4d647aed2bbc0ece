# The executable resource tests work on Windows programs built here with
# mingw-w64 and windres, and check them with tools of their own (wrestool,
# python3-pefile). tools/install-deps.sh installs all of them.
find_program(BRELVANE_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(BRELVANE_WRESTOOL wrestool REQUIRED)
find_program(BRELVANE_TEST_OBJCOPY objcopy REQUIRED)
foreach(tool i686-w64-mingw32-gcc i686-w64-mingw32-windres x86_64-w64-mingw32-gcc
             x86_64-w64-mingw32-windres)
    find_program(BRELVANE_FOUND_${tool} ${tool} REQUIRED)
endforeach()

set(exe_fixtures "${CMAKE_CURRENT_BINARY_DIR}/exe-fixtures")
set(exe_fixture_files full32.exe wide64.exe german32.exe nolegal32.exe checksum32.exe
                      fixed32.exe six.ico three.ico)
list(TRANSFORM exe_fixture_files PREPEND "${exe_fixtures}/")
add_custom_command(OUTPUT ${exe_fixture_files}
    COMMAND ${BRELVANE_SYSTEM_PYTHON} "${CMAKE_CURRENT_SOURCE_DIR}/exe/MakeFixtures.py"
            "${exe_fixtures}"
    DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/exe/MakeFixtures.py"
    COMMENT "Building the Windows programs of the resource tests")
add_custom_target(exe_fixtures DEPENDS ${exe_fixture_files})
add_dependencies(exe_tests exe_fixtures)
target_compile_definitions(exe_tests PRIVATE
    BRELVANE_EXE_FIXTURES="${exe_fixtures}"
    BRELVANE_EXE_SCRIPTS="${CMAKE_CURRENT_SOURCE_DIR}/exe"
    BRELVANE_PYTHON="${BRELVANE_SYSTEM_PYTHON}"
    BRELVANE_WRESTOOL="${BRELVANE_WRESTOOL}"
    BRELVANE_OBJCOPY="${BRELVANE_TEST_OBJCOPY}")
