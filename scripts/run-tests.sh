#!/usr/bin/env bash
# Runs every test of a build (unit, offscreen UI, Xvfb end-to-end) and ends with one summary line.
set -uo pipefail
build=${1:-build}
cd "$build" || exit 2
jobs=$(nproc)
ctest --output-on-failure -j "$jobs" --timeout 600 2>&1 | tee ctest.log
status=${PIPESTATUS[0]}
passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed' ctest.log || true)
failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*(\*\*\*|Failed|Timeout|Not Run|Exception)' ctest.log || true)
echo
if [ "$status" -eq 0 ]; then
  echo "make test: PASS"
else
  echo "make test: FAIL"
fi
echo "tests: $passed passed, $failed failed"
exit "$status"
