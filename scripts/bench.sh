#!/usr/bin/env bash
# Runs the benchmark suite and prints one table: drift of the stopwatch and the
# countdown against the performance counter (idle and under load) with the
# display's lag behind it as a distribution, CPU time against a bare timer
# program, start-up and peak memory against two yardsticks (a bare dialog, and a
# fair one with the program's manifest, font and controls), file sizes, and the
# native micro-benchmarks. Every ratio compares two
# figures measured in this one run. Nothing here fails on a figure; the script
# fails only when a benchmark program cannot run.
#
#   scripts/bench.sh [--quick | --long]     (or MIPO_BENCH=quick|long)
#     default  drift runs of 2 minutes, CPU runs of 30 s, 25 starts of each program
#              (with 7 the start-up ratio moved between 0.80× and 1.45× from run to
#              run; with 25 two runs gave 1.20× and 1.24×)
#     --long   drift runs of 10 minutes
#     --quick  drift runs of 10 s, CPU runs of 5 s, 2 starts: for development;
#              does not touch docs/benchmarks.md
#
# Expects DISPLAY (the Makefile wraps it in with-display.sh) and built trees:
# $MIPO_BUILD/native and $MIPO_BUILD/win32, or MIPO_BENCH_NATIVE / MIPO_BENCH_WIN32.
# On a machine that cannot run 32-bit programs the Windows figures come from the
# 64-bit build ($MIPO_BUILD/win64), and the table's header says so.
set -uo pipefail
. "$(dirname "$0")/env.sh"

mode=${MIPO_BENCH:-standard}
case "${1:-}" in
  --quick) mode=quick ;;
  --long) mode=long ;;
  "") ;;
  *) echo "bench: unknown option '$1' (accepted: --quick, --long, or none for the standard run)" >&2
     echo "usage: scripts/bench.sh [--quick | --long]" >&2; exit 2 ;;
esac
case "$mode" in
  quick) drift=10; cpu=5; starts=2; min_time=0.05 ;;
  long) drift=600; cpu=30; starts=25; min_time=0.5 ;;
  standard) drift=120; cpu=30; starts=25; min_time=0.5 ;;
  *) echo "bench: unknown mode MIPO_BENCH='$mode' (accepted: quick, long, standard)" >&2; exit 2 ;;
esac

native=${MIPO_BENCH_NATIVE:-$MIPO_BUILD/native}
win=${MIPO_BENCH_WIN32:-$MIPO_WIN_RUN_BUILD}
benchdir=$win/bench/win32
for f in "$native/bench/text_bench" "$benchdir/page_bench.exe" "$benchdir/bare_tick.exe" \
         "$benchdir/busy_load.exe" "$benchdir/bare_dialog.exe" "$benchdir/fair_dialog.exe" \
         "$benchdir/launch_bench.exe" \
         "$win/MipoWatch.exe"; do
  [ -e "$f" ] || { echo "bench: $f is missing; build first (make native win32)" >&2; exit 1; }
done

# The commit measured (with "+changes" when the tree differs from it) and how
# busy the machine was before the run: other work on it shows in every figure.
commit=$(git -C "$MIPO_ROOT" rev-parse --short HEAD 2>/dev/null || echo unknown)
git -C "$MIPO_ROOT" diff --quiet HEAD -- 2>/dev/null || commit="$commit+changes"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
"$MIPO_ROOT/scripts/prepare-prefix.sh" || exit 1
mipo_wineserver -p30
mipo_wine cmd /c exit </dev/null >/dev/null 2>&1

# The raw result lines are kept in the build tree, so a table can be checked
# against the figures it was made from.
raw=$MIPO_BUILD/bench-raw.txt
: >"$raw"
texts=$(mktemp)
trap 'rm -f "$texts"' EXIT
say() { echo "bench: $*" >&2; }
if [ "$(mipo_pe_machine "$win/MipoWatch.exe")" != i386 ]; then
  say "every Windows figure below is the 64-bit stand-in's ($win), not the 32-bit" \
      "program users get, and judges no goal: $MIPO_WIN_ARCH_NOTE"
fi
# A Windows program of the suite; its result lines go to the raw file.
run_win() {
  mipo_wine "$@" </dev/null 2>/dev/null | tr -d '\r' >>"$raw"
  local status=${PIPESTATUS[0]}
  [ "$status" = 0 ] || { say "$(basename "$1") failed (exit $status)"; exit 1; }
}

say "native micro-benchmarks"
"$native/bench/text_bench" --benchmark_min_time=$min_time --benchmark_format=csv \
  2>/dev/null >"$texts" || { say "text_bench failed"; exit 1; }
say "drift: two runs of ${drift} s (idle, then under load)"
run_win "$benchdir/page_bench.exe" drift "$drift"
say "CPU: stopwatch page, bare timer program, timer page, ${cpu} s each in three turns"
# Taking turns spreads a passing disturbance over all three.
slice=$(awk -v c="$cpu" 'BEGIN { printf "%.1f", c / 3 }')
for _ in 1 2 3; do
  run_win "$benchdir/page_bench.exe" cpu-stopwatch "$slice"
  run_win "$benchdir/bare_tick.exe" "$slice"
  run_win "$benchdir/page_bench.exe" cpu-timer "$slice"
done
say "start-up and memory: $starts starts of each program, taking turns"
run_win "$benchdir/launch_bench.exe" "Z:${win//\//\\}" "$starts"

cpu_model=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
header="Run of $(date -u '+%Y-%m-%d %H:%M UTC') ($mode: drift runs of ${drift} s), \
$(nproc) × ${cpu_model:-unknown CPU}, $("$MIPO_WINE" --version 2>/dev/null || echo Wine), \
Windows programs built for $(mipo_pe_machine "$win/MipoWatch.exe") ($MIPO_WIN_ARCH_NOTE), \
commit $commit, load average $load_before before the run."
# The goals are the 32-bit program's: a 64-bit stand-in's figures are shown but
# judge nothing.
judged=1
if [ "$(mipo_pe_machine "$win/MipoWatch.exe")" != i386 ]; then
  judged=0
  header="$header **These are figures of the 64-bit stand-in, not of the 32-bit program users get,\
 so no goal is judged on them.**"
fi

table=$(awk -v drift="$drift" -v judged="$judged" '
  function fmt_ms(v) { return sprintf("%.1f ms", v) }
  function mib(v) { return sprintf("%.1f MiB", v / 1048576) }
  function kib(v) { return sprintf("%.1f KiB", v / 1024) }
  function verdict(ok) { return !judged ? "not judged (64-bit stand-in)" : ok ? "yes" : "**no**" }
  function median(list, n,   a, i, j, t) {
    n = split(list, a, " ")
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    if (n == 0) return 0
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  FILENAME == ARGV[1] && $1 == "drift" {
    key = $2 " " $3; order[++rows] = key
    period[key] = $4; counted[key] = $5; elapsed[key] = $6; behind[key] = $7; ahead[key] = $8
  }
  FILENAME == ARGV[1] && $1 == "lag" {
    key = $2 " " $3; lagorder[++lags] = key
    lagperiod[key] = $4; lagmed[key] = $5; lagp99[key] = $6; lagmax[key] = $7; lagn[key] = $8
  }
  FILENAME == ARGV[1] && $1 == "cpu" { cpu[$2] += $3; wall[$2] += $4 }
  FILENAME == ARGV[1] && $1 == "startup" { start[$2] = start[$2] " " $3 }
  FILENAME == ARGV[1] && $1 == "peak" { peak[$2] = peak[$2] " " $3 }
  FILENAME == ARGV[1] && $1 == "size" { size[$2] = $3 }
  FILENAME == ARGV[1] && $1 == "notice" { notice = notice " " $0 }
  FILENAME == ARGV[2] && FNR > 1 {
    split($0, f, ","); gsub(/"/, "", f[1]); micro[++micros] = f[1]; ns[f[1]] = f[4]
  }
  END {
    print "| # | Measure | Result | Baseline (same run) | Goal | Met |"
    print "|---|---|---|---|---|---|"
    names["stopwatch-1ms"] = "stopwatch 1 ms"; names["stopwatch-10ms"] = "stopwatch 10 ms"
    names["stopwatch-100ms"] = "stopwatch 100 ms"; names["stopwatch-1s"] = "stopwatch 1 s"
    names["countdown"] = "countdown (1 s)"
    for (i = 1; i <= rows; i++) {
      key = order[i]; split(key, k, " ")
      d = counted[key] - elapsed[key]; limit = period[key] + elapsed[key] * 1e-5
      printf "| 1 | Drift, %s, %s | counted − elapsed %+.1f ms; display at most %s behind | %s elapsed (QPC) | ≤ %s | %s |\n", \
        (k[1] == "idle" ? "idle" : "other core busy"), names[k[2]], d, fmt_ms(behind[key]), \
        sprintf("%.1f s", elapsed[key] / 1000), fmt_ms(limit), verdict(d <= limit && -d <= limit)
    }
    for (i = 1; i <= lags; i++) {
      key = lagorder[i]; split(key, k, " ")
      limit = lagperiod[key] + (k[1] == "idle" ? 16 : 33)
      printf "| 1 | Display behind the counter, %s, %s | median %s, 99th percentile %s, max %s | %d samples, one per 100 ms | 99th percentile ≤ %s | %s |\n", \
        (k[1] == "idle" ? "idle" : "other core busy"), names[k[2]], fmt_ms(lagmed[key]), \
        fmt_ms(lagp99[key]), fmt_ms(lagmax[key]), lagn[key], fmt_ms(limit), verdict(lagp99[key] <= limit)
    }
    if (("stopwatch" in cpu) && ("bare" in cpu) && wall["bare"] > 0 && cpu["bare"] > 0) {
      sw = 100 * cpu["stopwatch"] / wall["stopwatch"]; bare = 100 * cpu["bare"] / wall["bare"]
      printf "| 2 | CPU, stopwatch at 1 ms, display visible | %.1f %% of one core (%.2f×) | bare timer program %.1f %% | ≤ 1.10× | %s |\n", \
        sw, sw / bare, bare, verdict(sw / bare <= 1.10)
    }
    if ("timer" in cpu) {
      tm = 100 * cpu["timer"] / wall["timer"]
      printf "| 2 | CPU, timer page running | %.2f %% of one core | — | ≤ 0.5 %% | %s |\n", tm, verdict(tm <= 0.5)
    }
    a = median(start["app"]); b = median(start["bare"]); fr = median(start["fair"])
    n = split(start["app"], tmp, " ")
    if (a > 0 && b > 0)
      printf "| 3 | Start-up to visible main window (median of %d) | %s (%.2f×) | bare dialog program %s | ≤ 1.5× | %s |\n", \
        n, fmt_ms(a), a / b, fmt_ms(b), verdict(a / b <= 1.5)
    if (a > 0 && fr > 0)
      printf "| 3 | Start-up to visible main window (median of %d) | %s (%.2f×) | fair dialog program %s | ≤ 1.25× | %s |\n", \
        n, fmt_ms(a), a / fr, fmt_ms(fr), verdict(a / fr <= 1.25)
    a = median(peak["app"]); b = median(peak["bare"]); fr = median(peak["fair"])
    if (a > 0 && b > 0)
      printf "| 4 | Peak working set (median of %d) | %s (%.2f×) | bare dialog program %s | ≤ 1.3× | %s |\n", \
        n, mib(a), a / b, mib(b), verdict(a / b <= 1.3)
    if (a > 0 && fr > 0)
      printf "| 4 | Peak working set (median of %d) | %s (%.2f×) | fair dialog program %s | ≤ 1.10× | %s |\n", \
        n, mib(a), a / fr, mib(fr), verdict(a / fr <= 1.10)
    if (size["MipoWatch.exe"] > 0)
      printf "| 4 | Size of MipoWatch.exe | %s | — | ≤ 1 MiB | %s |\n", kib(size["MipoWatch.exe"]), \
        verdict(size["MipoWatch.exe"] <= 1048576)
    split("KeyHook.dll MouseHook.dll", libs, " ")
    for (i = 1; i <= 2; i++) if (libs[i] in size)
      printf "| 4 | Size of %s | %s | — | — | — |\n", libs[i], (size[libs[i]] < 0 ? "missing" : kib(size[libs[i]]))
    label["RunningTimeText"] = "FormatDuration, running time at 1 ms"
    label["RunningTimeTextManyHours"] = "FormatDuration, running time at 9999 h width"
    label["LapDurationText"] = "FormatDuration, lap duration (100 ns units)"
    label["ClockTimeText"] = "FormatClockTime"
    label["CountdownTimeText"] = "FormatSeconds"
    label["LapRowAllColumns"] = "Lap row, seven columns, with status text"
    label["LapRowFixedColumnsOnly"] = "Lap row, two columns, with status text"
    label["TickHandling"] = "One tick: count, format, show"
    for (i = 1; i <= micros; i++)
      printf "| 5 | %s | %.0f ns per call | — | — | — |\n", \
        (micro[i] in label ? label[micro[i]] : micro[i]), ns[micro[i]]
    if (notice != "") printf "\nA start showed another window first:%s\n", notice
  }' "$raw" "$texts")

echo
echo "$header"
echo
echo "$table"

if [ "$mode" != quick ]; then
  doc=$MIPO_ROOT/docs/benchmarks.md
  mkdir -p "$(dirname "$doc")"
  latest=$(mktemp)
  { echo "<!-- latest run: written by scripts/bench.sh -->"; echo "$header"; echo; echo "$table"
    echo "<!-- end of latest run -->"; } >"$latest"
  if [ -f "$doc" ] && grep -q '^<!-- latest run: written by scripts/bench.sh -->$' "$doc"; then
    awk -v file="$latest" '
      /^<!-- latest run: written by scripts\/bench.sh -->$/ { while ((getline line < file) > 0) print line; skip = 1; next }
      /^<!-- end of latest run -->$/ { skip = 0; next }
      !skip' "$doc" >"$doc.new" && mv "$doc.new" "$doc"
  else
    { [ -f "$doc" ] && cat "$doc" && echo; echo "## Latest run"; echo; cat "$latest"; } >"$doc.new" &&
      mv "$doc.new" "$doc"
  fi
  status=$?
  rm -f "$latest"
  echo
  if [ "$status" = 0 ]; then echo "Written to docs/benchmarks.md."; else say "could not write $doc"; fi
fi
