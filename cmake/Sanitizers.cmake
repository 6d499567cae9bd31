# ZFK_SANITIZE: everything g++ builds here (the library, the program, the
# tools and the tests) is built with AddressSanitizer and UBSan, and the first
# undefined behaviour ends the program like a memory fault does, so that a
# test cannot pass over it. The libFuzzer harnesses carry clang's sanitizers
# already and are not built again in such a folder.
option(ZFK_SANITIZE "Build with AddressSanitizer and UBSan (g++)" OFF)
if(ZFK_SANITIZE)
    set(zfk_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${zfk_sanitize_flags})
    add_link_options(${zfk_sanitize_flags})
    # CTest reads this before any test and passes its settings on to every
    # test and to whatever a test starts (scripts, the program under Xvfb).
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${PROJECT_SOURCE_DIR}/tests/sanitizers/environment.cmake)
endif()
