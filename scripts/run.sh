#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the program and starts it on the shipped directory. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release -j "$(nproc)"

# The program opens its data files by bare name, in the folder it is started in.
cd data
exec ../build/release/window/vantrel-area-code
