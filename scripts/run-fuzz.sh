#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer + UndefinedBehaviorSanitizer) in
# build-fuzz and runs each for a bounded time, starting from the saved corpus in fuzz/corpus.
# Inputs that reach new code are merged into that corpus (commit them to keep them); crashes are
# written to build-fuzz/artifacts. FUZZ_SECONDS (default 60) sets the time per harness.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-2}

cmake -S "$root/fuzz" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs"

mkdir -p "$build/artifacts"
# Qt's own allocations that live until exit are not leaks of the code under test.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for name in httprequest hookpayload; do
  corpus="$root/fuzz/corpus/$name"
  fresh="$build/new-$name"
  rm -rf "$fresh" && mkdir -p "$fresh" "$corpus"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build/fuzz_$name" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "$fresh" "$corpus"; then
    echo "fuzz_$name found a failing input: see $build/artifacts" >&2
    status=1
    continue
  fi
  # Keep only what adds coverage.
  before=$(ls "$corpus" | wc -l)
  "$build/fuzz_$name" -merge=1 "$corpus" "$fresh" >/dev/null 2>&1
  echo "fuzz_$name: corpus $before -> $(ls "$corpus" | wc -l) inputs"
done
exit $status
