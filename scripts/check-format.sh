#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as `make format` would leave it
# (the repository's .clang-format), without changing anything. Names each file
# that differs and the first differences; exits 1 when there is any.
# clang-format's output differs between major versions: the tree is formatted
# with Debian 12's clang-format 14 (MIPO_CLANG_FORMAT picks another binary).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fmt=${MIPO_CLANG_FORMAT:-}
if [ -z "$fmt" ]; then
  if command -v clang-format-14 >/dev/null 2>&1; then fmt=clang-format-14
  elif command -v clang-format >/dev/null 2>&1; then fmt=clang-format
  else
    echo "format: clang-format is missing (scripts/install-deps.sh format installs it)" >&2
    exit 1
  fi
fi
[ -f .clang-format ] || { echo "format: $root/.clang-format is missing" >&2; exit 1; }

# The files git tracks (plus new ones not yet added); a tree without git: all of them.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | sort -u)
else
  mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
                       sed 's|^\./||' | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "format: no C++ files found under $root" >&2; exit 1; }

bad=()
report=$(mktemp)
trap 'rm -f "$report"' EXIT
for f in "${files[@]}"; do
  [ -f "$f" ] || continue  # deleted in the work tree, not yet in git
  if ! "$fmt" --dry-run --Werror "$f" >>"$report" 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -gt 0 ]; then
  diffs=$(grep -c 'clang-format-violations' "$report" || true)
  {
    echo "format: ${#bad[@]} of ${#files[@]} files differ from $fmt's formatting ($diffs places):"
    printf '  %s\n' "${bad[@]}"
    echo "format: first differences:"
    grep -A2 'clang-format-violations' "$report" | head -n 24
    echo "format: run 'make format' to fix them"
  } >&2
  exit 1
fi
echo "format: ${#files[@]} files formatted as .clang-format asks"
