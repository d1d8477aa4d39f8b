cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh prefix and checks what lands there:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DVERSION=x.y.z \
#         -P install_test.cmake
# Exactly the three programs with their manual pages, the desktop entry, the icon, the two help
# files and the reference documents they link to, the copyright and the change log; the entry's
# keys; the help pages as the user's guide in English and in Chinese, their links to files beside
# them; the manual pages' usage and m742-cli's commands; and the installed programs run.

foreach(var BUILD_DIR PREFIX BINDIR DATADIR VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

set(failures "")
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

# Exactly these files: no test, benchmark, fuzz, screenshot or build-tool program.
set(programs m742 m742-cli m742-radio-sim)
set(desktop_entry "${DATADIR}/applications/m742.desktop")
set(icon "${DATADIR}/icons/hicolor/scalable/apps/m742.svg")
set(help_file "${DATADIR}/doc/m742/M-742.html")
set(chinese_help_file "${DATADIR}/doc/m742/M-742.zh.html")
set(mime_type "${DATADIR}/mime/packages/m742.xml")
set(expected "${desktop_entry}" "${mime_type}" "${icon}" "${help_file}" "${chinese_help_file}"
             "${DATADIR}/doc/m742/copyright" "${DATADIR}/doc/m742/changelog.gz")
foreach(document cli.md plan-format.md m742-plan.schema.json)
  list(APPEND expected "${DATADIR}/doc/m742/${document}")
endforeach()
foreach(program IN LISTS programs)
  list(APPEND expected "${BINDIR}/${program}" "${DATADIR}/man/man1/${program}.1.gz")
  execute_process(COMMAND test -x "${PREFIX}/${BINDIR}/${program}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("${BINDIR}/${program} is not an executable")
  endif()
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed_text "${installed}")
  string(REPLACE ";" "\n  " expected_text "${expected}")
  fail("installed:\n  ${installed_text}\nexpected:\n  ${expected_text}")
endif()

# The desktop entry: its group first, then the keys the menus need, each on a line of its own.
if(EXISTS "${PREFIX}/${desktop_entry}")
  file(READ "${PREFIX}/${desktop_entry}" entry)
  if(NOT entry MATCHES "^\\[Desktop Entry\\]\n")
    fail("the desktop entry does not start with its group [Desktop Entry]")
  endif()
  set(entry "\n${entry}\n")
  foreach(line IN ITEMS "Type=Application" "Name=M-742 Radio Software"
                        "Name[zh_CN]=M-742对讲机编程软件" "Exec=m742 %f" "Icon=m742"
                        "Terminal=false" "MimeType=application/x-m742-plan;")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at LESS 0)
      fail("the desktop entry lacks \"${line}\"")
    endif()
  endforeach()
  foreach(category Utility HamRadio)
    if(NOT entry MATCHES "\nCategories=([^\n]*;)?${category};")
      fail("the desktop entry's categories lack ${category}")
    endif()
  endforeach()
endif()

# The data files' type: known by the header the program writes.
if(EXISTS "${PREFIX}/${mime_type}")
  file(READ "${PREFIX}/${mime_type}" mime)
  if(NOT mime MATCHES "type=\"application/x-m742-plan\"" OR NOT mime MATCHES "value=\"ZMR47C\"")
    fail("the MIME type does not describe the data files")
  endif()
endif()

if(EXISTS "${PREFIX}/${icon}")
  file(READ "${PREFIX}/${icon}" svg)
  if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"")
    fail("the icon is no SVG picture")
  endif()
endif()

# The help pages: UTF-8 HTML holding the user's guide with its pictures inside, in its language,
# and nothing for the developers (building, the sources' folders).
set(heading "<h[1-3][^>]*>(<[^>]*>)*")
foreach(language en zh)
  if(language STREQUAL "en")
    set(file "${help_file}")
    set(wanted "${heading}M-742<" "${heading}The program<" "${heading}Editing channels<"
               "${heading}Data files<" "Print Preview" "m742 --version")
  else()
    set(file "${chinese_help_file}")
    set(wanted "${heading}M-742<" "${heading}程序<" "${heading}编辑信道<" "${heading}数据文件<"
               "打印预览" "m742 --version")
  endif()
  if(NOT EXISTS "${PREFIX}/${file}")
    continue()
  endif()
  file(READ "${PREFIX}/${file}" page)
  foreach(pattern IN ITEMS "^<!DOCTYPE HTML" "<meta charset=\"utf-8\"" "<title>M-742</title>"
                           "<img src=\"data:image/png;base64,[A-Za-z0-9+/]+=*\"" "口令" ${wanted})
    if(NOT page MATCHES "${pattern}")
      fail("the help file ${file} lacks ${pattern}")
    endif()
  endforeach()
  # Every link to a file names one installed beside the page, and the reference documents have one.
  string(REGEX MATCHALL "href=\"[^\":#]+" links "${page}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^href=\"" "" link "${link}")
    if(NOT EXISTS "${PREFIX}/${DATADIR}/doc/m742/${link}")
      fail("the help file ${file} links to ${link}, which is not beside it")
    endif()
  endforeach()
  foreach(link cli.md plan-format.md m742-plan.schema.json)
    if(NOT page MATCHES "href=\"${link}\"")
      fail("the help file ${file} has no link to ${link}")
    endif()
  endforeach()
  foreach(pattern IN ITEMS "${heading}Building" "${heading}Source layout" "${heading}Installing"
                           "cmake --" "scripts/" "build/bin" "src=\"docs/" "src=\"images/")
    if(page MATCHES "${pattern}")
      fail("the help file ${file} holds ${pattern}")
    endif()
  endforeach()
endforeach()
# Each page in its own language: the Chinese one is not the English one.
if(EXISTS "${PREFIX}/${chinese_help_file}")
  file(READ "${PREFIX}/${chinese_help_file}" page)
  if(page MATCHES "${heading}The program<")
    fail("the Chinese help file holds the English guide")
  endif()
endif()

# The installed programs run from their new place.
foreach(program m742-cli m742-radio-sim)
  execute_process(COMMAND "${PREFIX}/${BINDIR}/${program}" --help
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR output STREQUAL "")
    fail("installed ${program} --help gave ${status}: ${output}${errors}")
  endif()
endforeach()
# Both programs name the project's version, and the window's answers need no display.
foreach(program m742 m742-cli)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          "${PREFIX}/${BINDIR}/${program}" --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "${program} ${VERSION}\n")
    fail("installed ${program} --version gave ${status}: ${output}${errors}")
  endif()
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        LANG=C "${PREFIX}/${BINDIR}/m742" --help
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output MATCHES "^m742 ${VERSION} .*Usage: m742 \\[FILE.DAT\\]")
  fail("installed m742 --help gave ${status}: ${output}${errors}")
endif()
execute_process(COMMAND "${PREFIX}/${BINDIR}/m742-cli" RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 2 OR NOT errors MATCHES "m742-cli --help")
  fail("installed m742-cli without a command gave ${status}: ${errors}")
endif()

# The manual pages: their usage lines one under the other in SYNOPSIS, and m742-cli's COMMANDS
# naming every command its --help lists, so that the page cannot lag behind the program.
set(usage "\\.B [^\n]+\n[^\n]*\n")  # ".B m742" and the line of its arguments
foreach(program m742 m742-cli)
  execute_process(COMMAND gzip -dc "${PREFIX}/${DATADIR}/man/man1/${program}.1.gz"
                  OUTPUT_VARIABLE page_${program} ERROR_QUIET)
  if(NOT page_${program} MATCHES "\n\\.SH SYNOPSIS\n${usage}\\.br\n${usage}\\.br\n${usage}")
    fail("the manual page ${program}.1 lacks its three usage lines in SYNOPSIS")
  endif()
endforeach()
execute_process(COMMAND "${PREFIX}/${BINDIR}/m742-cli" --help OUTPUT_VARIABLE help)
string(REGEX REPLACE ".*\nCommands:\n(([ ]+[^\n]+\n)+).*" "\\1" help_commands "${help}")
string(REGEX MATCHALL "\n  [a-z-]+ " commands "\n${help_commands}")
string(FIND "${page_m742-cli}" "\n.SH COMMANDS\n" commands_at)
if(commands STREQUAL "" OR commands_at LESS 0)
  fail("m742-cli --help lists no commands, or its manual page has no COMMANDS: ${help}")
endif()
string(SUBSTRING "${page_m742-cli}" ${commands_at} -1 commands_section)
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  string(REPLACE "-" "\\-" roff_command "${command}")
  string(FIND "${commands_section}" "\n\\fBm742\\-cli ${roff_command}\\fR" at)
  if(at LESS 0)
    fail("the manual page m742-cli.1 lacks the command ${command}")
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed and checked: ${installed}")
