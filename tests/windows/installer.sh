#!/usr/bin/env bash
# The Windows installer under Wine: builds m742-<version>-win64.exe, installs it silently into
# a fresh Wine prefix, runs the installed m742-cli.exe, uninstalls it silently and checks that
# nothing is left: no program folder, no Start-menu entry, no file type, no uninstall entry.
#
#   installer.sh BUILD_DIR VERSION WORK
set -uo pipefail
build=$1 version=$2 work=$3
installer="$build/m742-$version-win64.exe"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

rm -f "$installer"
cmake --build "$build" --target package >"$work.package.log" 2>&1 ||
    { cat "$work.package.log"; echo "FAIL the package target"; exit 1; }
[ -f "$installer" ] || { echo "FAIL no $installer"; exit 1; }

rm -rf "$work"
mkdir -p "$work"
wineboot -i >/dev/null 2>&1
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/M-742"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/M-742"
key='HKLM\Software\Classes\M742.DataFile\shell\open\command'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\M-742'

wine "$installer" /S
wineserver -w
for file in m742.exe m742-cli.exe Qt6Core.dll Qt6Widgets.dll Qt6SerialPort.dll Qt6PrintSupport.dll \
    libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    qt.conf translations/qtbase_zh_CN.qm M-742.html M-742.zh.html cli.md Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$menu/M-742.lnk" ] || fail "no Start-menu entry: $(ls "$menu" 2>&1)"
wine reg query "$key" 2>/dev/null | grep -q 'm742.exe" "%1"' ||
    fail ".DAT files do not open in m742.exe: $(wine reg query "$key" 2>&1)"
wine reg query 'HKLM\Software\Classes\.DAT' 2>/dev/null | grep -q M742.DataFile ||
    fail "no .DAT file type"

# The installed tool, from its own folder, on a file with a Chinese name.
cli="$folder/m742-cli.exe"
[ "$(wine "$cli" --version)" = "m742-cli $version" ] || fail "installed m742-cli.exe --version"
(cd "$work" && wine "$cli" new 新.dat) || fail "installed m742-cli.exe new"
[ "$(stat -c %s "$work/新.dat" 2>/dev/null)" = 1074 ] || fail "new wrote no 1074-byte data file"
(cd "$work" && wine "$cli" dump 新.dat >dump.txt) || fail "installed m742-cli.exe dump"
grep -q "Memory Channel" "$work/dump.txt" || fail "dump printed no channels: $(head -3 "$work/dump.txt")"

wine "$folder/Uninstall.exe" /S
wineserver -w
[ -e "$folder" ] && fail "left after uninstalling: $(find "$folder")"
[ -e "$menu" ] && fail "Start-menu entry left after uninstalling"
wine reg query 'HKLM\Software\Classes\M742.DataFile' >/dev/null 2>&1 && fail "file type left"
wine reg query 'HKLM\Software\Classes\.DAT' >/dev/null 2>&1 && fail ".DAT left"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "uninstall entry left"

if ((failures > 0)); then
    echo "$failures failures"
    exit 1
fi
echo "installed, ran and uninstalled m742-$version-win64.exe under Wine"
