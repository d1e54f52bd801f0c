# Runs the built ormane on one golden case and compares its standard output, standard
# error and exit status with the expected files; only line endings are normalised.
#   cmake -DPROGRAM=<ormane> -DCASE=<dir>/<name> -P run_golden.cmake
# <name>.args holds the arguments, one a line (@GOLDEN_DIR@ is this folder); <name>.stdin,
# when present, is the standard input; <name>.stdout, <name>.stderr and <name>.status are
# what is expected.
get_filename_component(golden_dir "${CASE}" DIRECTORY)
file(STRINGS "${CASE}.args" arguments)
list(TRANSFORM arguments REPLACE "@GOLDEN_DIR@" "${golden_dir}")
set(input /dev/null)
if(EXISTS "${CASE}.stdin")
    set(input "${CASE}.stdin")
endif()
execute_process(COMMAND "${PROGRAM}" ${arguments}
                INPUT_FILE "${input}"
                OUTPUT_VARIABLE actual_stdout
                ERROR_VARIABLE actual_stderr
                RESULT_VARIABLE actual_status)

set(failed FALSE)
foreach(stream stdout stderr status)
    file(READ "${CASE}.${stream}" expected)
    set(actual "${actual_${stream}}")
    if(stream STREQUAL "status")
        string(STRIP "${expected}" expected)
    endif()
    string(REPLACE "\r\n" "\n" expected "${expected}")
    string(REPLACE "\r\n" "\n" actual "${actual}")
    if(NOT actual STREQUAL expected)
        message(SEND_ERROR "${stream} differs from ${CASE}.${stream}\n"
                           "--- expected ---\n${expected}\n--- actual ---\n${actual}")
        set(failed TRUE)
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "golden case ${CASE} failed")
endif()
