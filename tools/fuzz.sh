#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for SECONDS (default 30) on its checked-in corpus and dictionary.
# A finding stops the run with the crashing input in build-fuzz/findings/.
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]   (targets: settings_file settings_lines link)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings_file settings_lines link)
command -v clang++ > /dev/null || { echo "fuzz: no clang++, nothing to run" >&2; exit 0; }

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DREZAR_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
  corpus=fuzz/corpus/${target%%_*}
  work=build-fuzz/corpus-$target
  mkdir -p "$work"
  echo "== fuzz_$target for $seconds s"
  # The new inputs go to a corpus of the build tree; the checked-in seeds are only read.
  log=build-fuzz/fuzz-$target.log
  if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
      -dict=fuzz/${target%%_*}.dict -artifact_prefix=build-fuzz/findings/ -max_len=8192 \
      -rss_limit_mb=2048 -timeout=10 "$work" "$corpus" > "$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz_$target: a finding, see build-fuzz/findings/" >&2
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done )' "$log" || true
done
