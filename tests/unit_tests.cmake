# The unit tests, each beside its unit. Those whose rules hold on both systems also run as a
# Windows program under Wine (tests/windows).
set(QUINTREL_PORTABLE_UNIT_TESTS
  src/cmdline/parameter_list_test.cpp
  src/cmdline/switch_lookup_test.cpp
  src/platform/exceptions_test.cpp
  src/platform/failure_report_test.cpp
  src/platform/string_list_test.cpp
  src/platform/unit_table_test.cpp
  src/scan/text_scan_test.cpp
)
set(QUINTREL_POSIX_UNIT_TESTS
  src/cmdline/parameter_list_posix_test.cpp
  src/platform/os/argv_line_test.cpp
  src/platform/os/path_posix_test.cpp
  src/platform/os/file_posix_test.cpp
  src/platform/text_reader_test.cpp
  src/platform/text_writer_test.cpp
  src/scan/parallel_count_test.cpp
  src/scan/tally_tabs_test.cpp
)
set(QUINTREL_WINDOWS_UNIT_TESTS
  src/platform/os/file_win32_test.cpp
)
list(TRANSFORM QUINTREL_PORTABLE_UNIT_TESTS PREPEND ${PROJECT_SOURCE_DIR}/)
list(TRANSFORM QUINTREL_POSIX_UNIT_TESTS PREPEND ${PROJECT_SOURCE_DIR}/)
list(TRANSFORM QUINTREL_WINDOWS_UNIT_TESTS PREPEND ${PROJECT_SOURCE_DIR}/)
