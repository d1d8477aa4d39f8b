cmake_minimum_required(VERSION 3.25)
# Every ctest entry of a build carries exactly one of the labels "fast" and "slow":
#   cmake -DCTEST=.../ctest -DBUILD_DIR=... -DWORK_DIR=... -P test_labels.cmake
# ctest lists the build's entries from WORK_DIR, a folder that only includes the build's own
# test files: a ctest run writes its log into the folder it runs in, and the one running this
# test writes its own into the build's.

foreach(var CTEST BUILD_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(WRITE "${WORK_DIR}/CTestTestfile.cmake" "subdirs(\"${BUILD_DIR}\")\n")

# The names of the entries `ctest -N` lists with these arguments.
function(list_entries out)
  execute_process(COMMAND "${CTEST}" --test-dir "${WORK_DIR}" -N ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE listing)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "ctest -N ${ARGN} failed (${status}):\n${listing}")
  endif()
  string(REGEX MATCHALL "Test +#[0-9]+: [^\n]+" lines "${listing}")
  list(TRANSFORM lines REPLACE "^Test +#[0-9]+: " "")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

list_entries(all)
list_entries(neither -LE "^(fast|slow)$")
list_entries(both -L "^fast$" -L "^slow$")
list(LENGTH all count)
if(count EQUAL 0)
  message(FATAL_ERROR "ctest lists no entry in ${BUILD_DIR}")
endif()
set(failures "")
if(neither)
  list(JOIN neither "\n  " names)
  string(APPEND failures "Labelled neither \"fast\" nor \"slow\":\n  ${names}\n")
endif()
if(both)
  list(JOIN both "\n  " names)
  string(APPEND failures "Labelled both \"fast\" and \"slow\":\n  ${names}\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${count} entries, each labelled \"fast\" or \"slow\"")
