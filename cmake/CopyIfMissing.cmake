# Never overwrite a file in the program directory: it may hold the user's data or settings.
if(NOT EXISTS "${TARGET}")
    get_filename_component(dir "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
