# Runs the tune generator twice into two fresh folders and compares the files.
# Usage: cmake -DGENERATOR=path -DWORK_DIR=folder -P check_deterministic.cmake
file(REMOVE_RECURSE ${WORK_DIR})
foreach(run first second)
    execute_process(COMMAND ${GENERATOR} ${WORK_DIR}/${run} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "the generator failed on its ${run} run")
    endif()
endforeach()
foreach(tune RIFF1 RIFF2 RIFF3)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/${tune}.wav
                ${WORK_DIR}/second/${tune}.wav
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${tune}.wav came out different on the second run")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
