# SPDX-License-Identifier: Apache-2.0
# Sourced by the benchmark scripts: windows_release SOURCE BUILD TARGET... configures SOURCE as
# the Windows release that the benchmarks measure, in BUILD, and builds the targets. They are
# linked stripped, as the packages carry them: wine loads an unstripped program's debug sections
# with it, which adds to its start what no user's start has.
windows_release() {
  local source=$1 build=$2
  shift 2
  (cd "$source" && cmake --preset windows -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DVANTREL_WARNINGS_AS_ERRORS=OFF -DVANTREL_BUILD_BENCH=ON \
    -DVANTREL_STATIC_ANALYSIS=OFF \
    -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null)
  cmake --build "$build" -j "$(nproc)" --target "$@" >/dev/null
}
