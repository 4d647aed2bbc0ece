# The Windows build (cmake/mingw-w64-x86_64.cmake): static programs that need nothing installed,
# the same sources as the Linux build, tests run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/WindowsResources.cmake)

# One file per program: the C and C++ runtimes and the thread library linked in.
string(APPEND CMAKE_EXE_LINKER_FLAGS " -static -static-libgcc -static-libstdc++")
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -s")
# Windows 10 is the oldest system Qt 6 runs on.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE NOMINMAX
                        WIN32_LEAN_AND_MEAN)

brelvane_windows_resources()
set(ZLIB_USE_STATIC_LIBS ON)

# nlohmann/json is headers only: Debian's copy serves, without the rest of the host's headers.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(host_headers "${CMAKE_BINARY_DIR}/host-headers")
    file(MAKE_DIRECTORY "${host_headers}")
    file(CREATE_LINK /usr/include/nlohmann "${host_headers}/nlohmann" SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                          INTERFACE_INCLUDE_DIRECTORIES "${host_headers}")
endif()

# GoogleTest from Debian's source package, built for Windows.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main)
    if(NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()

# brelvane_windows_gui_program(<target>): a program that shows windows on the desktop
# ("windows") or draws off-screen (tests, tools: "offscreen").
function(brelvane_windows_gui_program target)
    qt_import_plugins(${target}
        INCLUDE Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
                Qt6::QWindowsVistaStylePlugin Qt6::QICOPlugin Qt6::QGifPlugin Qt6::QJpegPlugin)
endfunction()

# brelvane_windows_program(<target>): every other program (tools, tests): the UTF-8 manifest, and
# the platform plugins for those that draw.
function(brelvane_windows_program target)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:brelvane_manifest>)
    brelvane_windows_gui_program(${target})
endfunction()
