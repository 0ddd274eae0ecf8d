#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The program's start loads no library that only assistive tools need: oleacc, ole32 and
# oleaut32 are loaded when a tool first asks for an accessible object.
# Usage: start_imports_test.sh OBJDUMP PROGRAM
set -euo pipefail
imports=$("$1" -p "$2" | grep 'DLL Name:')
grep -qi 'DLL Name: user32.dll' <<<"$imports" || { echo "no imports read from $2" >&2; exit 1; }
if grep -Ei 'DLL Name: (oleacc|ole32|oleaut32)\.dll' <<<"$imports"; then
  echo "imported, so loaded at every start" >&2
  exit 1
fi
