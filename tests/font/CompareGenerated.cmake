# Runs the typeface generator into a fresh folder and compares its output with
# the committed file. Needs Debian's python3-fonttools.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
    COMMAND ${PYTHON} ${GENERATOR} ${WORK_DIR}/DS-DIGI.TTF
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The generator failed (is python3-fonttools installed?):\n${errors}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/DS-DIGI.TTF ${COMMITTED}
    RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "${WORK_DIR}/DS-DIGI.TTF differs from ${COMMITTED}: "
                        "run `cmake --build build --target font` and commit the result")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
