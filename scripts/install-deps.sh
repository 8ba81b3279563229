#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing else
# (clang and its runtime libraries build the fuzzing harnesses of scripts/fuzz.sh; ffmpeg
# gives the tests ffprobe, which checks the exported videos; the Linguist tools build the
# interface translations, and Qt's own translations turn its standard buttons).
# apt-get update runs only when something is missing, so a ready machine starts at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6sql6-sqlite
  qt6-charts-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0
  libgtest-dev libgmock-dev libbenchmark-dev
  libgmime-3.0-dev
  libicu-dev libmecab-dev mecab-ipadic-utf8
  ibus ibus-mozc ibus-hangul dbus-x11 xdotool xclip
  xvfb xauth imagemagick
  qt6-qpa-plugins fonts-dejavu-core
  fonts-droid-fallback
  fonts-ipafont-gothic fonts-nanum
  clang libclang-rt-14-dev
  libgif-dev libimagequant-dev
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev ffmpeg
  fonts-liberation
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi
