# The Windows build made on Linux with MinGW-w64: GoogleTest from source, the MinGW runtime
# beside the programs, and Wine to run them.

set(M742_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source, built with the tests")

# A program built here runs under Wine in a prefix of its own; ctest and the tests' runs go
# through this script.
set(M742_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "The Wine prefix that runs the programs")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# The compiler's own DLLs go beside the programs, as they would in an installed copy.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "MinGW runtime ${dll} not found")
  endif()
  file(COPY ${found} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()
