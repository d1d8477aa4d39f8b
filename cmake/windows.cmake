# The Windows build made on Linux with MinGW-w64: GoogleTest from source, the MinGW runtime
# beside the programs, and Wine to run them.

enable_language(RC)  # the program's icon

set(M742_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source, built with the tests")

# A program built here runs under Wine in a prefix of its own; ctest and the tests' runs go
# through this script.
set(M742_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "The Wine prefix that runs the programs")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# The compiler's own DLLs go beside the programs, as they would in an installed copy.
set(M742_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
foreach(dll ${M742_RUNTIME_DLLS})
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "MinGW runtime ${dll} not found")
  endif()
  file(COPY ${found} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()

# Qt's DLLs and the plugins the programs load, beside the programs: the Windows platform (and
# the offscreen one for tests), the native style, the icon and image formats.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(M742_QT_BIN ${qt_core_dll} DIRECTORY)
get_filename_component(M742_QT_PLUGINS ${M742_QT_BIN}/../plugins ABSOLUTE)
set(M742_QT_DLLS Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll Qt6SerialPort.dll)
set(M742_QT_PLUGIN_FILES platforms/qwindows.dll styles/qwindowsvistastyle.dll
                         imageformats/qico.dll)
foreach(dll ${M742_QT_DLLS} Qt6Test.dll)
  file(COPY ${M742_QT_BIN}/${dll} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endforeach()
foreach(plugin ${M742_QT_PLUGIN_FILES} platforms/qoffscreen.dll)
  get_filename_component(folder ${plugin} DIRECTORY)
  file(COPY ${M742_QT_PLUGINS}/${plugin} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
endforeach()

# nlohmann-json is header-only: Debian's headers, copied so that no other Linux header is on
# the Windows build's include path.
file(COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json-headers)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                      INTERFACE_INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/json-headers)

# Qt's own texts in Chinese (the file dialogs, the print preview, the standard buttons): Debian's
# catalogues, in translations/ beside the programs, where qt.conf tells Qt to look.
# qt_zh_CN loads only with every catalogue it names: qtbase and qtmultimedia.
set(M742_QT_TRANSLATIONS qt_zh_CN.qm qtbase_zh_CN.qm qtmultimedia_zh_CN.qm qtserialport_zh_CN.qm)
foreach(catalogue ${M742_QT_TRANSLATIONS})
  if(NOT EXISTS /usr/share/qt6/translations/${catalogue})
    message(FATAL_ERROR "/usr/share/qt6/translations/${catalogue} missing (package qt6-translations-l10n)")
  endif()
  file(COPY /usr/share/qt6/translations/${catalogue}
       DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
endforeach()
file(COPY ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
