#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer in build-fuzz/ and runs each for
# the given number of seconds (default 60), two at a time, from its seeds in fuzz/corpus/.
# "scripts/fuzz.sh SECONDS TARGET..." runs only the named targets (downloader_output, ...).
# A crash, a broken rule, one input running over 10 s or memory over 2 GB fails the run; the
# input is kept in build-fuzz/findings/<target>/ and printed. What libFuzzer finds on the way
# collects in build-fuzz/corpus/<target>/ and is read again by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
started=$(date +%s)

scripts/install-deps.sh
scripts/install-deps.sh fuzz/packages.txt
dir=build-fuzz
# A debug build keeps Qt's own assertions (a view sliced past its end, an index out of range)
# in the instrumented code; optimised, so that a minute runs many inputs.
cmake -S fuzz -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build "$dir"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find "$dir" -maxdepth 1 -name 'fuzz_*' -type f -executable -printf '%f\n' |
    sed 's/^fuzz_//' | sort)
fi

# One target's run; its log and exit status land in $dir/logs.
fuzz() {
  local target=$1 findings="$dir/findings/$1"
  rm -rf "$findings"
  mkdir -p "$dir/corpus/$target" "$findings" "$dir/logs"
  local status=0
  # The outer limit catches a hang that libFuzzer's own -timeout cannot see: in the outsize
  # inputs each target reads before fuzzing.
  timeout --kill-after=10 $((seconds + 600)) "$dir/fuzz_$target" "$dir/corpus/$target" \
    "fuzz/corpus/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$dir/logs/$target.log" 2>&1 ||
    status=$?
  echo "$status" >"$dir/logs/$target.status"
}

for target in "${targets[@]}"; do
  [ -x "$dir/fuzz_$target" ] || { echo "No fuzz target $target" >&2; exit 2; }
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
  fuzz "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
  log="$dir/logs/$target.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1)
  echo "fuzz $target: ${runs:-?} runs in ${seconds} s, ${coverage:-no coverage reported}"
  [ "$(cat "$dir/logs/$target.status")" -eq 0 ] && continue
  failed=$((failed + 1))
  echo "FAILED: $target (exit status $(cat "$dir/logs/$target.status")); its log ends:"
  tail -n 60 "$log"
  for input in "$dir/findings/$target"/*; do
    [ -f "$input" ] || continue
    echo "Input kept in $input ($(stat -c %s "$input") bytes), as base64:"
    head -c 65536 "$input" | base64 -w 100
  done
done
echo "Fuzzing took $(($(date +%s) - started)) s in all."
if [ "$failed" -gt 0 ]; then
  echo "$failed fuzz target(s) failed; reproduce one with $dir/fuzz_TARGET INPUT" >&2
  exit 1
fi
