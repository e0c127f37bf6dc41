# Settings shared by every Windows target: static runtime (the programs run from a bare
# folder), Unicode APIs, and the dependencies that tools/setup.sh cross-builds.
set(DEPS_DIR ${CMAKE_SOURCE_DIR}/build/deps)
set(PRODUCT_DIR ${CMAKE_BINARY_DIR}/bin)
# Tests run under Wine with the project's private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-env.sh wine)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(gtest_win STATIC IMPORTED)
set_target_properties(gtest_win PROPERTIES
    IMPORTED_LOCATION ${DEPS_DIR}/gtest/lib/libgtest.a
    INTERFACE_INCLUDE_DIRECTORIES ${DEPS_DIR}/gtest/include)
add_library(gtest_main_win STATIC IMPORTED)
set_target_properties(gtest_main_win PROPERTIES IMPORTED_LOCATION ${DEPS_DIR}/gtest/lib/libgtest_main.a)

add_library(jpeg_win STATIC IMPORTED)
set_target_properties(jpeg_win PROPERTIES
    IMPORTED_LOCATION ${DEPS_DIR}/jpeg/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${DEPS_DIR}/jpeg/include)

# Places a program in the product folder, laid out as an installed copy.
function(product_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PRODUCT_DIR})
endfunction()

# A Windows test: a GoogleTest program run under Wine, one ctest entry per program.
function(windows_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCKS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main_win gtest_win)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    if(T_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()
