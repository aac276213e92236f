# Never overwrite a file in the program directory: it may hold the user's data or settings. With OWNER_ONLY the new
# file is readable by its owner only (the database holds site passwords); an existing file keeps its permissions.
if(NOT EXISTS "${TARGET}")
    get_filename_component(dir "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    if(OWNER_ONLY)
        file(COPY_FILE "${SOURCE}" "${TARGET}.part")
        file(CHMOD "${TARGET}.part" PERMISSIONS OWNER_READ OWNER_WRITE)
        file(RENAME "${TARGET}.part" "${TARGET}")
    else()
        file(COPY_FILE "${SOURCE}" "${TARGET}")
    endif()
endif()
