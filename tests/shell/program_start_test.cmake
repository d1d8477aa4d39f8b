cmake_minimum_required(VERSION 3.25)
# The window program answers its command line without a display: no DISPLAY, no
# WAYLAND_DISPLAY, no QT_QPA_PLATFORM.
#   cmake -DPROGRAM=.../m742 -P program_start_test.cmake

if(NOT DEFINED PROGRAM)
  message(FATAL_ERROR "PROGRAM not given")
endif()

set(failures "")
# Each case: the arguments (";"-separated as one list item with "|"), the exit status, the
# stream that must hold the text, and the text.
foreach(case "--bogus;2;stderr;unknown option \"--bogus\""
             "a.DAT|b.DAT;2;stderr;only one data file can be opened"
             "--version;0;stdout;m742 "
             "--help;0;stdout;Usage: m742 [FILE.DAT]"
             "-platform|offscreen|--help;0;stdout;Usage: m742 [FILE.DAT]")
  list(GET case 0 args)
  list(GET case 1 expected_status)
  list(GET case 2 stream)
  list(GET case 3 expected_text)
  string(REPLACE "|" ";" args "${args}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM LC_ALL=C "${PROGRAM}" ${args}
    RESULT_VARIABLE status OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 30)
  if(NOT status STREQUAL expected_status)
    list(APPEND failures "m742 ${args}: exit status ${status}, expected ${expected_status}\n${stderr}")
  endif()
  string(FIND "${${stream}}" "${expected_text}" at)
  if(at EQUAL -1)
    list(APPEND failures "m742 ${args}: ${stream} lacks \"${expected_text}\":\n${${stream}}")
  endif()
endforeach()

if(failures)
  string(JOIN "\n" report ${failures})
  message(FATAL_ERROR "${report}")
endif()
