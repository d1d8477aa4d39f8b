cmake_minimum_required(VERSION 3.25)
# Writes a program's manual page from its --help, compressed as Debian wants it:
#   cmake -DHELP2MAN=... -DPROGRAM=path -DNAME=text -DVERSION=x.y.z -DOUTPUT=name.1.gz
#         [-DINCLUDE=sections.h2m] [-DSECTIONS_OPTION=--option] -P man_page.cmake
# INCLUDE adds fixed sections in help2man's include format; SECTIONS_OPTION makes the program
# print more of them itself (m742-cli --man-commands, its list of commands).
foreach(var HELP2MAN PROGRAM NAME VERSION OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
set(includes "")
if(INCLUDE)
  list(APPEND includes "--include=${INCLUDE}")
endif()
if(SECTIONS_OPTION)
  execute_process(COMMAND "${PROGRAM}" "${SECTIONS_OPTION}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE sections ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR sections STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} ${SECTIONS_OPTION} failed (${status}): ${errors}")
  endif()
  file(WRITE "${page}.h2m" "${sections}")
  list(APPEND includes "--include=${page}.h2m")
endif()
# No display is needed for --help; the window program must not look for one.
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY LANG=C.UTF-8
          "${HELP2MAN}" --no-info --no-discard-stderr --section=1 "--version-string=${VERSION}"
          "--name=${NAME}" ${includes} "--output=${page}" "${PROGRAM}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man ${PROGRAM} failed (${status}): ${errors}")
endif()
# -n: no name or time stamp in the archive, so that a rebuild gives the same bytes.
execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip ${page} failed (${status}): ${errors}")
endif()
