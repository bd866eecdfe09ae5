#!/usr/bin/env bash
# Set-up, a build with AddressSanitizer and UndefinedBehaviorSanitizer into build-check/,
# and every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build-check -G Ninja -DCMAKE_BUILD_TYPE=Debug -DREZAR_SANITIZE=ON
cmake --build build-check
cd build-check
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
