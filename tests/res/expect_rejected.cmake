# Runs make_ui_art on a good picture followed by a malformed one and expects
# it to fail with EXPECTED in its message and to write nothing at all.
#   cmake -DTOOL=... -DGOOD=... -DBAD=... -DOUT=... -DEXPECTED=regex -P expect_rejected.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" --out "${OUT}" "${GOOD}" "${BAD}"
                RESULT_VARIABLE result ERROR_VARIABLE message)
if(result EQUAL 0)
    message(FATAL_ERROR "make_ui_art accepted ${BAD}")
endif()
if(NOT message MATCHES "${EXPECTED}")
    message(FATAL_ERROR "expected an error matching '${EXPECTED}', got: ${message}")
endif()
if(EXISTS "${OUT}")
    message(FATAL_ERROR "make_ui_art wrote ${OUT} although an art file was bad")
endif()
