# The program's icon and version block. The values live here once so that
# every build of Brelvane (the Linux section and a Windows resource script)
# carries the same texts. The three slot values are what a copy's owner may
# relabel: they are stored padded to 100 characters.
set(BRELVANE_COMPANY_NAME "Brelvane")
set(BRELVANE_FILE_DESCRIPTION "Brelvane disc menu designer and player")
set(BRELVANE_LEGAL_COPYRIGHT "Copyright (C) the Brelvane authors")

# brelvane_program_resources(<target>): after each link, the target gets the
# non-loaded section ".rsrc" (icon "MAINICON", version block 040904E4 whose
# FileVersion is the version and the commit), and "Default.ico" lies beside it.
function(brelvane_program_resources target)
    find_program(BRELVANE_OBJCOPY NAMES objcopy REQUIRED)
    find_package(Git QUIET)
    set(icon "$<TARGET_FILE_DIR:${target}>/Default.ico")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND}
                -DTOOL=$<TARGET_FILE:brelvane-resources>
                -DOBJCOPY=${BRELVANE_OBJCOPY}
                -DGIT=${GIT_EXECUTABLE}
                -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                -DPROGRAM=$<TARGET_FILE:${target}>
                -DICON=${icon}
                -DVERSION=${PROJECT_VERSION}
                "-DCOMPANY=${BRELVANE_COMPANY_NAME}"
                "-DDESCRIPTION=${BRELVANE_FILE_DESCRIPTION}"
                "-DCOPYRIGHT=${BRELVANE_LEGAL_COPYRIGHT}"
                -P ${CMAKE_SOURCE_DIR}/cmake/EmbedProgramResources.cmake
        VERBATIM)
    add_dependencies(${target} brelvane-resources)
endfunction()
