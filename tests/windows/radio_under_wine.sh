#!/usr/bin/env bash
# m742-cli.exe read and write under Wine talk to the Linux simulated radio through Wine's COM
# port (a dosdevices/comN link to the simulator's pseudo-terminal), and end as the Linux
# m742-cli does against the same simulator: the same exit status, the same messages (the port's
# name aside), the same files, the simulator's faults included.
#
#   radio_under_wine.sh LINUX_BIN WINE_RUN WINDOWS_CLI WINEPREFIX CORPUS WORK
#
# Exits 77 (skipped) when there is no Linux build with the simulated radio.
set -uo pipefail
linux_bin=$1 wine_run=$2 windows=$3 prefix=$4 corpus=$5 work=$6
linux=$linux_bin/m742-cli sim=$linux_bin/m742-radio-sim
if [ ! -x "$linux" ] || [ ! -x "$sim" ]; then
    echo "skipped: no Linux m742-cli and m742-radio-sim in $linux_bin (build them with ./scripts/test first)"
    exit 77
fi
"$wine_run"  # the prefix, before its dosdevices are used
com=com7  # COM7 is this test's; other tests may use other ports at the same time
rm -rf "$work"
mkdir -p "$work"
cp "$corpus/open_decode/full_plan.dat" "$work/plan.dat"
sim_pid=""

stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
        sim_pid=""
    fi
}
trap 'stop_sim; rm -f "$prefix/dosdevices/$com"' EXIT

# start_sim OUT SIM-OPTIONS...: a fresh simulated radio; its pseudo-terminal in $pty.
start_sim() {
    local out=$1
    shift
    stop_sim
    "$sim" --no-pacing "$@" >"$out" 2>&1 &
    sim_pid=$!
    for _ in $(seq 100); do
        pty=$(head -n 1 "$out" 2>/dev/null)
        [[ $pty == /dev/* ]] && return 0
        sleep 0.05
    done
    echo "the simulated radio did not start: $(cat "$out")"
    exit 1
}

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# check NAME "SIM-OPTIONS" ARGS...: each side against a fresh simulated radio with those
# options, started from plan.dat and saving its memory after a write; `PORT` in ARGS is the
# port, and in the outputs the port's name reads PORT on both sides.
check() {
    local name=$1 options=$2 before=$failures
    shift 2
    for side in linux windows; do
        local folder="$work/$name.$side" port
        mkdir -p "$folder"
        # shellcheck disable=SC2086  # the options are words
        start_sim "$folder/sim.log" --image "$work/plan.dat" --save "$folder/radio.dat" $options
        if [ "$side" = linux ]; then
            port=$pty
            (cd "$folder" && "$linux" "${@//PORT/$port}" >out 2>err; echo $? >status)
        else
            port=COM7
            ln -sfn "$pty" "$prefix/dosdevices/$com"
            (cd "$folder" && "$wine_run" "$windows" "${@//PORT/$port}" >out 2>err; echo $? >status)
        fi
        stop_sim
        sed -i "s#$port#PORT#g" "$folder/out" "$folder/err"
    done
    for part in status out err; do
        cmp -s "$work/$name.linux/$part" "$work/$name.windows/$part" ||
            fail "$name: $part differs: $(diff "$work/$name.linux/$part" "$work/$name.windows/$part" | head -6)"
    done
    for file in read.dat radio.dat; do
        if [ -e "$work/$name.linux/$file" ] || [ -e "$work/$name.windows/$file" ]; then
            cmp -s "$work/$name.linux/$file" "$work/$name.windows/$file" || fail "$name: $file differs"
        fi
    done
    if ((failures == before)); then
        echo "ok $name (status $(cat "$work/$name.linux/status"))"
    fi
}

check read "" read --port PORT --password 123.45 --no-backup read.dat
check wrong_password "" read --lang zh --port PORT --no-backup read.dat
check write "" write --port PORT --verify "$work/plan.dat"
check silent "--fault silent" read --port PORT --password 123.45 --no-backup read.dat
check bad_identify "--fault bad-identify" read --port PORT --password 123.45 --no-backup read.dat
check hangup "--fault hangup@0x100" read --port PORT --password 123.45 --no-backup read.dat
check no_reply "--fault no-reply@0x200" write --port PORT "$work/plan.dat"
check corrupt_write "--fault corrupt-write@0x10" write --lang zh --port PORT --verify "$work/plan.dat"
check garbage "--fault garbage@0x3B0" read --port PORT --password 123.45 --no-backup read.dat
check split_bytes "--fault split-bytes" read --port PORT --password 123.45 --no-backup read.dat

if ((failures > 0)); then
    echo "$failures differences"
    exit 1
fi
echo "m742-cli.exe under Wine exchanges with the simulated radio as m742-cli does on Linux"
