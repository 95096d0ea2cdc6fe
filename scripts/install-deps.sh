#!/usr/bin/env bash
# Installs every Debian package Brindlewick needs to build, run, test and benchmark.
# Idempotent: packages already present are skipped, and `apt-get update` runs at most once.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake pkg-config git curl ca-certificates
  # UI, threads, D-Bus, network, tests
  qtbase5-dev libqt5svg5-dev qttools5-dev-tools qttools5-dev
  # terminal view (its CMake target links libutf8proc by path)
  libqtermwidget5-1-dev libutf8proc-dev
  # syntax highlighter, Markdown, store, exact JSON
  libkf5syntaxhighlighting-dev libcmark-gfm-dev libcmark-gfm-extensions-dev
  libsqlite3-dev nlohmann-json3-dev
  # bring a window to the front past focus-stealing prevention
  libkf5windowsystem-dev
  # desktop pieces for the tests: X server, session bus, notification daemon, window manager
  xvfb xauth dbus dbus-x11 dunst openbox xdotool imagemagick x11-utils
  # a terminal for the interactive Claude Code CLI in the end-to-end hook test
  tmux
  # fonts: terminal font and the symbol glyphs the fallback font is built from
  fonts-dejavu-core fonts-noto-core
  # builds the terminal's fallback font from those glyphs at build time
  python3-fontforge
  # Japanese and Korean interface texts
  fonts-noto-cjk
  # icon theme for the symbols (with bundled fallbacks)
  adwaita-icon-theme
  # benchmarks and fuzzing
  wrk nginx-light qterminal clang
)
# end-to-end tests with the real CLI need node and npm; a machine may already have them from
# another source (whose nodejs bundles npm and conflicts with Debian's npm package)
if ! command -v npm >/dev/null 2>&1; then
  PACKAGES+=(nodejs npm)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
