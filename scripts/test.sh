#!/usr/bin/env bash
# Runs the format check and every suite: the native one (sanitizers on, with a
# short run of each fuzz target) and the ones under Wine. A suite that should run
# but is not built, or runs no case, fails the run by name: a green run means
# every suite ran. Ends with how many suites and cases ran on each side.
# The 32-bit program and its libraries are first read as files on every machine
# (tests/dist/check_binaries.py: imports, delay-load slots, hook exports).
# The pictures the README and the help show are checked against docs/screenshots/
# (tests/dist/check_pictures.py): none missing, none shown by neither. The
# README's sample of this summary is checked against the tree
# (tests/dist/check_summary_sample.py): its suites, line forms and counts.
# The Windows suites run from $MIPO_BUILD/win32 under 32-bit Wine, or, on a
# machine that cannot run 32-bit programs, from $MIPO_BUILD/win64 under wine64
# (scripts/env.sh decides); the summary says, per suite, which program ran. The scaling suite runs once
# more in a second prefix whose screen is at 144 dpi, where none of its cases may
# skip.
# Expects DISPLAY (the Makefile wraps it in with-display.sh) and built trees in
# $MIPO_BUILD/native, $MIPO_BUILD/win32 and, for 64-bit runs, $MIPO_BUILD/win64
# (make native win32 win64).
set -uo pipefail
. "$(dirname "$0")/env.sh"
native=$MIPO_BUILD/native
ship=$MIPO_BUILD/win32
win=$MIPO_WIN_RUN_BUILD
status=0
problems=()
problem() { problems+=("$*"); status=1; }

echo "== format"
if ! "$MIPO_ROOT/scripts/check-format.sh"; then
  problem "format: files differ from .clang-format (listed above; make format fixes them)"
fi

# The pictures the README and the help show, against docs/screenshots/.
echo "== pictures"
pictures_line="did not pass"
if pictures_out=$(python3 "$MIPO_ROOT/tests/dist/check_pictures.py" "$MIPO_ROOT"); then
  pictures_line=${pictures_out#pictures: }
else
  problem "pictures: the README or the help shows a missing picture, or a picture is shown by neither (above)"
fi
echo "$pictures_out"
python3 "$MIPO_ROOT/tests/dist/check_pictures_test.py" >"$MIPO_BUILD/pictures-test.log" 2>&1 || {
  cat "$MIPO_BUILD/pictures-test.log"
  problem "pictures: the check's own tests failed (above)"
}

# The README's sample of the summary below, against the suites of the tree.
echo "== the README's sample of the summary"
sample_line="did not pass"
if sample_out=$(python3 "$MIPO_ROOT/tests/dist/check_summary_sample.py" "$MIPO_ROOT"); then
  sample_line=${sample_out#summary sample: }
else
  problem "summary sample: the README's sample of this summary is not what this tree prints (above)"
fi
echo "$sample_out"
python3 "$MIPO_ROOT/tests/dist/check_summary_sample_test.py" >"$MIPO_BUILD/summary-sample-test.log" 2>&1 || {
  cat "$MIPO_BUILD/summary-sample-test.log"
  problem "summary sample: the check's own test failed (above)"
}

for tree in "$native" "$ship" "$win"; do
  if [ ! -f "$tree/CTestTestfile.cmake" ]; then
    echo "test: $tree is not configured; run make native win32 $MIPO_WIN_TREE first" >&2
    exit 1
  fi
done
# The program users get is 32-bit, whichever build the suites run as.
ship_machine=$(mipo_pe_machine "$ship/MipoWatch.exe")
[ "$ship_machine" = i386 ] ||
  problem "win32: $ship/MipoWatch.exe is not a 32-bit Windows program ($ship_machine)"
# The download test packs the 32-bit program even when it starts the 64-bit one.
export MIPO_DIST_BUILD=$ship

# The program users get, read as files: this runs on every machine, including
# one that cannot start a 32-bit program, where it is all that is known of it.
echo "== the 32-bit program and its libraries, read without running them"
static_line="did not pass"
static_word=failed
if static_out=$(python3 "$MIPO_ROOT/tests/dist/check_binaries.py" --system "$MIPO_SYSTEM_DLLS_I386" \
                  "$ship/MipoWatch.exe" "$ship/KeyHook.dll" "$ship/MouseHook.dll"); then
  static_line="passed ($(sed -n 's/^ *MipoWatch.exe: \([0-9]* imports, [0-9]* delay-loaded\)$/\1/p' \
                <<<"$static_out"))"
  static_word=passed
else
  problem "static check: the 32-bit program or a library would fail on Windows (above)"
fi
echo "$static_out"
python3 "$MIPO_ROOT/tests/dist/check_binaries_test.py" "$ship" "$MIPO_SYSTEM_DLLS_I386" ||
  problem "static check: its own tests failed (above)"
if [ "$MIPO_WIN_ARCH" = x86_64 ]; then
  # The stand-in is read the same way against the 64-bit system DLLs.
  python3 "$MIPO_ROOT/tests/dist/check_binaries.py" --machine x86_64 \
    --system "$MIPO_SYSTEM_DLLS_X86_64" "$win/MipoWatch.exe" "$win/KeyHook.dll" "$win/MouseHook.dll" ||
    problem "static check: the 64-bit stand-in would fail on Windows (above)"
fi

# The tests a tree registers, one name a line.
listed() { ctest --test-dir "$1" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: //p'; }
# ctest's "N% tests passed, F tests failed out of T" line, kept for the summary.
run_ctest() {
  local out=$1
  shift
  ctest --no-tests=error --output-on-failure "$@" </dev/null 2>&1 | tee "$out"
  return "${PIPESTATUS[0]}"
}
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

echo "== native suite"
mapfile -t native_tests < <(listed "$native")
native_cases=0
fuzz_ran=0
for t in "${native_tests[@]}"; do
  case $t in native.*) native_cases=$((native_cases + 1)) ;; esac
done
[ "$native_cases" -gt 0 ] || problem "native: native_tests registers no test case in $native"
# Every fuzz target in the tree runs briefly in the native suite.
fuzz_expected=0
for f in "$MIPO_ROOT"/fuzz/*_fuzzer.cpp; do
  [ -e "$f" ] || continue
  t=$(basename "$f" _fuzzer.cpp)
  fuzz_expected=$((fuzz_expected + 1))
  if printf '%s\n' "${native_tests[@]}" | grep -qx "fuzz\.$t"; then
    fuzz_ran=$((fuzz_ran + 1))
  else
    problem "native: fuzz target $t (fuzz/${t}_fuzzer.cpp) has no test in $native" \
            "(configured with MIPO_FUZZ_TESTS=OFF?)"
  fi
done
printf '%s\n' "${native_tests[@]}" | grep -qx layers ||
  problem "native: the layering check (tools/check_layers.py) has no test in $native"
jobs=$(nproc 2>/dev/null || echo 2)
run_ctest "$log/native" --test-dir "$native" -j "$jobs" || problem "native: tests failed (above)"
native_line=$(grep -E 'tests passed|tests failed' "$log/native" | tail -n 1)

echo "== Windows suites under Wine ($MIPO_WIN_ARCH_NOTE)"
wine_ready=1
if ! "$MIPO_ROOT/scripts/prepare-prefix.sh"; then
  wine_ready=0
  problem "Wine: the Wine prefix could not be prepared (above): none of the Windows suites ran"
fi
# The suites are the folders of tests/win32 (support/ is their shared harness)
# and tests/e2e; each must be registered, run, and report at least one case.
expected=()
declare -A folder
for d in "$MIPO_ROOT"/tests/win32/*/ "$MIPO_ROOT"/tests/e2e/; do
  [ -d "$d" ] || continue
  name=$(basename "$d")
  [ "$name" = support ] && continue
  expected+=("$name")
  folder[$name]=${d#"$MIPO_ROOT"/}
done
mapfile -t win_tests < <(listed "$win")
results=$win/test-results
rm -rf "$results"
win_line=
if [ $wine_ready = 1 ]; then
  # A long-lived server and one warm-up run keep each test's Wine start cheap and
  # stop Wine's background processes from holding ctest's output pipe open.
  mipo_wineserver -p30
  mipo_wine cmd /c exit </dev/null >/dev/null 2>&1
  run_ctest "$log/wine" --test-dir "$win" || problem "Wine: tests failed (above)"
  win_line=$(grep -E 'tests passed|tests failed' "$log/wine" | tail -n 1)
  mipo_wineserver -k || true
fi

win_suites=0
win_cases=0
per_suite=()
# Which program a suite ran: the 32-bit one users get, or the 64-bit stand-in.
ran_as() {
  case $(mipo_pe_machine "$1") in
    i386) echo "the 32-bit program under 32-bit Wine" ;;
    x86_64) echo "the 64-bit stand-in under wine64 (the 32-bit program: static check $static_word)" ;;
    *) echo "an unknown build ($1)" ;;
  esac
}
for name in "${expected[@]}"; do
  if ! printf '%s\n' "${win_tests[@]}" | grep -qx "win32\.$name"; then
    problem "Wine: suite $name (${folder[$name]}) is not built in $win" \
            "(GoogleTest sources missing, or MIPO_WIN32_TESTS=OFF?)"
    continue
  fi
  xml=$results/win32.$name.xml
  [ $wine_ready = 1 ] || continue  # already said: nothing ran
  if [ ! -f "$xml" ]; then
    problem "Wine: suite $name wrote no report ($xml): it did not run to the end"
    continue
  fi
  # gtest's report opens with <testsuites tests="N" ... disabled="D" ...>.
  counts=$(sed -n 's/.*<testsuites tests="\([0-9]*\)".* disabled="\([0-9]*\)".*/\1 \2/p' "$xml" |
           head -n 1)
  read -r total disabled <<<"${counts:-0 0}"
  ran=$((total - disabled))
  if [ "$ran" -le 0 ]; then
    problem "Wine: suite $name ran no test case"
    continue
  fi
  win_suites=$((win_suites + 1))
  win_cases=$((win_cases + ran))
  per_suite+=("$(printf '%-16s %4d cases  %s' "$name" "$ran" "$(ran_as "$win/win32_${name}_tests.exe")")")
done
# The sizes the program scales, once more at 144 dpi: the suite's own process in
# a prefix of its own (with its own server), so nothing of the 96-dpi run leaks in.
scaled_line="did not run"
if [ $wine_ready = 1 ]; then
  echo "== the scaling suite once more at $MIPO_SCALED_DPI dpi ($MIPO_SCALED_PREFIX)"
  scaled_exe=$win/win32_scaling_tests.exe
  scaled_xml=$results/win32.scaling-$MIPO_SCALED_DPI.xml
  if ! WINEPREFIX=$MIPO_SCALED_PREFIX MIPO_LOGPIXELS=$MIPO_SCALED_DPI \
       "$MIPO_ROOT/scripts/prepare-prefix.sh"; then
    problem "Wine at $MIPO_SCALED_DPI dpi: the prefix $MIPO_SCALED_PREFIX could not be prepared (above)"
  elif [ ! -f "$scaled_exe" ]; then
    problem "Wine at $MIPO_SCALED_DPI dpi: $scaled_exe is not built"
  else
    (
      export WINEPREFIX=$MIPO_SCALED_PREFIX
      mipo_wineserver -p30
      mipo_wine "$scaled_exe" --gtest_output="xml:Z:$scaled_xml" </dev/null
      code=$?
      mipo_wineserver -k || true
      exit $code
    ) || problem "Wine at $MIPO_SCALED_DPI dpi: the scaling suite failed (above)"
    counts=$(sed -n 's/.*<testsuites tests="\([0-9]*\)".* disabled="\([0-9]*\)".*/\1 \2/p' \
             "$scaled_xml" 2>/dev/null | head -n 1)
    read -r total disabled <<<"${counts:-0 0}"
    skipped=$(grep -c '<skipped' "$scaled_xml" 2>/dev/null)
    ran=$((total - disabled - ${skipped:-0}))
    if [ "$ran" -le 0 ] || [ "${skipped:-0}" -gt 0 ]; then
      problem "Wine at $MIPO_SCALED_DPI dpi: the scaling suite ran $ran cases and skipped" \
              "${skipped:-0} (is the prefix's LogPixels $MIPO_SCALED_DPI?)"
    fi
    scaled_line="the scaling suite ran again with $ran cases, $((${skipped:-0})) skipped"
  fi
fi

# A skipped case tests nothing: any skip fails the run unless tests/skips.txt
# lists the case with its reason (the summary names those it allowed).
skips_line=$("$MIPO_ROOT/scripts/check-skips.sh" "$log/native" "$results") ||
  problem "skips: cases skipped that tests/skips.txt does not list (named above)"

win_other=0
for t in "${win_tests[@]}"; do
  case $t in
    win32.*) ;;
    *) win_other=$((win_other + 1))
       per_suite+=("$(printf '%-16s %10s  %s' "$t" "" "$(ran_as "$win/MipoWatch.exe")")") ;;
  esac
done

echo
echo "== summary"
echo "native: 1 GoogleTest program with $native_cases cases, $fuzz_ran of $fuzz_expected fuzz targets," \
     "the layering check" \
     "(ctest: ${native_line:-no result})"
echo "Wine:   $win_suites of ${#expected[@]} suites with $win_cases cases, $win_other other tests" \
     "(ctest: ${win_line:-no result})"
printf '        %s\n' "${per_suite[@]}"
echo "        at $MIPO_SCALED_DPI dpi (150 %): $scaled_line"
echo "files:  the 32-bit program and its libraries, read without running them: $static_line"
if [ "$MIPO_WIN_ARCH" = i686 ]; then
  echo "        ran as $MIPO_WIN_ARCH_NOTE"
else
  echo "        ran as $MIPO_WIN_ARCH_NOTE. The 32-bit program users get was built ($ship)" \
       "and read, but nothing started it: this run shows that the same sources work as a" \
       "64-bit program, and that the 32-bit files would load on Windows; not that the 32-bit" \
       "program works. The download test checked the 32-bit zip's contents and started the" \
       "64-bit build in its place."
fi
echo "skips:  $skips_line"
echo "docs:   the pictures of the README and the help: $pictures_line"
echo "        the README's sample of this summary: $sample_line"
if [ $status != 0 ]; then
  echo "FAILED:"
  printf '  %s\n' "${problems[@]}"
else
  echo "all passed"
fi
exit $status
