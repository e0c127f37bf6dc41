# Settings shared by every Windows target: static runtime (the programs run from a bare
# folder), Unicode APIs, and the dependencies that tools/setup.sh cross-builds.
set(DEPS_DIR ${CMAKE_SOURCE_DIR}/build/deps)
set(PRODUCT_DIR ${CMAKE_BINARY_DIR}/bin)
# Tests run under Wine with the project's private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-test.sh)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Optimised programs carry no debug information: the loader would read it into memory with
# the rest of the image.
add_link_options($<$<CONFIG:Release>:-s>)
# Sections aligned to whole pages in the file as in memory: a loader can then map the image
# (only the pages a program touches become resident) instead of reading all of it in.
add_link_options(-Wl,--file-alignment,4096)

# System libraries that only some commands need (the file dialog; the shell's folders, links,
# drops and launches) are bound at their first call instead of at start-up: comdlg32 alone
# brings the print spooler and its network libraries into the process. Each list in
# cmake/delay_imports names the functions the programs call; one missing there would be bound
# at start-up again.
find_program(MINGW_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)
foreach(library comdlg32 shell32 shlwapi)
    set(def ${CMAKE_SOURCE_DIR}/cmake/delay_imports/${library}.def)
    set(lib ${CMAKE_BINARY_DIR}/delay_imports/lib${library}_delay.a)
    add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay_imports
        COMMAND ${MINGW_DLLTOOL} --input-def ${def} --output-delaylib ${lib} --dllname ${library}.dll
        DEPENDS ${def}
        VERBATIM)
    add_custom_target(${library}_delay_lib DEPENDS ${lib})
    add_library(${library}_delayed INTERFACE)
    target_link_libraries(${library}_delayed INTERFACE ${lib} delayimp)
    add_dependencies(${library}_delayed ${library}_delay_lib)
endforeach()

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

# Embeds text form descriptions in a program. Each forms/<Name>.form is compiled at build
# time by the native form compiler into its binary form and becomes an RCDATA resource
# named after the top object's class in upper case (object AskForClose: TAskForClose gives
# "TASKFORCLOSE"), the name under which the program looks the form up.
function(add_form_resources target)
    if(NOT HOST_TOOLS_DIR)
        message(FATAL_ERROR "add_form_resources: set HOST_TOOLS_DIR to the native build's tools folder (make windows does)")
    endif()
    set(formc ${HOST_TOOLS_DIR}/formc)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms)
    file(MAKE_DIRECTORY ${out_dir})
    set(scripts "")
    foreach(form IN LISTS ARGN)
        get_filename_component(form_path ${form} ABSOLUTE)
        get_filename_component(form_name ${form} NAME_WE)
        add_custom_command(OUTPUT ${out_dir}/${form_name}.bin ${out_dir}/${form_name}.rc
            COMMAND ${formc} ${form_path} ${out_dir}/${form_name}.bin ${out_dir}/${form_name}.rc
            DEPENDS ${form_path} ${formc}
            COMMENT "Compiling form ${form_name}"
            VERBATIM)
        list(APPEND scripts ${out_dir}/${form_name}.rc)
    endforeach()
    add_custom_command(OUTPUT ${out_dir}/forms.rc
        COMMAND ${CMAKE_COMMAND} -E cat ${scripts} > ${out_dir}/forms.rc
        DEPENDS ${scripts}
        VERBATIM)
    target_sources(${target} PRIVATE ${out_dir}/forms.rc)
endfunction()

# Every window's form description; the program and the tests that open windows embed them all.
file(GLOB PROGRAM_FORMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/forms/*.form)
