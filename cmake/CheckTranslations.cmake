# Fails unless every text the sources mark is translated in each .ts file. A copy of each file is brought up to
# date with the sources by lupdate (so a marked text missing from the file counts), then lrelease must report it
# complete: no unfinished and no untranslated entry.
# Usage: cmake -DLUPDATE=... -DLRELEASE=... -DSOURCES=<src folder> -DTS_DIR=<folder of quill_*.ts> -DWORK=<folder> -P ...
file(MAKE_DIRECTORY ${WORK})
file(GLOB ts_files ${TS_DIR}/quill_*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "No translations in ${TS_DIR}")
endif()
set(incomplete "")
foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME_WE)
    set(copy ${WORK}/${name}.ts)
    configure_file(${ts} ${copy} COPYONLY)
    execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h ${SOURCES} -ts ${copy}
                    RESULT_VARIABLE lupdate_result OUTPUT_VARIABLE lupdate_output ERROR_VARIABLE lupdate_output)
    if(NOT lupdate_result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${lupdate_output}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/${name}.qm
                    RESULT_VARIABLE lrelease_result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    message(STATUS "${name}: ${report}")
    if(NOT lrelease_result EQUAL 0 OR NOT report MATCHES " 0 unfinished\\)" OR report MATCHES "untranslated")
        list(APPEND incomplete ${name})
    endif()
endforeach()
if(incomplete)
    message(FATAL_ERROR "Incomplete translations: ${incomplete}. Run the update_translations target and translate "
                        "every new entry (Qt Linguist).")
endif()
