#!/usr/bin/env bash
# m742-cli.exe under Wine gives what the Linux m742-cli gives: for each command the same exit
# status, the same bytes on standard output and standard error, and the same files, from the
# same inputs, with Chinese file names. A PDF report is compared by its text.
#
#   same_as_linux.sh LINUX_CLI WINE_RUN WINDOWS_CLI CORPUS WORK
#
# Exits 77 (skipped) when there is no Linux build to compare with.
set -uo pipefail
linux=$1 wine_run=$2 windows=$3 corpus=$4 work=$5
if [ ! -x "$linux" ]; then
    echo "skipped: no Linux m742-cli at $linux (build it with ./scripts/test first)"
    exit 77
fi
# Wine takes the arguments and file names in the locale's encoding.
export LC_ALL=C.UTF-8

rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
for side in linux windows; do
    cp "$corpus/open_decode/full_plan.dat" "$work/$side/计划.dat"
    cp "$corpus/open_decode/full_plan_chinese.dat" "$work/$side/中文.dat"
    cp "$corpus/open_decode/ani_gaps_and_high_codes.dat" "$work/$side/ani.dat"
    cp "$corpus/chirp_csv/chirp_export_with_bad_rows.csv" "$work/$side/频道表.csv"
done

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# check NAME [<INPUT] ARGS...: runs m742-cli ARGS in both folders and compares everything.
check() {
    local name=$1 input=/dev/null before=$failures
    shift
    if [[ $1 == "<"* ]]; then
        input=${1#<}
        shift
    fi
    (cd "$work/linux" && "$linux" "$@" <"$input" >"../$name.linux.out" 2>"../$name.linux.err"
        echo $? >"../$name.linux.status")
    (cd "$work/windows" && "$wine_run" "$windows" "$@" <"$input" >"../$name.windows.out" \
        2>"../$name.windows.err"
        echo $? >"../$name.windows.status")
    for part in status out err; do
        cmp -s "$work/$name.linux.$part" "$work/$name.windows.$part" ||
            fail "$name: standard $part differs: $(diff "$work/$name.linux.$part" "$work/$name.windows.$part" | head -5)"
    done
    diff -r -q -x '*.pdf' "$work/linux" "$work/windows" >/dev/null ||
        fail "$name: the files differ: $(diff -r -q -x '*.pdf' "$work/linux" "$work/windows")"
    if ((failures == before)); then
        echo "ok $name (status $(cat "$work/$name.linux.status"))"
    fi
}

check new new 新建.dat
check new_zh new --lang zh 新建2.dat
check dump dump 计划.dat
check dump_zh dump --lang zh 中文.dat
check dump_json dump --json 中文.dat
(cd "$work/linux" && "$linux" dump --json 计划.dat >计划.json)
cp "$work/linux/计划.json" "$work/windows/"
check encode encode 计划.json 编码.dat
check encode_base encode --base ani.dat 计划.json 编码2.dat
check encode_stdin "<$work/linux/计划.json" encode - 编码3.dat
check encode_stdout encode --base ani.dat 计划.json -
check export_csv export-csv 中文.dat 导出.csv
check import_csv import-csv 频道表.csv 导入.dat
check import_csv_base import-csv --lang zh --base 计划.dat 频道表.csv 导入2.dat
check diff diff --lang zh 计划.dat ani.dat
check diff_json diff --json 中文.dat ani.dat
check report report --lang zh 中文.dat
check report_debug report --tab debug 计划.dat
check report_pdf report --lang zh --pdf 报告.pdf 中文.dat
# And what a user gets wrong: a JSON plan or a CSV list where a data file belongs, a missing
# file, swapped arguments, an unknown command.
check wrong_json dump 计划.json
check wrong_csv export-csv 频道表.csv 出.csv
check missing dump 没有.dat
check swapped encode 编码.dat 计划.json
check unknown frobnicate

for side in linux windows; do
    pdftotext -layout "$work/$side/报告.pdf" "$work/report.$side.txt" ||
        fail "report_pdf: no text from the $side PDF"
done
cmp -s "$work/report.linux.txt" "$work/report.windows.txt" ||
    fail "report_pdf: the PDFs' texts differ: $(diff "$work/report.linux.txt" "$work/report.windows.txt" | head -10)"

if ((failures > 0)); then
    echo "$failures differences"
    exit 1
fi
echo "m742-cli.exe under Wine gives what m742-cli gives on Linux"
