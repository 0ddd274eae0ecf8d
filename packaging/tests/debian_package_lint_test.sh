#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the Debian package and checks it as Debian checks its own: lintian, at its pedantic level
# with the experimental tags shown, fails on any error or warning; the manual page renders
# without a warning from man.
# Usage: debian_package_lint_test.sh BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack lintian man gzip; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps.sh installs it"
done

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/*.deb)
echo "package: $(basename "$deb")"

# lintian refuses to run as root unless told; CI runs as root.
lintian --allow-root --pedantic --display-experimental --info --fail-on error,warning "$deb" \
  >"$work/lintian.log" 2>&1 && lint=passed || lint=failed
cat "$work/lintian.log"
echo "lintian: $lint"

[ "$lint" = passed ] || fail "lintian reports errors or warnings"

# The page as installed, read as a user's man reads it, in a fixed locale and width.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/vantrel-area-code.1.gz \
  >"$work/vantrel-area-code.1.gz" || fail "the package holds no manual page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$work/vantrel-area-code.1.gz" 2>&1 >"$work/page.txt")
echo "man: ${warnings:-no warnings}, $(wc -l <"$work/page.txt") lines"

[ -z "$warnings" ] || fail "man warns about the manual page"
[ -s "$work/page.txt" ] || fail "the manual page renders empty"
echo "the Debian package passes lintian and its manual page man"
