#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the release packages, the Debian package and the Windows ZIP and installer, with their
# SHA256SUMS, into build/packages. Installs what is missing first. Two runs on the same commit
# give the same bytes, wherever the clone is and whenever they run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh release
# The .deb's members bear the modes that the umask gives them, so the umask is Debian's usual one.
umask 022
jobs=$(nproc)
out=build/packages
rm -rf "$out"
mkdir -p "$out"
for preset in release windows-release; do
  echo "== Build and package: $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  rm -rf "build/$preset/packages"
  (cd "build/$preset" && cpack -B "$PWD/packages")
  find "build/$preset/packages" -maxdepth 1 -type f -name 'vantrel-area-code*' -exec cp {} "$out" \;
done
(cd "$out" && LC_ALL=C sha256sum -- * >SHA256SUMS)
echo "== Packages in $out"
cat "$out/SHA256SUMS"
