#!/usr/bin/env bash
# Builds Release and runs every benchmark of the project. Each measures its floor in the same run
# and prints its ratio against it; the summary at the end compares each ratio with its target.
# Exits non-zero when a target is missed. Usage: scripts/bench.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/bench"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZORVIX_BUILD_TESTS=OFF -DZORVIX_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen

# Target ratio of each Google Benchmark binary (its "ratio" counter); start-up checks its own.
# worksheets_bench reports two: time per page against its floor, and peak memory at 200 sheets
# against 10 (flat).
# school_clients_bench: 1.43 is at least 0.7x the records per second of bare libpq.
declare -A target=([print_bench]=1.5 [sort_bench]=1.3 [resize_bench]=2.0 [worksheets_bench]=1.5 [progress_bench]=2.0
                   [school_clients_bench]=1.43 [school_bench]=2.0)
# Benchmarks whose target is a time in milliseconds: "binary:counter" and its most.
declare -A time_target=([progress_bench:record_ms]=2.0 [progress_bench:gui_thread_ms]=2.0)
summary=()
status=0
for bench in "$build"/bench/*_bench; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  name=$(basename "$bench")
  echo "== $name"
  if [ "$name" = startup_bench ]; then
    if "$bench" | tee "$build/$name.txt"; then
      summary+=("$name: ok")
    else
      summary+=("$name: MISSED"); status=1
    fi
    continue
  fi
  "$bench" --benchmark_counters_tabular=false | tee "$build/$name.txt"
  # A benchmark that measures its floor as a sibling ("floorLoop/N" beside "pass/N", both in one
  # unit): the ratio of each pair.
  if ! grep -q 'ratio=' "$build/$name.txt"; then
    awk '$1 ~ /^floorLoop\// { split($1, a, "/"); f[a[2]] = $2 }
         $1 ~ /^pass\//      { split($1, a, "/"); p[a[2]] = $2 }
         END { for (n in p) if (f[n] > 0) printf "%s n=%s ratio=%.3f\n", "'"$name"'", n, p[n] / f[n] }' \
      "$build/$name.txt" | sort -t= -k2 -n | tee -a "$build/$name.txt"
    # Linear in the number of controls: the cost per control at the largest size against the
    # smallest.
    growth=$(awk '$1 ~ /^pass\// { split($1, a, "/"); n = a[2] + 0; c = $2 / n
                                 if (!lo || n < lo) { lo = n; clo = c } if (n > hi) { hi = n; chi = c } }
                  END { if (lo && hi > lo) printf "%.3f", chi / clo }' "$build/$name.txt")
    if [ -n "$growth" ]; then
      echo "$name per-control cost, largest against smallest: $growth (target <= 1.5)"
      if awk -v g="$growth" 'BEGIN { exit !(g > 1.5) }'; then
        summary+=("$name: per-control growth $growth, target <= 1.5: MISSED"); status=1
      else
        summary+=("$name: per-control growth $growth, target <= 1.5: ok")
      fi
    fi
  fi
  for key in "${!time_target[@]}"; do
    [ "${key%%:*}" = "$name" ] || continue
    counter=${key#*:}
    ms=$(grep -o "$counter=[0-9.eE+-]*" "$build/$name.txt" | cut -d= -f2 | sort -g | tail -1)
    if [ -z "$ms" ] || awk -v v="$ms" -v t="${time_target[$key]}" 'BEGIN { exit !(v > t) }'; then
      summary+=("$name: $counter ${ms:-missing}, target <= ${time_target[$key]}: MISSED"); status=1
    else
      summary+=("$name: $counter $ms, target <= ${time_target[$key]}: ok")
    fi
  done
  limit=${target[$name]:-}
  worst=$(grep -o 'ratio=[0-9.eE+-]*' "$build/$name.txt" | cut -d= -f2 | sort -g | tail -1)
  if [ -z "$worst" ]; then
    summary+=("$name: no ratio reported"); status=1
  elif [ -n "$limit" ] && awk -v r="$worst" -v t="$limit" 'BEGIN { exit !(r > t) }'; then
    summary+=("$name: worst ratio $worst, target <= $limit: MISSED"); status=1
  else
    summary+=("$name: worst ratio $worst, target <= ${limit:-none}: ok")
  fi
done
if [ ${#summary[@]} -eq 0 ]; then
  echo "no benchmark was built (is Google Benchmark installed?)"; exit 1
fi
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $status
