#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Static analysis of the program's own sources; each tool fails the run on any finding.
# Usage: scripts/static-analysis.sh format|tidy|cppcheck [BUILD_FOLDER]
# tidy checks the program's own sources that BUILD_FOLDER (default build/dev) compiles, as its
# compilation database compiles them: a Linux build has the POSIX file layer, a Windows build the
# Windows one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${2:-build/dev}

sources() { git ls-files -- 'lookup/*.cpp' 'window/*.cpp' "$@" 2>/dev/null ||
            find lookup window -name '*.cpp'; }

# The program's own sources in the compilation database, and the compiler that builds them.
compiled_sources() {
  python3 -c '
import json, os, re, sys
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]))
    if re.fullmatch(r"(lookup|lookup/testing|window/(form|qt|win32))/[^/]+\.cpp", path):
        print(path)' "$build/compile_commands.json"
}
compiler() {
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[0]["command"].split()[0])' \
    "$build/compile_commands.json"
}

case "${1:-}" in
  format)
    files=$(git ls-files -- '*.cpp' '*.h')
    clang-format --dry-run -Werror $files
    echo "clang-format: $(echo "$files" | wc -w) files formatted"
    ;;
  tidy)
    files=$(compiled_sources)
    extra=()
    cxx=$(compiler)
    if [[ $cxx == *mingw32* ]]; then
      # clang knows the MinGW target and its C headers by the compiler's name, but not where GCC
      # keeps its C++ headers: the compiler says. (Its intrinsics headers are GCC's own.)
      while read -r dir; do extra+=("--extra-arg=-isystem$dir"); done < <(
        "$cxx" -E -x c++ -v - </dev/null 2>&1 | sed -n '/^#include <\.\.\.>/,/^End/s/^ //p' |
          grep '/c++')
    fi
    clang-tidy --quiet -p "$build" "${extra[@]}" $files
    echo "clang-tidy: $(echo "$files" | wc -w) files without findings"
    ;;
  cppcheck)
    files=$(sources ':!*/tests/*' ':!*/fuzz/*')
    cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ \
      --enable=warning,performance,portability --inline-suppr \
      --suppress=missingIncludeSystem -I lookup -I window -I window/qt -I window/win32 $files
    echo "cppcheck: $(echo "$files" | wc -w) files without findings"
    ;;
  *) echo "usage: $0 format|tidy|cppcheck [BUILD_FOLDER]" >&2; exit 2 ;;
esac
