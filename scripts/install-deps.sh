#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need; safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xdotool x11-apps imagemagick icoutils locales
  fonts-ipafont-gothic fonts-ipafont-mincho python3 bc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine's ANSI code page follows the locale: Japanese (932) for the program's own home, and US
# English (1252) and Simplified Chinese (936) for the runs on other system locales.
missing_locales=()
for locale in ja_JP en_US zh_CN; do
  locale -a 2>/dev/null | grep -qi "^$locale\.utf8$" || missing_locales+=("$locale")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  for locale in "${missing_locales[@]}"; do
    $SUDO sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
