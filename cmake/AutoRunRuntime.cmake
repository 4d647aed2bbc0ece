# A published player runs where Qt, ICU and GStreamer are not installed: it
# carries the folder AutoRunRuntime beside it. The program looks there first
# (DT_RPATH, not DT_RUNPATH, so that the path also serves the libraries and
# plug-ins it loads); without the folder the system's libraries serve.
set_target_properties(Brelvane PROPERTIES BUILD_RPATH "$ORIGIN/AutoRunRuntime/lib"
                                          INSTALL_RPATH "$ORIGIN/AutoRunRuntime/lib")
target_link_options(Brelvane PRIVATE "LINKER:--disable-new-dtags")

# Filling the folder takes seconds and hundreds of megabytes, so it is a
# target of its own, built by the tests and tools that publish.
set(BRELVANE_RUNTIME_DIR "${CMAKE_BINARY_DIR}/AutoRunRuntime")
set(runtime_inputs $<TARGET_FILE:Brelvane>)
if(TARGET brelvane_webengine)
    list(APPEND runtime_inputs $<TARGET_FILE:brelvane_webengine>)
endif()
add_custom_command(
    OUTPUT "${BRELVANE_RUNTIME_DIR}.stamp"
    COMMAND "${CMAKE_SOURCE_DIR}/tools/collect-runtime.sh" "${BRELVANE_RUNTIME_DIR}" ${runtime_inputs}
    COMMAND "${CMAKE_COMMAND}" -E touch "${BRELVANE_RUNTIME_DIR}.stamp"
    DEPENDS Brelvane "${CMAKE_SOURCE_DIR}/tools/collect-runtime.sh"
    COMMENT "Collecting the player's runtime into AutoRunRuntime"
    VERBATIM)
add_custom_target(AutoRunRuntime DEPENDS "${BRELVANE_RUNTIME_DIR}.stamp")
if(TARGET brelvane_webengine)
    add_dependencies(AutoRunRuntime brelvane_webengine)
endif()
