# The starter template library the tool writes is the committed one, and it
# holds a template on every page tab and a group of page backgrounds.
set(COMMAND make-templates)
set(WRITTEN .)
include(${CMAKE_CURRENT_LIST_DIR}/CompareDemo.cmake)
foreach(tab "Normal" "Splash Screen" "Screen Background" "Agreement Form" "Security Form"
        "Exit Form")
    file(GLOB pages "${OUT}/Pages/${tab}/*")
    if(NOT pages)
        message(FATAL_ERROR "the tab ${tab} holds no template")
    endif()
endforeach()
file(GLOB backgrounds "${OUT}/Objects/??Background/*")
if(NOT backgrounds)
    message(FATAL_ERROR "no background group")
endif()
