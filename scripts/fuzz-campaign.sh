#!/usr/bin/env bash
# A long fuzzing campaign over the fuzz targets, one after the other, each as a
# single niced job (the machine is shared): builds the fuzz preset, copies each
# target's seeds from fuzz/corpus/<target>/ into a working corpus under
# build/fuzz-preset/campaign/<target>/ (kept between campaigns, so a second one
# goes on where the first stopped) and runs the target for RUNS inputs.
# Crashes land in build/fuzz-preset/campaign/<target>/artifacts/; the full
# libFuzzer output in build/fuzz-preset/campaign/<target>/fuzz-0.log. Ends with
# one line per target: runs, coverage (cov: edges, ft: features), seconds, crashes.
#
#   scripts/fuzz-campaign.sh [RUNS [TARGET...]]
#   scripts/fuzz-campaign.sh 1000000 ini_file profile_ini
#
# RUNS defaults to 1000000; the targets to profile_ini, ini_file, survey_reader
# and file_version. FUZZ_SECONDS=N also ends each target after N seconds.
# Interrupting a target (kill -INT of its fuzz_<target> process) ends it with
# its statistics, and the campaign goes on with the next.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

runs=${1:-1000000}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(profile_ini ini_file survey_reader file_version)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

summary=()
for target in "${targets[@]}"; do
  binary=$root/build/fuzz-preset/fuzz/fuzz_$target
  work=$root/build/fuzz-preset/campaign/$target
  mkdir -p "$work/corpus" "$work/artifacts"
  cp -n "$root/fuzz/corpus/$target/"* "$work/corpus/"
  options=(-runs="$runs" -jobs=1 -workers=1 -timeout=25 -print_final_stats=1
           -artifact_prefix="$work/artifacts/")
  [ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
  [ -n "${FUZZ_SECONDS:-}" ] && options+=(-max_total_time="$FUZZ_SECONDS")

  echo "== $target: $runs runs =="
  start=$(date +%s)
  # With -jobs the output goes to fuzz-0.log in the current folder.
  (cd "$work" && nice -n 10 "$binary" "${options[@]}" corpus) || true
  seconds=$(($(date +%s) - start))
  log=$work/fuzz-0.log
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
  done_runs=$(grep -oP 'stat::number_of_executed_units: \K[0-9]+' "$log" || echo "${last%% *}")
  cov=$(grep -oP 'cov: \K[0-9]+' <<<"$last" || echo '?')
  ft=$(grep -oP 'ft: \K[0-9]+' <<<"$last" || echo '?')
  crashes=$(find "$work/artifacts" -type f | wc -l)
  summary+=("$(printf '%-14s runs %-9s cov %-5s ft %-6s %5s s  crashes %s' \
    "$target" "$done_runs" "$cov" "$ft" "$seconds" "$crashes")")
done

echo "== summary =="
printf '%s\n' "${summary[@]}"
