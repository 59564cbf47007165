# Formats each page with man's warnings on; any warning fails.
foreach(page ${PAGES})
    execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 LC_ALL=C.UTF-8
                            ${MAN} --warnings -E UTF-8 -l ${page}
                    OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "" OR NOT text MATCHES "SYNOPSIS")
        message(FATAL_ERROR "${page}: status ${status}\n${warnings}")
    endif()
endforeach()
