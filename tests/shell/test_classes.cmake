cmake_minimum_required(VERSION 3.25)
# The QtTest classes compiled into main_window_tests are exactly those ctest runs one by one:
#   cmake -DPROGRAM=.../main_window_tests -DCLASSES=StartupTest,LanguageTest,... \
#         -P test_classes.cmake

foreach(var PROGRAM CLASSES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --list-classes
                RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --list-classes failed (${status}):\n${errors}")
endif()
string(REGEX MATCHALL "[^\n]+" compiled "${listing}")
string(REPLACE "," ";" entries "${CLASSES}")

set(failures "")
foreach(class IN LISTS compiled)
  if(NOT class IN_LIST entries)
    string(APPEND failures "${class} is compiled in but has no ctest entry "
                           "(tests/shell/CMakeLists.txt)\n")
  endif()
endforeach()
foreach(class IN LISTS entries)
  if(NOT class IN_LIST compiled)
    string(APPEND failures "${class} has a ctest entry but no such class is compiled in\n")
  endif()
endforeach()
list(LENGTH compiled count)
if(count EQUAL 0)
  string(APPEND failures "${PROGRAM} --list-classes listed no class\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${count} test classes, each with its ctest entry")
