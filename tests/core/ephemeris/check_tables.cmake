# Runs the table generator into the build tree and fails when its output differs from the
# checked-in table source, so the data never drifts from the generator.
#
# Expects GENERATOR, OUTPUT and CHECKED_IN.
execute_process(
    COMMAND "${GENERATOR}" "${OUTPUT}"
    RESULT_VARIABLE result
    ERROR_VARIABLE diagnostics
)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "amorist-tablegen failed (${result}):\n${diagnostics}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${CHECKED_IN}"
    RESULT_VARIABLE different
)
if(NOT different EQUAL 0)
    message(FATAL_ERROR
        "${CHECKED_IN} differs from what amorist-tablegen writes now (${OUTPUT}). "
        "Run `make tables` and review the difference.")
endif()
