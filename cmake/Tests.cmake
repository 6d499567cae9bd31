# The three kinds of test in tests/:
#
#   zfk_qt_test(NAME SOURCES src... [LIBRARIES lib...] [DEFINITIONS def...]
#               [DEPENDS target...] [OFFSCREEN] [X_SERVER] [SCREEN WxH]
#               [ENVIRONMENT var=value...] [LABELS label...] [TIMEOUT seconds])
#
#     builds the Qt Test case tst_NAME (linked to Qt Test, zfk_qttest in
#     cmake/Pch.cmake) in the calling folder's binary folder and registers
#     it as the CTest test NAME.
#     OFFSCREEN runs it on Qt's offscreen platform with a settings folder of
#     its own; X_SERVER runs it in its own X server (see zfk_x_test).
#     TIMEOUT defaults to 60 seconds.
#
#   zfk_x_test(NAME COMMAND command args... [SCREEN WxH] [ENVIRONMENT ...]
#              [LABELS ...] [TIMEOUT seconds] [SKIP_RETURN_CODE code])
#
#     runs a command (a script that drives the real program) in its own
#     X server, 1024x768 unless SCREEN says otherwise.
#
#   zfk_add_fuzzer(NAME SOURCES src... [INCLUDES dir...] [CORPUS dir] [QT_CORE])
#
#     a libFuzzer harness, see below.

# Nothing a test starts may touch the settings in the home folder.
set(ZFK_TEST_ENV "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")

# The X server's command line before the command it serves. -noreset: without
# it the server resets each time its last client leaves, and a client
# connecting in that moment is refused. xvfb-run -a takes the first display
# from -n on that has no lock file, which two servers starting at the same
# moment could both take: each test starts looking at a number of its own,
# ten apart, so that the tests can run side by side.
function(_zfk_x_server_command result screen)
    if(NOT screen)
        set(screen 1024x768)
    endif()
    get_property(count GLOBAL PROPERTY ZFK_X_SERVERS)
    if(NOT count)
        set(count 0)
    endif()
    math(EXPR count "${count} + 1")
    set_property(GLOBAL PROPERTY ZFK_X_SERVERS ${count})
    math(EXPR first "100 + 10 * ${count}")
    set(${result} xvfb-run -a -n ${first} -s "-screen 0 ${screen}x24 -noreset" PARENT_SCOPE)
endfunction()

# A test in an X server mostly waits for the server and the program: started
# first (the longer its time limit the sooner), it overlaps with the rest.
function(_zfk_x_server_properties name timeout)
    if(NOT timeout)
        set(timeout 60)
    endif()
    set_tests_properties(${name} PROPERTIES COST ${timeout})
endfunction()

# The properties both kinds share.
function(_zfk_test_properties name timeout environment labels)
    if(NOT timeout)
        set(timeout 60)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
    if(environment)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
    endif()
    if(labels)
        set_tests_properties(${name} PROPERTIES LABELS "${labels}")
    endif()
endfunction()

function(zfk_qt_test name)
    cmake_parse_arguments(T "OFFSCREEN;X_SERVER" "SCREEN;TIMEOUT"
        "SOURCES;LIBRARIES;DEFINITIONS;DEPENDS;ENVIRONMENT;LABELS" ${ARGN})
    set(exe tst_${name})
    add_executable(${exe} ${T_SOURCES})
    target_link_libraries(${exe} PRIVATE ${T_LIBRARIES} zfk_qttest)
    if(T_DEFINITIONS)
        target_compile_definitions(${exe} PRIVATE ${T_DEFINITIONS})
    endif()
    if(T_DEPENDS)
        add_dependencies(${exe} ${T_DEPENDS})
    endif()
    set_target_properties(${exe} PROPERTIES
        BUILD_RPATH "${CMAKE_BINARY_DIR}"
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

    # Each test includes its own moc file, so what AUTOMOC compiles beside it
    # is empty: not worth loading the precompiled header for.
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${exe}_autogen/mocs_compilation.cpp
        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)

    set(command $<TARGET_FILE:${exe}>)
    if(T_X_SERVER)
        _zfk_x_server_command(x "${T_SCREEN}")
        set(command ${x} ${command})
    endif()
    add_test(NAME ${name} COMMAND ${command})

    set(environment ${T_ENVIRONMENT})
    if(T_OFFSCREEN)
        list(PREPEND environment ${ZFK_TEST_ENV})
    endif()
    _zfk_test_properties(${name} "${T_TIMEOUT}" "${environment}" "${T_LABELS}")
    if(T_X_SERVER)
        _zfk_x_server_properties(${name} "${T_TIMEOUT}")
    endif()
endfunction()

function(zfk_x_test name)
    cmake_parse_arguments(T "" "SCREEN;TIMEOUT;SKIP_RETURN_CODE" "COMMAND;ENVIRONMENT;LABELS" ${ARGN})
    _zfk_x_server_command(x "${T_SCREEN}")
    add_test(NAME ${name} COMMAND ${x} ${T_COMMAND})
    _zfk_test_properties(${name} "${T_TIMEOUT}" "${T_ENVIRONMENT}" "${T_LABELS}")
    _zfk_x_server_properties(${name} "${T_TIMEOUT}")
    if(T_SKIP_RETURN_CODE)
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE ${T_SKIP_RETURN_CODE})
    endif()
endfunction()

# libFuzzer harnesses. The main build uses g++, and libFuzzer comes with
# clang, so each harness is compiled and linked by clang++ directly (with
# ASan and UBSan), and only where clang++ is installed. zfk_add_fuzzer builds
# NAME in the calling binary folder from the sources (paths relative to the
# calling folder or absolute) and, with CORPUS, registers the CTest test NAME
# that runs every corpus file through the harness once. QT_CORE compiles
# against Qt Core and links it, for code that uses its strings.
find_program(ZFK_CLANGXX NAMES clang++ clang++-14)
if(NOT ZFK_CLANGXX)
    message(STATUS "clang++ not found: the fuzzers are not built")
endif()

function(zfk_add_fuzzer name)
    cmake_parse_arguments(F "QT_CORE" "CORPUS" "SOURCES;INCLUDES" ${ARGN})
    # A sanitized g++ folder has them already, from its plain twin.
    if(NOT ZFK_CLANGXX OR ZFK_SANITIZE)
        return()
    endif()
    set(flags -std=c++20 -g -O1 -Wall -Wextra -fno-omit-frame-pointer
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    # Built outside CMake's own compile rules, so the switch is passed on by hand.
    if(CMAKE_COMPILE_WARNING_AS_ERROR)
        list(APPEND flags -Werror)
    endif()
    set(includes)
    foreach(dir IN LISTS F_INCLUDES)
        list(APPEND includes -I${dir})
    endforeach()
    set(libraries)
    if(F_QT_CORE)
        list(APPEND flags -fPIC)
        set(libraries $<TARGET_LINKER_FILE:Qt6::Core>)
    endif()
    set(objects)
    foreach(src IN LISTS F_SOURCES)
        get_filename_component(abs ${src} ABSOLUTE)
        get_filename_component(stem ${src} NAME_WE)
        set(obj ${CMAKE_CURRENT_BINARY_DIR}/${name}.dir/${stem}.o)
        add_custom_command(OUTPUT ${obj}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${name}.dir
            COMMAND ${ZFK_CLANGXX} ${flags} ${includes}
                    "$<$<BOOL:${F_QT_CORE}>:-I$<JOIN:$<TARGET_PROPERTY:Qt6::Core,INTERFACE_INCLUDE_DIRECTORIES>,;-I>>"
                    -MD -MF ${obj}.d -c ${abs} -o ${obj}
            DEPENDS ${abs}
            DEPFILE ${obj}.d
            COMMENT "Compiling ${stem} for ${name} (clang++)"
            COMMAND_EXPAND_LISTS
            VERBATIM)
        list(APPEND objects ${obj})
    endforeach()
    set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${exe}
        COMMAND ${ZFK_CLANGXX} ${flags} ${objects} ${libraries} -o ${exe}
        DEPENDS ${objects}
        COMMENT "Linking fuzzer ${name}"
        VERBATIM)
    # The target's name differs from the file's: Ninja names each target
    # also by its folder, which would be the file's own path.
    add_custom_target(${name}_harness ALL DEPENDS ${exe})
    if(F_CORPUS)
        get_filename_component(corpus ${F_CORPUS} ABSOLUTE)
        # -runs=0: each corpus input once, no mutation.
        add_test(NAME ${name} COMMAND ${exe} -runs=0 ${corpus})
        set_tests_properties(${name} PROPERTIES TIMEOUT 60)
    endif()
endfunction()
