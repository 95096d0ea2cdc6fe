#!/usr/bin/env bash
# Lists the C++ files whose formatting differs from .clang-format; exits 1 when there are any.
set -uo pipefail
cd "$(dirname "$0")/.."
bad=0
while IFS= read -r f; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "needs formatting: $f"
    bad=$((bad + 1))
  fi
done < <(git ls-files '*.cpp' '*.h')
echo "format-check: $bad file(s) need formatting"
[ "$bad" -eq 0 ]
