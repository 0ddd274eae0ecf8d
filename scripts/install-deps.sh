#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs, from Debian's archive, whatever the chosen task needs and the machine lacks.
# Usage: scripts/install-deps.sh run|release|test|icons|workflows
set -euo pipefail

run_packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2)
# The release packages: the Debian package's dependencies (dpkg-shlibdeps, and file, by which
# CPack finds the programs to ask it about), the Windows program and its installer, and git,
# which gives the packages the last commit's time.
release_packages=(dpkg-dev file g++-mingw-w64-x86-64-posix nsis git)
test_packages=(googletest libgtest-dev libbenchmark-dev libxcb1-dev locales xvfb xdotool xclip x11-utils
               imagemagick clang libclang-rt-14-dev clang-tidy clang-format cppcheck python3
               desktop-file-utils appstream lintian man-db wine wine64 unzip)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  release) wanted=("${run_packages[@]}" "${release_packages[@]}") ;;
  icons) wanted=(librsvg2-bin icoutils) ;;
  workflows) wanted=(npm) ;;
  test) wanted=("${run_packages[@]}" "${release_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|release|test|icons|workflows" >&2; exit 2 ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

# The number rules are tested under a comma-decimal locale.
if [ "$1" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
