#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine (run as root, or with sudo at hand).
#   bash setup.sh run    install what is missing, build, install the program
#                        into its program folder and start it from there
#   bash setup.sh test   install what is missing, build, run every test
# The program folder is ~/hengyuan, or the folder named by HENGYUAN_HOME. It
# holds the shop's data (the database and Setup.ini): outside the source tree,
# so no clean of the build touches it.
set -euo pipefail
home=$(realpath -m "${HENGYUAN_HOME:-$HOME/hengyuan}")
cd "$(dirname "$0")"

packages=(cmake make g++ pkg-config
          qt6-base-dev qt6-translations-l10n libqt6sql6-sqlite libqt6sql6-odbc libsqlite3-dev libcups2-dev
          unixodbc-dev odbcinst libsqliteodbc tdsodbc
          fonts-noto-cjk fonts-droid-fallback fonts-dejavu-core poppler-utils)
# Only the tests need a print scheduler: each print test starts one of its own.
test_packages=(cups-daemon cups-server-common)

# install_missing [apt-get option ...] -- package ...
install_missing() {
  local options=() missing=()
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${options[@]}" "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
}

# The new program replaces the old one (which may still be running); the
# database and Setup.ini are made only when absent, never overwritten.
install_program() {
  mkdir -p "$home"
  rm -f "$home/hengyuan"
  cmake --install build --prefix "$home"
  install_menu_entry
}

# A value of a desktop entry: backslashes and control characters escaped.
entry_text() {
  local s=${1//\\/\\\\}
  s=${s//$'\n'/\\n}
  s=${s//$'\t'/\\t}
  s=${s//$'\r'/\\r}
  printf '%s' "$s"
}

# The program in an entry's Exec line: quoted, the characters that stay
# special inside the quotes escaped, "%" doubled.
entry_command() {
  local s=${1//\\/\\\\}
  s=${s//\"/\\\"}
  s=${s//\`/\\\`}
  s=${s//\$/\\\$}
  s=${s//%/%%}
  printf '"%s"' "$(entry_text "$s")"
}

# The desktop's menu entry (freedesktop.org) in the user's applications
# folder: the program started in its folder, with the icon drawn at install.
# The entry of an install into another program folder is replaced.
install_menu_entry() {
  local data=${XDG_DATA_HOME:-}
  [[ $data == /* ]] || data=$HOME/.local/share
  local entry=$data/applications/hengyuan.desktop
  mkdir -p "$data/applications"
  cat > "$entry.new" <<EOF
[Desktop Entry]
Type=Application
Name=恒远进销存系统
Comment=采购、销售和库存管理
Exec=$(entry_command "$home/hengyuan")
Path=$(entry_text "$home")
Icon=$(entry_text "$home/hengyuan.png")
Terminal=false
Categories=Office;
EOF
  mv "$entry.new" "$entry"
  echo "setup.sh: menu entry $entry"
}

case "${1:-}" in
  run)
    install_missing -- "${packages[@]}"
    build
    install_program
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "setup.sh: installed in $home; starting it needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
      exit 1
    fi
    exec "$home/hengyuan"
    ;;
  test)
    install_missing -- "${packages[@]}"
    install_missing --no-install-recommends -- "${test_packages[@]}"
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
