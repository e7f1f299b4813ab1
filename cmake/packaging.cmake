# The manual page names the project's version.
configure_file(man/quintrel.1.in quintrel.1 @ONLY)

# Installation and packages: a .deb of the Linux program with its manual page, and a .zip of the
# Windows program with its manual, its licence and a short text for batch-file users.
if(WIN32)
  install(TARGETS quintrel RUNTIME DESTINATION .)
  # Texts for Windows users end their lines in CR LF.
  function(quintrel_windows_text source destination)
    file(READ ${source} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    string(CONFIGURE "${text}" text @ONLY)
    file(WRITE ${PROJECT_BINARY_DIR}/${destination} "${text}")
    install(FILES ${PROJECT_BINARY_DIR}/${destination} DESTINATION .)
  endfunction()
  quintrel_windows_text(${PROJECT_SOURCE_DIR}/packaging/README-Windows.txt.in README-Windows.txt)
  quintrel_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
  find_program(MANDOC mandoc)
  if(MANDOC)
    add_custom_command(OUTPUT quintrel.html
      COMMAND ${MANDOC} -T html ${PROJECT_BINARY_DIR}/quintrel.1 > quintrel.html
      DEPENDS ${PROJECT_BINARY_DIR}/quintrel.1)
    add_custom_target(manual_html ALL DEPENDS quintrel.html)
    install(FILES ${PROJECT_BINARY_DIR}/quintrel.html DESTINATION .)
  else()
    message(WARNING "mandoc not found (Debian: mandoc): the .zip is packed without quintrel.html")
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  include(GNUInstallDirs)
  install(TARGETS quintrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Debian keeps its manual pages compressed.
  add_custom_command(OUTPUT quintrel.1.gz
    COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/quintrel.1 > quintrel.1.gz
    DEPENDS ${PROJECT_BINARY_DIR}/quintrel.1)
  add_custom_target(manual_page ALL DEPENDS quintrel.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/quintrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # What Debian wants beside the program: the licence, the changelog, and the reason for the one
  # check that the static link fails on purpose.
  file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog changelog_head LIMIT_COUNT 1)
  if(NOT changelog_head MATCHES "^quintrel \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog has no entry for ${PROJECT_VERSION} on top")
  endif()
  add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > changelog.gz
    DEPENDS packaging/debian/changelog)
  add_custom_target(debian_changelog ALL DEPENDS changelog.gz)
  configure_file(packaging/debian/copyright.in copyright @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES packaging/debian/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME quintrel)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quintrel developers <quintrel@example.org>")
endif()
set(CPACK_PACKAGE_NAME quintrel)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VENDOR "Quintrel developers")
set(CPACK_PACKAGE_CONTACT "quintrel@example.org")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count the tab characters in a text file")
# Debian wants the description's lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Quintrel counts the tabs in one file, read as text up to its end or its first\nCtrl-Z, prints a one-line report, and tells scripts by its exit code: 0 no\ntab, 1 tabs, 2 error.")
include(CPack)
