#!/usr/bin/env bash
# Runs every benchmark of a build; each prints its own figures. Scripts under bench/ named
# bench-*.sh run too (they drive outside programs such as wrk, nginx or qterminal).
set -uo pipefail
build=${1:-build}
# Benchmarks that show windows need a display, a session bus and a window manager.
if [ -z "${BW_INSIDE_XVFB:-}" ]; then
  exec "$(dirname "$0")/xvfb-run-test.sh" "$0" "$@"
fi
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" || status=1
done
for s in "$root"/bench/bench-*.sh; do
  [ -f "$s" ] || continue
  echo "== $(basename "$s")"
  bash "$s" "$build" || status=1
done
exit $status
