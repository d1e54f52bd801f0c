# Runs one command line of the program and checks its exit code and what it prints.
#   cmake -DPROGRAM=<path> -DARGUMENTS=<a|b|...> -DEXPECTED_CODE=<n>
#         [-DSTDOUT_MATCHES=<regex>] [-DSTDERR_MATCHES=<regex>] [-DSTDOUT_IS=<text>]
#         [-DUNSET=<environment variables, "|" between them>] -P run_command.cmake
string(REPLACE "|" ";" ARGUMENTS "${ARGUMENTS}")
string(REPLACE "|" ";" UNSET "${UNSET}")
foreach(variable IN LISTS UNSET)
    unset(ENV{${variable}})
endforeach()
execute_process(COMMAND ${PROGRAM} ${ARGUMENTS}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
set(report "exit code ${code}\n--- stdout\n${out}--- stderr\n${err}")
if(NOT code STREQUAL EXPECTED_CODE)
    message(FATAL_ERROR "expected exit code ${EXPECTED_CODE}\n${report}")
endif()
if(DEFINED STDOUT_IS AND NOT out STREQUAL STDOUT_IS)
    message(FATAL_ERROR "stdout is not exactly \"${STDOUT_IS}\"\n${report}")
endif()
if(DEFINED STDOUT_MATCHES AND NOT out MATCHES "${STDOUT_MATCHES}")
    message(FATAL_ERROR "stdout does not match ${STDOUT_MATCHES}\n${report}")
endif()
if(DEFINED STDERR_MATCHES AND NOT err MATCHES "${STDERR_MATCHES}")
    message(FATAL_ERROR "stderr does not match ${STDERR_MATCHES}\n${report}")
endif()
if(err MATCHES "Aborted|core dumped|QFATAL")
    message(FATAL_ERROR "the program aborted\n${report}")
endif()
