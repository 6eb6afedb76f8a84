#!/usr/bin/env bash
# Runs each fuzz target for a set time, one after another, and prints per target
# the executions, the speed and the coverage reached. New inputs go to a working
# corpus in the build folder; the seeds in fuzz/corpus/ stay as they are. Exits
# with failure when any target found a crash, a leak or a broken property.
# Usage: run-fuzz.sh BUILD-FOLDER SECONDS TARGET...
set -uo pipefail
cd "$(dirname "$0")/.."

build="$1"
seconds="$2"
shift 2

failed=()
printf '%-12s %12s %10s %8s %8s %s\n' doel uitvoeringen per-sec cov ft resultaat
for target in "$@"; do
  work="$build/corpus/$target"
  artifacts="$build/fuzz-artifacts"
  log="$build/fuzz-$target.log"
  mkdir -p "$work" "$artifacts"
  "./$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=120 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  result="geen fouten"
  if [ "$status" -ne 0 ]; then
    result="FOUT (zie $log)"
    failed+=("$target")
  fi
  printf '%-12s %12s %10s %8s %8s %s\n' "$target" "${runs:--}" "${speed:--}" "${cov:--}" "${ft:--}" "$result"
done

if [ ${#failed[@]} -ne 0 ]; then
  for target in "${failed[@]}"; do
    echo "== $target =="
    tail -n 40 "$build/fuzz-$target.log"
  done
  exit 1
fi
