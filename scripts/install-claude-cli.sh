#!/usr/bin/env bash
# Installs the pinned Claude Code CLI that the end-to-end hook tests run, into
# tests/helpers/claude-cli/node_modules (git-ignored). Idempotent: does nothing when the pinned
# version is already there. Needs npm (scripts/install-deps.sh brings it).
set -euo pipefail
version=2.1.341
here=$(cd "$(dirname "$0")/.." && pwd)
dir="$here/tests/helpers/claude-cli"
bin="$dir/node_modules/.bin/claude"
installed="$dir/node_modules/@anthropic-ai/claude-code/package.json"

if [ -x "$bin" ] && [ -f "$installed" ] && grep -q "\"version\": *\"$version\"" "$installed"; then
  exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
  echo "install-claude-cli: npm is missing; run scripts/install-deps.sh first" >&2
  exit 1
fi
echo "install-claude-cli: installing @anthropic-ai/claude-code@$version"
mkdir -p "$dir"
cd "$dir"
# No package.json of our own is needed; --prefix keeps npm from walking up to another project.
npm install --prefix "$dir" --no-save --no-audit --no-fund --loglevel=error \
  "@anthropic-ai/claude-code@$version" >/dev/null
if [ ! -x "$bin" ]; then
  echo "install-claude-cli: npm finished but $bin is missing" >&2
  exit 1
fi
