# SPDX-License-Identifier: GPL-3.0-or-later
# Read by ctest in the sanitizer tree before any test is discovered or run. Every test program,
# and every program a test starts, inherits these options: any report ends the program with a
# failure, and LeakSanitizer checks at exit, with only the leaks in lsan.supp let through.
# Options already in the environment come last, so they win.
set(ENV{ASAN_OPTIONS}
    "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:$ENV{ASAN_OPTIONS}")
set(ENV{LSAN_OPTIONS}
    "suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0:$ENV{LSAN_OPTIONS}")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1:halt_on_error=1:$ENV{UBSAN_OPTIONS}")
