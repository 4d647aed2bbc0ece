# Each layer is one library whose headers are published into a private include
# tree of its own. A target sees only the trees of the layers it links, so an
# include that points up the layer stack does not resolve and the build fails.

set(BRELVANE_LAYER_ROOT "${CMAKE_BINARY_DIR}/layers")

# Sources for one system only end in _posix.cpp or _win.cpp; the other
# system's are dropped from a globbed list.
function(brelvane_system_sources list_var)
    set(sources ${${list_var}})
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    set(${list_var} ${sources} PARENT_SCOPE)
endfunction()

function(brelvane_publish_headers layer dir)
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.h")
    set(published "${BRELVANE_LAYER_ROOT}/${layer}/${dir}")
    file(MAKE_DIRECTORY "${published}")
    foreach(header IN LISTS headers)
        get_filename_component(name "${header}" NAME)
        if(NOT EXISTS "${published}/${name}")
            file(CREATE_LINK "${header}" "${published}/${name}" SYMBOLIC)
        endif()
    endforeach()
endfunction()

# brelvane_layer(<target> DIRS <dir>... [DEPS <target>...])
function(brelvane_layer target)
    cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
    set(sources "")
    foreach(dir IN LISTS ARG_DIRS)
        file(GLOB dir_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
        brelvane_system_sources(dir_sources)
        list(APPEND sources ${dir_sources})
        brelvane_publish_headers(${target} ${dir})
    endforeach()
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC "${BRELVANE_LAYER_ROOT}/${target}")
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
        brelvane_warnings(${target})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${BRELVANE_LAYER_ROOT}/${target}")
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

function(brelvane_warnings target)
    # Clang (the fuzz build) spells the local-shadow warning differently.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor
                                             $<IF:$<CXX_COMPILER_ID:GNU>,-Wshadow=local,-Wshadow-uncaptured-local>)
    # GCC 12 at -O3 reports overlapping copies inside std::string's own inlined
    # operator+ (a known false positive), which would fail Release builds.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(BRELVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
