# The web engine is a plug-in beside the program, loaded only for pages that
# show a web view or a Flash movie; a build without Qt WebEngine (Windows)
# leaves it out and those objects show their placeholders.
set(BRELVANE_HAS_WEBENGINE OFF)
if(BRELVANE_WEBENGINE)
    find_package(Qt6 QUIET COMPONENTS WebEngineWidgets)
    if(Qt6WebEngineWidgets_FOUND)
        set(BRELVANE_HAS_WEBENGINE ON)
    else()
        message(STATUS "Qt WebEngine not found: web views and Flash show placeholders")
    endif()
endif()

if(BRELVANE_HAS_WEBENGINE)
    add_library(brelvane_webengine MODULE
        "${CMAKE_SOURCE_DIR}/platform/webengine/WebEnginePlugin.cpp"
        "${CMAKE_SOURCE_DIR}/platform/webengine/WebEnginePlugin.h")
    target_link_libraries(brelvane_webengine PRIVATE Qt6::WebEngineWidgets)
    target_include_directories(brelvane_webengine PRIVATE "${BRELVANE_LAYER_ROOT}/brelvane_platform"
                                                          "${CMAKE_SOURCE_DIR}")
    set_target_properties(brelvane_webengine PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}")
    brelvane_warnings(brelvane_webengine)
endif()

# The Flash engine (the npm package @ruffle-rs/ruffle) that tools/install-deps.sh
# fetches into .deps/ruffle is copied beside the executables.
set(BRELVANE_RUFFLE_SOURCE "${CMAKE_SOURCE_DIR}/.deps/ruffle")
set(BRELVANE_RUFFLE_DIR "${CMAKE_BINARY_DIR}/ruffle")
if(EXISTS "${BRELVANE_RUFFLE_SOURCE}/ruffle.js")
    add_custom_target(ruffle_files ALL
        COMMAND "${CMAKE_COMMAND}" -E copy_directory "${BRELVANE_RUFFLE_SOURCE}" "${BRELVANE_RUFFLE_DIR}"
        COMMENT "Copying the Flash engine beside the executables")
else()
    message(STATUS "No Flash engine in .deps/ruffle (tools/install-deps.sh fetches it)")
endif()
