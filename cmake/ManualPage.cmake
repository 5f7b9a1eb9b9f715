# add_manual_page(TARGET INCLUDE COMPONENT): the section-1 manual page of an
# executable, written by help2man from its own --help and --version (so the
# page cannot drift from the program) plus the sections of the include file,
# in Russian, gzipped and installed with the component. Skipped, with a
# notice, where help2man or localedef is missing.
find_program(HELP2MAN help2man)
find_program(LOCALEDEF localedef)

# The page's date is the release's, the time of debian/changelog's first
# entry (as dpkg-buildpackage gives it in SOURCE_DATE_EPOCH), not the day of
# the build.
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog)
set(QUARNEL_MAN_DATE "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUARNEL_MAN_DATE "$ENV{SOURCE_DATE_EPOCH}")
elseif(DPKG_PARSECHANGELOG)
  execute_process(COMMAND "${DPKG_PARSECHANGELOG}" -l "${PROJECT_SOURCE_DIR}/debian/changelog" -STimestamp
                  OUTPUT_VARIABLE QUARNEL_MAN_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()

# The Russian locale help2man runs in, compiled into the build tree once
# (the system may lack it, and compiling it needs no privileges).
set(QUARNEL_MAN_LOCALES "${CMAKE_BINARY_DIR}/locale")
if(HELP2MAN AND LOCALEDEF)
  add_custom_command(
    OUTPUT "${QUARNEL_MAN_LOCALES}/ru_RU.UTF-8/LC_CTYPE"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${QUARNEL_MAN_LOCALES}"
    # localedef reports warnings about its source data with a non-zero status
    # even when it wrote the locale; the page's script checks the locale works.
    COMMAND sh -c "\"$0\" -i ru_RU -f UTF-8 \"$1\" || true" "${LOCALEDEF}" "${QUARNEL_MAN_LOCALES}/ru_RU.UTF-8"
    COMMENT "Russian locale for the manual pages"
    VERBATIM)
  add_custom_target(quarnel-man-locale DEPENDS "${QUARNEL_MAN_LOCALES}/ru_RU.UTF-8/LC_CTYPE")
endif()

function(add_manual_page target include component)
  if(NOT HELP2MAN OR NOT LOCALEDEF)
    message(STATUS "help2man or localedef not found: no manual page for ${target}")
    return()
  endif()
  set(page "${CMAKE_CURRENT_BINARY_DIR}/${target}.1.gz")
  add_custom_command(
    OUTPUT "${page}"
    COMMAND "${CMAKE_COMMAND}"
            "-DHELP2MAN=${HELP2MAN}" "-DLOCALEDEF=${LOCALEDEF}"
            "-DPROGRAM=$<TARGET_FILE:${target}>" "-DINCLUDE=${include}" "-DPAGE=${page}"
            "-DLOCALES=${QUARNEL_MAN_LOCALES}" "-DDATE=${QUARNEL_MAN_DATE}"
            -P "${PROJECT_SOURCE_DIR}/cmake/WriteManualPage.cmake"
    DEPENDS ${target} quarnel-man-locale "${QUARNEL_MAN_LOCALES}/ru_RU.UTF-8/LC_CTYPE" "${include}"
            "${PROJECT_SOURCE_DIR}/cmake/WriteManualPage.cmake"
    COMMENT "Manual page ${target}(1)"
    VERBATIM)
  add_custom_target(${target}-manual-page ALL DEPENDS "${page}")
  install(FILES "${page}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT ${component})
endfunction()
