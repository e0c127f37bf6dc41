# Checks the form compiler as the build uses it: run with -Dformc=<tool> -Dgolden=<dir> -Dwork=<dir>.
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

# The hand-checked bytes of a .hex file ("#" starts a comment), as file(READ HEX) gives them.
function(read_golden_hex path out)
    file(STRINGS ${path} lines)
    set(expected "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "#.*" "" line "${line}")
        string(REPLACE " " "" line "${line}")
        string(APPEND expected "${line}")
    endforeach()
    string(TOLOWER "${expected}" expected)
    set(${out} "${expected}" PARENT_SCOPE)
endfunction()

# A valid form gives the hand-checked bytes and a resource line named after its class.
execute_process(COMMAND ${formc} ${golden}/small.form ${work}/small.bin ${work}/small.rc RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "formc failed on a valid form: ${status}")
endif()
file(READ ${work}/small.bin actual HEX)
read_golden_hex(${golden}/small.hex expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "binary form differs:\n${actual}\n${expected}")
endif()

# The writer format of the program as built (5): a non-ASCII caption is an 8-bit string.
execute_process(COMMAND ${formc} ${golden}/accented.form ${work}/accented.bin RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "formc failed on a valid form: ${status}")
endif()
file(READ ${work}/accented.bin actual HEX)
read_golden_hex(${golden}/accented.hex expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "binary form of a non-ASCII caption differs (writer format 5 expected):\n${actual}\n${expected}")
endif()
file(READ ${work}/small.rc script)
if(NOT script STREQUAL "TASKFORCLOSE RCDATA \"${work}/small.bin\"\n")
    message(FATAL_ERROR "unexpected resource script: ${script}")
endif()

# A malformed form fails with the line and form, and leaves no output for make to trust.
file(WRITE ${work}/bad.form "object Bad: TBad\r\n  Left 1\r\nend\r\n")
execute_process(COMMAND ${formc} ${work}/bad.form ${work}/bad.bin RESULT_VARIABLE status ERROR_VARIABLE message)
if(status EQUAL 0 OR NOT message MATCHES "Wrong FRD Format\nLine#: 2\nForm: Bad" OR EXISTS ${work}/bad.bin)
    message(FATAL_ERROR "malformed form not reported: status ${status}, message ${message}")
endif()
