# The shell tests' way of saying what they found: one line per check, "ok" or
# "FAIL" and its description, counted in $failures. Sourced, not run.
failures=0

check() {  # check <description> <command...>
  local what=$1
  shift
  if "$@"; then echo "ok    $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}
