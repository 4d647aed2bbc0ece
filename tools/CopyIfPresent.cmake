# Copies FROM to TO when FROM exists and differs; nothing when it is missing.
if(EXISTS "${FROM}")
    file(COPY_FILE "${FROM}" "${TO}" ONLY_IF_DIFFERENT)
endif()
