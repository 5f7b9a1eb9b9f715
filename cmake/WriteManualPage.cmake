# Writes PAGE (gzipped roff) from PROGRAM's --help and --version with
# help2man in the Russian locale compiled into LOCALES, which gives the
# page's own headings in Russian.
set(locale ru_RU.UTF-8)
# help2man falls back to English headings where the locale does not work.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "LOCPATH=${LOCALES}" "LC_ALL=${locale}" locale charmap
                OUTPUT_VARIABLE charmap ERROR_VARIABLE localeErrors OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT charmap STREQUAL "UTF-8" OR NOT localeErrors STREQUAL "")
  message(FATAL_ERROR "The locale ${locale} in ${LOCALES} does not work: ${localeErrors}")
endif()

get_filename_component(name "${PROGRAM}" NAME)
set(roff "${PAGE}.roff")
# DATE (seconds since 1970) is the page's date; help2man takes it from
# SOURCE_DATE_EPOCH.
set(date)
if(NOT DATE STREQUAL "")
  set(date "SOURCE_DATE_EPOCH=${DATE}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "LOCPATH=${LOCALES}" "LC_ALL=${locale}" ${date}
          "${HELP2MAN}" --no-info "--locale=${locale}" "--include=${INCLUDE}" "--output=${roff}" "${PROGRAM}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${name}: ${errors}")
endif()

# The help names the regional formats of the machine it runs on; a page
# installed elsewhere must not claim them.
file(READ "${roff}" text)
string(REGEX REPLACE "Региональные форматы сейчас:[^\n]*\n" "" text "${text}")
# The help says under the last of the six options of the message header that
# they all default to what the wizard remembered; on the page that line would
# belong to --to-person alone, so the include file says it after the six
# options in a paragraph of its own.
string(REPLACE "\n(по умолчанию \\- значения, запомненные мастером)\n" "\n" text "${text}")
# man reads a page without a coding line as ISO-8859-1 where the path does
# not name the encoding (as in man1/); the page is UTF-8.
file(WRITE "${roff}" "'\\\" -*- coding: UTF-8 -*-\n${text}")

execute_process(COMMAND gzip -9nc "${roff}" OUTPUT_FILE "${PAGE}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${name}")
endif()
file(REMOVE "${roff}")
