#!/bin/sh
# Runs a GoogleTest program under Wine and, when the process dies before
# GoogleTest's closing summary, runs the case it died in again on its own and
# then the cases still to run, each time in a fresh process. Wine under qemu's
# user-mode emulation (see bootstrap.sh) now and then corrupts a long-lived
# process; a case that also dies on its own is a real failure.
# Usage: gtest-resume.sh <wine command...> <program.exe> (extra arguments are not supported)
out=$(mktemp); done_list=""; status=0; rounds=0
trap 'rm -f "$out"' EXIT
filter=""
# Runs "$@" into $out; a process that has printed GoogleTest's closing summary
# but does not end within 15 s (emulated Wine now and then hangs at exit) is
# stopped, and the summary's verdict stands.
run() {
    "$@" >"$out" 2>&1 &
    pid=$!; waited=0
    while kill -0 $pid 2>/dev/null; do
        if grep -q '^\[==========\] .* ran\.' "$out"; then
            waited=$((waited + 1))
            if [ $waited -gt 15 ]; then
                kill $pid 2>/dev/null; wait $pid
                if grep -q '^\[  FAILED  \]' "$out"; then rc=1; else rc=0; fi
                return
            fi
        fi
        sleep 1
    done
    wait $pid; rc=$?
}
while :; do
    rounds=$((rounds + 1))
    if [ -n "$filter" ]; then run "$@" "--gtest_filter=$filter"
    else run "$@"; fi
    tr -d '\r' <"$out" >"$out.t"; mv "$out.t" "$out"
    cat "$out"
    if grep -q '^\[==========\] .* ran\.' "$out"; then
        [ $rc -ne 0 ] && status=$rc
        break
    fi
    # Died: the cases that finished, and the one that was running.
    finished=$(sed -n 's/^\[ *\(OK\|FAILED\|SKIPPED\) *\] \([A-Za-z0-9_./]*\) (.*/\2/p' "$out")
    grep -q '^\[  FAILED  \] [A-Za-z0-9_./]* (' "$out" && status=1
    dead=$(sed -n 's/^\[ RUN      \] //p' "$out" | tail -1)
    for f in $finished; do done_list="$done_list:$f"; done
    if [ -z "$dead" ] || [ $rounds -gt 50 ]; then
        echo "gtest-resume: the program died outside any test case (exit $rc)"
        status=1; break
    fi
    # On its own, twice at most: the emulator also hangs a process now and then.
    passed=no
    for attempt in 1 2; do
        echo "gtest-resume: the process died in $dead (exit $rc); running it again on its own"
        run timeout 120 "$@" "--gtest_filter=$dead"
        tr -d '\r' <"$out"
        if tr -d '\r' <"$out" | grep -q '^\[  PASSED  \] 1 test'; then passed=yes; break; fi
    done
    if [ $passed = no ]; then
        echo "gtest-resume: $dead fails on its own too (exit $rc)"
        status=1
    fi
    done_list="$done_list:$dead"
    filter="-${done_list#:}"
done
exit $status
