cmake_minimum_required(VERSION 3.25)
# Builds the Debian package and checks it without installing it:
#   cmake -DBUILD_DIR=... -DVERSION=x.y.z -P package_test.cmake
# dpkg-deb --info: its name, version, architecture and the run-time dependencies dpkg-shlibdeps
# found; dpkg-deb --contents: exactly the programs, their manual pages, the desktop entry, the
# icon, the help files with the reference documents they link to, the copyright and the change
# log, under /usr; lintian: no error and no warning. Lintian's informational notes are
# accepted; with a Debug build they are
#   hardening-no-bindnow, hardening-no-fortify-functions   (the build's own flags, not Debian's)
#   binary-has-unneeded-section .comment                   (the compiler's note in the programs)
#   spelling-error-in-binary Lauch                         (a caption the radio's users know)
#   possible-documentation-but-no-doc-base-registration    (the help files open from F1)
foreach(var BUILD_DIR VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

set(failures "")
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

set(package "${BUILD_DIR}/m742_${VERSION}_amd64.deb")
file(REMOVE "${package}")
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target package
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT EXISTS "${package}")
  message(FATAL_ERROR "the package target failed (${status}) or made no ${package}:\n${output}")
endif()

execute_process(COMMAND dpkg-deb --info "${package}" RESULT_VARIABLE status
                OUTPUT_VARIABLE info ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --info failed (${status}): ${errors}")
endif()
foreach(line IN ITEMS "Package: m742" "Version: ${VERSION}" "Architecture: amd64"
                      "Section: hamradio")
  string(FIND "${info}" "\n ${line}\n" at)
  if(at LESS 0)
    fail("the control file lacks \"${line}\"")
  endif()
endforeach()
if(NOT info MATCHES "\n Depends: ([^\n]*)\n")
  fail("the control file has no Depends")
endif()
set(depends "${CMAKE_MATCH_1}")
# Found by dpkg-shlibdeps from the programs, with their versions; and named by us.
foreach(dependency libqt6widgets6 libqt6serialport6 libqt6printsupport6 libqt6core6 libc6)
  if(NOT depends MATCHES "(^|, )${dependency} \\(>= [^)]+\\)")
    fail("Depends lacks ${dependency} with its version: ${depends}")
  endif()
endforeach()
foreach(dependency qt6-qpa-plugins fonts-wqy-zenhei)
  if(NOT depends MATCHES "(^|, )${dependency}(,|$)")
    fail("Depends lacks ${dependency}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents "${package}" RESULT_VARIABLE status
                OUTPUT_VARIABLE contents ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents failed (${status}): ${errors}")
endif()
# The files, with their modes, leaving out the folders.
string(REGEX MATCHALL "\n-[rwx-]+ root/root +[0-9]+ [0-9-]+ [0-9:]+ \\./[^\n]+" lines "\n${contents}")
set(files "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\n(-[rwx-]+) .* \\./" "\\1 /" line "${line}")
  list(APPEND files "${line}")
endforeach()
list(SORT files)
set(expected
    "-rw-r--r-- /usr/share/applications/m742.desktop"
    "-rw-r--r-- /usr/share/doc/m742/M-742.html"
    "-rw-r--r-- /usr/share/doc/m742/M-742.zh.html"
    "-rw-r--r-- /usr/share/doc/m742/changelog.gz"
    "-rw-r--r-- /usr/share/doc/m742/cli.md"
    "-rw-r--r-- /usr/share/doc/m742/copyright"
    "-rw-r--r-- /usr/share/doc/m742/m742-plan.schema.json"
    "-rw-r--r-- /usr/share/doc/m742/plan-format.md"
    "-rw-r--r-- /usr/share/icons/hicolor/scalable/apps/m742.svg"
    "-rw-r--r-- /usr/share/mime/packages/m742.xml")
foreach(program m742 m742-cli m742-radio-sim)
  list(APPEND expected "-rwxr-xr-x /usr/bin/${program}"
                       "-rw-r--r-- /usr/share/man/man1/${program}.1.gz")
endforeach()
list(SORT expected)
if(NOT files STREQUAL expected)
  string(REPLACE ";" "\n  " files_text "${files}")
  string(REPLACE ";" "\n  " expected_text "${expected}")
  fail("the package holds:\n  ${files_text}\nexpected:\n  ${expected_text}")
endif()

# Lintian refuses to run as root unless told that it may.
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(root_option "")
if(uid STREQUAL "0")
  set(root_option --allow-root)
endif()
execute_process(COMMAND lintian ${root_option} --fail-on error,warning --no-tag-display-limit
                        "${package}"
                RESULT_VARIABLE status OUTPUT_VARIABLE findings ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  fail("lintian (${status}):\n${findings}${errors}")
endif()

if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "${package} checked:\n${info}\n${findings}")
