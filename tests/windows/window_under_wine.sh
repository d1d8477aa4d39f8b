#!/usr/bin/env bash
# m742.exe under Wine on a virtual display, driven from the keyboard as a user would: COM1 (the
# Linux simulated radio's pseudo-terminal) chosen in the Com Port menu, Ctrl+R to read the
# radio, File > Save under a Chinese name. The saved file must hold what the Linux m742-cli
# reads from the same simulated radio. Screenshots of the screen after the read and after the
# save are left in WORK.
#
#   window_under_wine.sh LINUX_BIN WINDOWS_BIN WORK
#
# LINUX_BIN holds m742-radio-sim and m742-cli, WINDOWS_BIN m742.exe with its DLLs and plugin
# folders; WORK is wiped. Exits 77 (skipped) when a tool it needs is missing.
set -uo pipefail
if [ $# -ne 3 ]; then
    echo "usage: $0 LINUX_BIN WINDOWS_BIN WORK" >&2
    exit 2
fi
linux_bin=$1 windows_bin=$2
work=$(realpath -m "$3")
sim=$linux_bin/m742-radio-sim cli=$linux_bin/m742-cli
started=$SECONDS

skip() {
    echo "skipped: $*"
    exit 77
}
for tool in Xvfb openbox xdotool xclip import wine wineboot wineserver; do
    command -v "$tool" >/dev/null || skip "no $tool on the PATH"
done
{ [ -x "$sim" ] && [ -x "$cli" ]; } || skip "no m742-radio-sim and m742-cli in $linux_bin"
[ -f "$windows_bin/m742.exe" ] || skip "no m742.exe in $windows_bin"

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
xvfb_pid="" openbox_pid="" sim_pid="" clip_pid="" app_pid="" prefix_used=""

# Everything this script started, each by its own process id; the prefix's server takes the
# program and Wine's services with it.
cleanup() {
    if [ -n "$prefix_used" ]; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
    local pid
    for pid in $app_pid $clip_pid $openbox_pid $xvfb_pid $sim_pid; do
        kill "$pid" 2>/dev/null
    done
    for pid in $app_pid $clip_pid $openbox_pid $xvfb_pid $sim_pid; do
        wait "$pid" 2>/dev/null
    done
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL $*"
    if [ -n "$xvfb_pid" ] && import -window root "$work/failure.png" 2>/dev/null; then
        echo "screenshot: $work/failure.png"
    fi
    exit 1
}
ok() {
    echo "ok $* ($((SECONDS - started)) s)"
}

rm -rf "$work"
mkdir -p "$work/app" || fail "cannot make $work"

# The program as installed, in a folder of its own: in the build's bin/ it would take itself
# for a build and keep its preferences there instead of in %APPDATA%\m742.
cp "$windows_bin/m742.exe" "$windows_bin"/*.dll "$windows_bin/qt.conf" "$work/app/" ||
    fail "cannot copy the program"
for folder in platforms styles imageformats translations; do
    if [ -d "$windows_bin/$folder" ]; then
        cp -r "$windows_bin/$folder" "$work/app/" || fail "cannot copy $folder"
    fi
done

# The radio's memory: channels and settings apart from the fresh plan the window starts with,
# so that a read that did not happen cannot pass for one that did; no password, since the
# window's password box starts empty.
cat >"$work/radio.json" <<'EOF'
{
  "format": "m742-plan",
  "version": 2,
  "password": "",
  "ani": "12AB*#D0",
  "settings": {"squelch_level": 9, "beep": false, "tx_timeout_s": 300, "priority_channel": 16},
  "channels": [
    {"channel": 1, "rx_mhz": "405.01250", "rx_tone": "off", "tx_mhz": "478.00625", "tx_tone": "D645N",
     "busy_lock": "carrier", "bandwidth": "wide", "scan": false, "power": "low"},
    {"channel": 2, "rx_mhz": "410.02500", "rx_tone": "67.0", "tx_mhz": "477.01250", "tx_tone": "off",
     "busy_lock": "tone", "bandwidth": "narrow", "scan": false, "power": "low"},
    {"channel": 8, "rx_mhz": "440.10000", "rx_tone": "D754I", "tx_mhz": "", "tx_tone": "100.0",
     "busy_lock": "tone", "bandwidth": "wide", "scan": true, "power": "high"},
    {"channel": 16, "rx_mhz": "479.99375", "rx_tone": "254.1", "tx_mhz": "400.00000", "tx_tone": "D023N",
     "busy_lock": "off", "bandwidth": "narrow", "scan": true, "power": "high"}
  ]
}
EOF
"$cli" encode "$work/radio.json" "$work/radio.dat" || fail "cannot encode the radio's plan"
"$cli" new "$work/fresh.dat" || fail "m742-cli new"
cmp -s "$work/radio.dat" "$work/fresh.dat" && fail "the radio's plan is the fresh one"

# A display of our own: the first number from 40 with neither socket nor lock. Another test may
# take the same number between the look and the start; then the next number is tried.
for display in $(seq 40 99); do
    if [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; then
        continue
    fi
    Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$display" ]; then
        break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "Xvfb did not start: $(tail -3 "$work/xvfb.log")"
export DISPLAY=:$display
openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
ok "display $DISPLAY with openbox"

# The simulated radio; its pseudo-terminal's path is its first line. The Linux m742-cli reads
# it first: what the window must end up saving.
"$sim" --no-pacing --image "$work/radio.dat" >"$work/sim.log" 2>&1 &
sim_pid=$!
pty=""
for _ in $(seq 100); do
    pty=$(head -n 1 "$work/sim.log" 2>/dev/null)
    [[ $pty == /dev/* ]] && break
    pty=""
    sleep 0.05
done
[ -n "$pty" ] || fail "the simulated radio did not start: $(cat "$work/sim.log")"
"$cli" read --port "$pty" --no-backup "$work/linux.dat" >"$work/linux-read.log" 2>&1 ||
    fail "m742-cli read from $pty: $(cat "$work/linux-read.log")"
cmp -s "$work/linux.dat" "$work/radio.dat" || fail "m742-cli read something else than the radio holds"
ok "simulated radio on $pty, read by the Linux m742-cli"

# The prefix, with COM1 on the simulator. Wine's mount manager remakes dosdevices/com1 each
# time the server starts (from /dev/ttyS0 where there is one), so a link made by hand is lost;
# the Ports key is what it makes the link from. The server writes the key out as it ends.
prefix_used=1
wineboot -i >"$work/wineboot.log" 2>&1
wineserver -w
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$pty" /f >>"$work/wineboot.log" 2>&1 ||
    fail "cannot set COM1 in the registry: $(tail -3 "$work/wineboot.log")"
wineserver -w
ok "Wine prefix $WINEPREFIX"

# From its own folder, as its shortcut starts it. The subshell outlives the program (killed by
# wineserver -k at the end) and says so in the log, where the shell would say it on the terminal.
(cd "$work/app" && wine m742.exe; echo "m742.exe ended: $?") >"$work/m742.log" 2>&1 &
app_pid=$!

# wait_for SECONDS COMMAND...: COMMAND every 0.2 s until it succeeds; fails if it never does.
wait_for() {
    local tries=$(($1 * 5))
    shift
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
window=""
find_window() {
    window=$(xdotool search --onlyvisible --name '^M-742' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
title() {
    xdotool getwindowname "$window" 2>/dev/null
}
wait_for 30 find_window || fail "no M-742 window within 30 s: $(tail -5 "$work/m742.log")"
ok "window $window: $(title)"

# By now the mount manager has made com1; should it not be the simulator's, the link made while
# the server runs holds.
com1=$WINEPREFIX/dosdevices/com1
if [ "$(readlink "$com1")" != "$pty" ]; then
    echo "note: com1 led to '$(readlink "$com1")'; linked to $pty by hand"
    ln -sfn "$pty" "$com1"
fi

# keys KEY...: typed into whatever has the focus (Wine ignores `xdotool key --window`).
keys() {
    xdotool key --delay 100 "$@"
}
activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
}
# The program's windows take the focus as they come up: anything but the main window in front
# is a message box or a dialog.
other=""
other_window() {
    other=$(xdotool getactivewindow 2>/dev/null)
    [ -n "$other" ] && [ "$other" != "$window" ]
}
# no_message STEP: fails, naming it, if a message box came up during STEP (it is answered with
# Enter first, so that the screenshot shows what was behind it too).
no_message() {
    if other_window; then
        local name
        name=$(xdotool getwindowname "$other" 2>/dev/null)
        import -window root "$work/message.png" 2>/dev/null
        activate "$other"
        keys Return
        fail "$1: a window \"$name\" came up (screenshot $work/message.png)"
    fi
}

activate "$window"
sleep 0.5
keys alt+v
sleep 0.5
keys 1
sleep 1
no_message "choosing COM1 in the Com Port menu"
ok "COM1 chosen"

# A completed read leaves a backup of what it read in %APPDATA%\m742\backups: the sign that the
# exchange is over (the user has the status line for it).
backups="$WINEPREFIX/drive_c/users/*/AppData/Roaming/m742/backups/*.DAT"
read_done() {
    compgen -G "$backups" >/dev/null
}
keys ctrl+r
wait_for 20 read_done || {
    no_message "reading the radio"
    fail "no backup of a read 20 s after Ctrl+R"
}
# The commands stay disabled while the status line blinks the outcome, about 2 s.
sleep 3
no_message "reading the radio"
import -window root "$work/read.png"
ok "read the radio; screenshot $work/read.png"
backup=$(compgen -G "$backups" | head -n 1)
cmp -s "$backup" "$work/linux.dat" || fail "the read's backup $backup differs from what m742-cli read"

# The file's name goes in through the clipboard: xdotool type drops Chinese characters.
saved=$work/读出.DAT
printf 'Z:%s' "${saved//\//\\}" >"$work/name.txt"
xclip -selection clipboard -quiet -i "$work/name.txt" >/dev/null 2>&1 &
clip_pid=$!

# File > Save; a menu whose item is not enabled yet stays open on it, and is closed for another go.
for _ in 1 2 3; do
    activate "$window"
    keys alt+f
    sleep 0.5
    keys s
    wait_for 5 other_window && break
    keys Escape
    sleep 0.5
done
other_window || fail "no Save dialog after File > Save, three times"
dialog=$other
ok "Save dialog: $(xdotool getwindowname "$dialog")"
activate "$dialog"
sleep 0.3
keys ctrl+a ctrl+v
sleep 0.3
keys Return
file_saved() {
    [[ $(title) == *读出.DAT ]]
}
wait_for 10 file_saved || {
    no_message "saving"
    fail "the window's title names no saved file 10 s after Enter: $(title)"
}
sleep 0.5
no_message "saving"
import -window root "$work/saved.png"
ok "saved; the title is now $(title); screenshot $work/saved.png"

[ -f "$saved" ] || fail "no $saved; in $work: $(find "$work" -maxdepth 1 -iname "*.dat" -printf "%f ")"
size=$(stat -c %s "$saved")
[ "$size" = 1074 ] || fail "$saved has $size bytes, not 1074"
cmp -s "$saved" "$work/linux.dat" ||
    fail "$saved differs from what m742-cli read: $("$cli" diff "$work/linux.dat" "$saved" | head -12)"
ok "$saved is what m742-cli read from the same radio"
echo "m742.exe under Wine read the simulated radio and saved it under a Chinese name in $((SECONDS - started)) s"
