#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The program's sections lie at page boundaries in the file: wine maps such a program from the
# file, and copies any other into memory of the process's own at every start.
# Usage: page_aligned_image_test.sh OBJDUMP PROGRAM
set -euo pipefail
header=$("$1" -p "$2")
alignment=$(awk '$1 == "FileAlignment" {print $2}' <<<"$header")
[ -n "$alignment" ] || { echo "no PE header read from $2" >&2; exit 1; }
if (( 16#$alignment % 4096 != 0 )); then
  echo "file alignment $alignment: the program is copied, not mapped, at every start" >&2
  exit 1
fi
