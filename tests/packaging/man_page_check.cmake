# Checks the manual page against the program.
#   cmake -DPROGRAM=<ormane> -DMAN_PAGE=<ormane.1> -DCHECK=options -P man_page_check.cmake
#     every command line and every option that `ormane --help` prints is in the page, with
#     the same argument names ("--future C DFR", "--scale t|effect");
#   cmake -DMAN_PAGE=<ormane.1> -DCHECK=rendering -P man_page_check.cmake
#     man (and groff, when it is there) format the page without a single warning; says
#     "man is not installed", which the test takes as skipped, when man is not there.

# The page's text as it reads once formatted, line by line: the font macros' arguments
# joined (the alternating ones without blanks, as they print), font changes dropped,
# "\-" as "-". Comments and other requests are left out.
function(page_text page out)
    file(STRINGS ${page} lines)
    set(text "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^\\.\\\\\"")
            continue()
        elseif(line MATCHES "^\\.(B|I|SM|SB|SH|SS)( (.*))?$")
            set(words "${CMAKE_MATCH_3}")
            string(REPLACE "\"" "" line "${words}")
        elseif(line MATCHES "^\\.(BI|BR|IB|IR|RB|RI) (.*)$")
            set(arguments "${CMAKE_MATCH_2}")
            string(REGEX MATCHALL "\"[^\"]*\"|[^ \"]+" pieces "${arguments}")
            set(line "")
            foreach(piece IN LISTS pieces)
                string(REPLACE "\"" "" piece "${piece}")
                string(APPEND line "${piece}")
            endforeach()
        elseif(line MATCHES "^\\.")
            continue()
        endif()
        string(REGEX REPLACE "\\\\f[BIRP]" "" line "${line}")
        string(REPLACE "\\-" "-" line "${line}")
        string(REPLACE "\\~" " " line "${line}")
        string(REPLACE "\\%" "" line "${line}")
        string(REPLACE "\\&" "" line "${line}")
        string(APPEND text "${line}\n")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# `needle` as written in `text`, not as the start or end of a longer option or word.
function(require_in text needle what)
    string(REGEX REPLACE "([][.*+?^$()|\\\\])" "\\\\\\1" pattern "${needle}")
    if(NOT text MATCHES "(^|[^A-Za-z0-9-])${pattern}($|[^A-Za-z0-9-])")
        message(SEND_ERROR "the manual page lacks ${what} \"${needle}\"")
    endif()
endfunction()

if(CHECK STREQUAL "options")
    execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE code OUTPUT_VARIABLE usage
                    ERROR_VARIABLE err TIMEOUT 30)
    if(NOT code EQUAL 0 OR usage STREQUAL "")
        message(FATAL_ERROR "${PROGRAM} --help: exit code ${code}\n${err}")
    endif()
    page_text(${MAN_PAGE} page)
    string(REPLACE ";" "," usage "${usage}")
    string(REPLACE "\n" ";" usage_lines "${usage}")
    set(checked 0)
    foreach(line IN LISTS usage_lines)
        # A command line ("  ormane plot [OPTIONS] --output FILE.svg|FILE.png") or an option
        # with its arguments ("  --future C DFR"), up to the blanks before its description.
        if(NOT line MATCHES "^ +(ormane|--)")
            continue()
        endif()
        string(STRIP "${line}" line)
        string(FIND "${line}" "  " end)
        string(SUBSTRING "${line}" 0 ${end} syntax)
        # "--df1 TEXT, --df2 TEXT" is two options.
        string(REPLACE ", --" ";--" syntaxes "${syntax}")
        foreach(one IN LISTS syntaxes)
            require_in("${page}" "${one}" "the usage line")
            math(EXPR checked "${checked} + 1")
        endforeach()
    endforeach()
    # Every option named anywhere in the usage text, in passing ("--df=9", "(default --p2 0.30)").
    string(REGEX MATCHALL "--[A-Za-z][A-Za-z0-9-]*" options "${usage}")
    list(REMOVE_DUPLICATES options)
    foreach(option IN LISTS options)
        require_in("${page}" "${option}" "the option")
    endforeach()
    list(LENGTH options count)
    if(checked LESS 30 OR count LESS 30)
        message(FATAL_ERROR "the usage text read as ${checked} lines and ${count} options: "
                            "it no longer has the shape this check expects")
    endif()
elseif(CHECK STREQUAL "rendering")
    find_program(MAN man)
    if(NOT MAN)
        # The test's SKIP_REGULAR_EXPRESSION.
        message(STATUS "man is not installed: the formatting of the page is not checked")
        return()
    endif()
    set(ENV{MANWIDTH} 80)
    set(ENV{LC_ALL} C.UTF-8)
    execute_process(COMMAND ${MAN} --warnings=all -E UTF-8 -l ${MAN_PAGE} RESULT_VARIABLE code
                    OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(NOT code EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "man -l ${MAN_PAGE}: exit code ${code}\n${err}")
    endif()
    if(NOT out MATCHES "\nNAME\n +ormane - ")
        message(FATAL_ERROR "man -l ${MAN_PAGE} shows no NAME section:\n${out}")
    endif()
    find_program(GROFF groff)
    if(GROFF)
        execute_process(COMMAND ${GROFF} -man -Tutf8 -ww -z ${MAN_PAGE} RESULT_VARIABLE code
                        ERROR_VARIABLE err TIMEOUT 60)
        if(NOT code EQUAL 0 OR NOT err STREQUAL "")
            message(FATAL_ERROR "groff -man -ww ${MAN_PAGE}: exit code ${code}\n${err}")
        endif()
    endif()
else()
    message(FATAL_ERROR "CHECK must be options or rendering, not \"${CHECK}\"")
endif()
