#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Copies the source (the files git knows, as they are in the work tree) into two folders of
# different names and depths, one after the other, so that every file's time differs too, then
# builds the release packages in each with scripts/release.sh, the second in another time zone
# and with another umask, and checks that the .deb, the ZIP and the installer are the same bytes.
# The copies are no git checkouts, so both stamp their packages with the latest release date of
# CHANGELOG.md.
# Usage: reproducible_packages_test.sh SOURCE_FOLDER
set -euo pipefail
source_dir=$(realpath "$1")
started=$SECONDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v git >/dev/null || fail "git is missing; scripts/install-deps.sh installs it"

copy_source() {  # copy_source FOLDER: the work tree's files that git tracks or would track
  mkdir -p "$1"
  (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    tar --create --null --no-recursion --ignore-failed-read --files-from=-) |
    tar --extract --touch --directory "$1"
}

unset SOURCE_DATE_EPOCH
folders=("$work/a/vantrel-area-code" "$work/second-build/deeper/vac")
settings=("TZ=UTC0 umask 0022" "TZ=NZST-12 umask 0002")  # time zones that need no tzdata
for i in 0 1; do
  folder=${folders[i]}
  read -r zone _ mask <<<"${settings[i]}"
  (umask "$mask" && copy_source "$folder")
  build_start=$SECONDS
  (umask "$mask" && env "$zone" "$folder/scripts/release.sh") >"$folder.log" 2>&1 ||
    { tail -n 40 "$folder.log"; fail "release.sh failed in $folder"; }
  echo "built in $folder ($zone, umask $mask): $((SECONDS - build_start)) s"
  sleep 1  # the second build's files are at least a second younger
done

first=${folders[0]}/build/packages
second=${folders[1]}/build/packages
failures=0
for kind in '*.deb' '*-windows-x64.zip' '*-windows-x64.exe' SHA256SUMS; do
  # shellcheck disable=SC2206
  files=($first/$kind)
  [ -f "${files[0]}" ] || fail "no $kind was made"
  name=$(basename "${files[0]}")
  if cmp "$first/$name" "$second/$name"; then
    echo "ok: $name is the same in both builds ($(stat -c %s "$first/$name") bytes)"
  else
    echo "FAIL: $name differs between the builds"
    failures=$((failures + 1))
  fi
done
cat "$first/SHA256SUMS"
echo "reproducibility test took $((SECONDS - started)) s"
[ "$failures" -eq 0 ] || { echo "$failures package(s) differ"; exit 1; }
echo "all packages are reproducible"
