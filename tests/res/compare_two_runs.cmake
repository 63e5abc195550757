# Runs the picture generator twice into fresh folders and fails unless both
# runs wrote the same files with the same bytes.
file(REMOVE_RECURSE "${WORK_DIR}")
foreach(run first second)
    execute_process(COMMAND "${TOOL}" "${WORK_DIR}/${run}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "make_pictures failed on the ${run} run: ${status}")
    endif()
endforeach()

file(GLOB written RELATIVE "${WORK_DIR}/first" "${WORK_DIR}/first/*")
file(GLOB written_again RELATIVE "${WORK_DIR}/second" "${WORK_DIR}/second/*")
if(NOT written OR NOT written STREQUAL written_again)
    message(FATAL_ERROR "the runs wrote different files: '${written}' and '${written_again}'")
endif()
foreach(name IN LISTS written)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                            "${WORK_DIR}/first/${name}" "${WORK_DIR}/second/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${name} differs between two runs")
    endif()
endforeach()
