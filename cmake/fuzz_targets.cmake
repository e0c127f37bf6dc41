# Fuzz targets: each source defines LLVMFuzzerTestOneInput over what one reader takes from
# outside the program. The native build replays a target's checked-in seed inputs as the
# test <name>_seeds (normal compiler, with the sanitizers, undefined behaviour fatal), so
# `make test` fails when a target stops building or a seed crashes. A clang build also makes
# the libFuzzer program <name> for `make fuzz` (target fuzz_targets), against the core built
# once with coverage instrumentation; tools/fuzz.sh runs the targets listed in
# fuzz_targets.txt of that build (name, program, longest input, seed folders).
#   add_fuzz_target(NAME SOURCE SEEDS folder... [SOURCES extra.cpp...] [MAX_LEN bytes])
# MAX_LEN (default 64 KB) must leave room for the hostile inputs a reader has to refuse.

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND NOT TARGET core_fuzz)
    set(FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
    file(GLOB core_fuzz_sources ${CMAKE_SOURCE_DIR}/core/*/*.cpp)
    add_library(core_fuzz STATIC EXCLUDE_FROM_ALL ${core_fuzz_sources})
    target_include_directories(core_fuzz PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(core_fuzz PUBLIC -fsanitize=fuzzer-no-link ${FUZZ_FLAGS})
    add_custom_target(fuzz_targets)
    set(FUZZ_LIST ${CMAKE_BINARY_DIR}/fuzz_targets.txt)
    file(WRITE ${FUZZ_LIST} "")
endif()

function(add_fuzz_target name source)
    cmake_parse_arguments(FUZZ "" "MAX_LEN" "SEEDS;SOURCES" ${ARGN})
    if(NOT FUZZ_MAX_LEN)
        set(FUZZ_MAX_LEN 65536)
    endif()
    add_executable(${name}_replay ${source} ${FUZZ_SOURCES} ${CMAKE_SOURCE_DIR}/tests/core/fuzz/seed_replay.cpp)
    target_link_libraries(${name}_replay PRIVATE core)
    target_include_directories(${name}_replay PRIVATE ${CMAKE_SOURCE_DIR})
    if(SANITIZE)
        target_compile_options(${name}_replay PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
        target_link_options(${name}_replay PRIVATE -fsanitize=address,undefined)
    endif()
    add_test(NAME ${name}_seeds COMMAND ${name}_replay ${FUZZ_SEEDS})
    set_tests_properties(${name}_seeds PROPERTIES ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    if(TARGET core_fuzz)
        add_executable(${name} EXCLUDE_FROM_ALL ${source} ${FUZZ_SOURCES})
        target_link_libraries(${name} PRIVATE core_fuzz)
        target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer ${FUZZ_FLAGS})
        add_dependencies(fuzz_targets ${name})
        string(JOIN " " seeds ${FUZZ_SEEDS})
        file(APPEND ${FUZZ_LIST} "${name} ${CMAKE_CURRENT_BINARY_DIR}/${name} ${FUZZ_MAX_LEN} ${seeds}\n")
    endif()
endfunction()
