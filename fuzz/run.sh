#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each until it has made FUZZ_RUNS
# executions or FUZZ_SECONDS have passed, whichever comes first, as many targets
# at once as there are cores.
#   fuzz/run.sh [--seconds N] [--runs N] [--build DIR] [--no-build] [target...]
# Each target starts from its seed corpus in fuzz/corpus/<target>/ (never
# written to); what it learns goes to a working corpus in the build folder, so a
# later run carries on from there. Exits non-zero on the first crash, leak or
# sanitizer report; the input that caused it lands in the build folder as
# crash-*, leak-* or timeout-*.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# On this kind of machine (2 cores, two targets at a time) the slowest target,
# path_rules, makes 6,000 to 8,000 executions a second, so 10 million take it
# about half an hour; the time limit is only a backstop.
seconds=${FUZZ_SECONDS:-3600}
runs=${FUZZ_RUNS:-10000000}
build=${FUZZ_BUILD:-$root/build/fuzz}
jobs=${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}
do_build=1
targets=()
# The targets are the fuzz/<target>_fuzzer.cpp files, as fuzz/CMakeLists.txt finds them.
known=()
for f in "$root"/fuzz/*_fuzzer.cpp; do
  [ -e "$f" ] && known+=("$(basename "$f" _fuzzer.cpp)")
done
[ ${#known[@]} -gt 0 ] || { echo "fuzz: no fuzz targets in $root/fuzz (*_fuzzer.cpp)" >&2; exit 1; }
value() {
  [ $# -ge 2 ] || { echo "fuzz: $1 needs a value" >&2; exit 2; }
}
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) value "$@"; seconds=$2; shift 2 ;;
    --runs) value "$@"; runs=$2; shift 2 ;;
    --build) value "$@"; build=$2; shift 2 ;;
    --no-build) do_build=0; shift ;;
    -*) echo "fuzz: unknown option $1 (accepted: --seconds N, --runs N, --build DIR, --no-build)" >&2
        exit 2 ;;
    *)
      case " ${known[*]} " in
        *" $1 "*) targets+=("$1") ;;
        *) echo "fuzz: unknown target $1 (targets: ${known[*]})" >&2; exit 2 ;;
      esac
      shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=("${known[@]}")

if [ $do_build = 1 ]; then
  command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (make deps installs it)" >&2; exit 1; }
  "$root/scripts/configure.sh" "$build" -S "$root/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ || exit 1
  cmake --build "$build" >/dev/null || { cmake --build "$build"; exit 1; }
fi

# One target: runs it and prints one line; the exit code tells whether it found anything.
run_one() {
  local t=$1 work="$build/corpus/$1" log="$build/$1.log" start rc count elapsed
  [ -x "$build/fuzz_$t" ] || { echo "fuzz $t: $build/fuzz_$t is not built" >&2; return 1; }
  [ -d "$root/fuzz/corpus/$t" ] || { echo "fuzz $t: no seed corpus in fuzz/corpus/$t" >&2; return 1; }
  mkdir -p "$work" "$build/artifacts"
  start=$(date +%s)
  "$build/fuzz_$t" "$work" "$root/fuzz/corpus/$t" -max_total_time="$seconds" -runs="$runs" \
    -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -max_len=2048 \
    -artifact_prefix="$build/artifacts/$t-" >"$log" 2>&1
  rc=$?
  count=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  elapsed=$(( $(date +%s) - start ))
  if [ $rc -ne 0 ]; then
    { echo "fuzz $t: FAILED after ${count:-?} executions (exit $rc); log $log"
      grep -m5 -E 'ERROR|SUMMARY|property failed|runtime error' "$log"; } >&2
    return 1
  fi
  echo "fuzz $t: ${count:-?} executions in ${elapsed}s, no findings"
}

status=0
running=0
for t in "${targets[@]}"; do
  if [ $running -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  run_one "$t" &
  running=$((running + 1))
done
while [ $running -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
