#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine (run as root, or with sudo at hand).
#   bash setup.sh run    install what is missing, build, start the program
#   bash setup.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ pkg-config
          qt6-base-dev qt6-translations-l10n libqt6sql6-sqlite libqt6sql6-odbc libsqlite3-dev
          unixodbc-dev odbcinst libsqliteodbc tdsodbc
          fonts-noto-cjk fonts-droid-fallback fonts-dejavu-core poppler-utils)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    exec ./build/bin/hengyuan
    ;;
  test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
