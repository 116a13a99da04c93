#!/usr/bin/env bash
# Runs every test level and ends with one summary line. Expects the builds of `make test`.
#   native: the platform-free rules under AddressSanitizer and UndefinedBehaviorSanitizer
#   windows: the Win32 shell under Wine
#   e2e: separate programs under Wine on a virtual X display, with a local HTTP server as the vendor site
#   fuzz: a short libFuzzer run of the PNG loader (counts as one test)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/wine-env.sh
logs=build/test-logs

# Runs one test binary with a time limit, showing its output and keeping it for the summary.
run_level() {
    local name=$1
    shift
    timeout 900 "$@" 2>&1 | tr -d '\r' | tee "$logs/$name.log"
    echo "${PIPESTATUS[0]}" >"$logs/$name.rc"
}

# A fixed, repeatable fuzz run from the seeds alone. Its progress lines stay in the log; the start, the
# end and any finding are shown.
run_fuzz_level() {
    echo "== PNG loader fuzzing"
    rm -rf build/fuzz/test-corpus
    timeout 900 tools/fuzz-png.sh build/fuzz/test-corpus -runs=20000 -seed=1 >"$logs/fuzz.log" 2>&1
    echo "$?" >"$logs/fuzz.rc"
    grep -av '^#[0-9]\|^[[:space:]]*NEW_FUNC\|^"\|^######' "$logs/fuzz.log"
}

# The vendor web site of the update tests: tools/site-server.py on a free port of 127.0.0.1, named
# to the tests in TAPWELL_TEST_SITE_SERVER and stopped by its process id when this script ends.
site_pid=
start_site_server() {
    local port_file=$logs/site-server.port
    rm -f "$port_file"
    python3 tools/site-server.py "$port_file" >"$logs/site-server.log" 2>&1 &
    site_pid=$!
    for _ in $(seq 1 200); do [ -s "$port_file" ] && break; sleep 0.05; done
    [ -s "$port_file" ] || { echo "run-tests: the test site did not start, see $logs/site-server.log" >&2; return; }
    export TAPWELL_TEST_SITE_SERVER=127.0.0.1:$(head -n 1 "$port_file")
}
stop_site_server() {
    [ -n "$site_pid" ] && kill "$site_pid" 2>/dev/null && wait "$site_pid" 2>/dev/null
    site_pid=
}

if [ "${1:-}" = --wine-levels ]; then
    run_level windows "$WINE_LOADER" "build/$TAPWELL_ARCH/tests/win/tapwell_win_tests.exe"
    run_level e2e "$WINE_LOADER" "build/$TAPWELL_ARCH/tests/e2e/tapwell_e2e_tests.exe"
    exit 0
fi

rm -rf "$logs" && mkdir -p "$logs"
run_level native build/native/tests/native/tapwell_native_tests
echo "== Windows tests under Wine ($TAPWELL_ARCH build)"
trap stop_site_server EXIT
start_site_server
mkdir -p build/screenshots
export TAPWELL_SCREENSHOTS="Z:${top//\//\\}\\build\\screenshots"  # pictures of the About and update dialogs
tools/with-xvfb-wine.sh "build/wine-$TAPWELL_ARCH" tools/run-tests.sh --wine-levels
stop_site_server
run_fuzz_level

# A level that crashed or never reported counts as one failure.
passed=0 failed=0
for level in native windows e2e fuzz; do
    log=$logs/$level.log
    p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" 2>/dev/null | tail -n 1)
    f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$log" 2>/dev/null | tail -n 1)
    rc=$(cat "$logs/$level.rc" 2>/dev/null || echo 1)
    passed=$((passed + ${p:-0}))
    failed=$((failed + ${f:-0}))
    if [ "$level" = fuzz ] && [ "$rc" = 0 ]; then
        passed=$((passed + 1))
    elif [ "$level" = fuzz ]; then
        echo "the fuzz run ended with status $rc: see $log and build/fuzz/findings/"
        failed=$((failed + 1))
    elif [ "$rc" != 0 ] && [ -z "$f" ]; then
        echo "test level '$level' ended with status $rc without a result"
        failed=$((failed + 1))
    fi
done
echo "tapwell: $passed passed, $failed failed"
[ "$failed" = 0 ]
