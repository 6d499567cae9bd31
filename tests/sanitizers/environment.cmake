# Read by CTest in a sanitized build folder before it runs any test: the
# sanitizer settings go into CTest's own environment and from there to every
# test and every process a test starts.
#
# verify_asan_link_order=0: the settings store test preloads a module that
# kills its child at the commit, which puts that module ahead of the runtime.
set(ENV{ASAN_OPTIONS}
    "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:verify_asan_link_order=0")
set(ENV{LSAN_OPTIONS} "suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1:halt_on_error=1")
