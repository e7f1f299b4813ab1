# The unit tests, each beside its unit. Those whose rules hold on both systems also run as a
# Windows program under Wine (tests/windows).
set(QUINTREL_PORTABLE_UNIT_TESTS
  src/cmdline/parameter_list_test.cpp
  src/cmdline/switch_lookup_test.cpp
  src/platform/argv_line_test.cpp
  src/platform/failure_report_test.cpp
  src/platform/unit_table_test.cpp
  src/scan/text_scan_test.cpp
)
set(QUINTREL_POSIX_UNIT_TESTS
  src/platform/path_posix_test.cpp
  src/platform/text_reader_test.cpp
  src/platform/text_writer_test.cpp
  src/platform/win_error_posix_test.cpp
  src/scan/tally_tabs_test.cpp
)
list(TRANSFORM QUINTREL_PORTABLE_UNIT_TESTS PREPEND ${PROJECT_SOURCE_DIR}/)
list(TRANSFORM QUINTREL_POSIX_UNIT_TESTS PREPEND ${PROJECT_SOURCE_DIR}/)
