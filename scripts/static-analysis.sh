#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Static analysis of the program's own sources; each tool fails the run on any finding.
# Usage: scripts/static-analysis.sh format|tidy|cppcheck [BUILD_FOLDER]
# tidy reads the compilation database of BUILD_FOLDER (default build/dev).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${2:-build/dev}

sources() { git ls-files -- 'lookup/*.cpp' 'window/*.cpp' "$@" 2>/dev/null ||
            find lookup window -name '*.cpp'; }

case "${1:-}" in
  format)
    files=$(git ls-files -- '*.cpp' '*.h')
    clang-format --dry-run -Werror $files
    echo "clang-format: $(echo "$files" | wc -w) files formatted"
    ;;
  tidy)
    files=$(sources ':!*/tests/*' ':!*/fuzz/*')
    clang-tidy --quiet -p "$build" $files
    echo "clang-tidy: $(echo "$files" | wc -w) files without findings"
    ;;
  cppcheck)
    files=$(sources ':!*/tests/*' ':!*/fuzz/*')
    cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ \
      --enable=warning,performance,portability --inline-suppr \
      --suppress=missingIncludeSystem -I lookup -I window $files
    echo "cppcheck: $(echo "$files" | wc -w) files without findings"
    ;;
  *) echo "usage: $0 format|tidy|cppcheck [BUILD_FOLDER]" >&2; exit 2 ;;
esac
