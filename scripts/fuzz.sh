#!/usr/bin/env bash
# Runs every fuzz target (tests/fuzz) for SECONDS each, 60 by default:
#   scripts/fuzz.sh [--no-build] [SECONDS [TARGET ...]]
# Builds the fuzz flavour first unless --no-build is given (for runs side by side on one tree). Each
# target starts from a fresh scratch copy of its committed seeds (build/fuzz/fuzz-runs/<target>/corpus,
# where new inputs go; tests/fuzz/corpus stays as it is) with its dictionary, and stops at the first
# crash, leak, timeout (10 s an input) or 2 GB of memory. Prints one line per target (executions, edges
# covered, corpus, findings) and exits 1 when any target found something; the input that did it is
# kept in build/fuzz/findings/<target>/.
#
# Taking new inputs into the committed seeds is done on purpose, by hand:
#   build/fuzz/tests/fuzz/fuzz_<target> -merge=1 tests/fuzz/corpus/<target> build/fuzz/fuzz-runs/<target>/corpus
set -euo pipefail
cd "$(dirname "$0")/.."
build=1
if [ "${1:-}" = --no-build ]; then
  build=0
  shift
fi
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*.cpp; do
    name=$(basename "$source" .cpp)
    [[ $name == *Test ]] || targets+=("$name")
  done
fi
if [ $build = 1 ]; then
  scripts/setup-debian.sh clang-14 libclang-rt-14-dev >/dev/null
  mkdir -p build
  if ! scripts/build.sh fuzz > build/fuzz-build.log 2>&1; then
    tail -n 40 build/fuzz-build.log
    echo "fuzz: the fuzz build failed (whole log: build/fuzz-build.log)" >&2
    exit 1
  fi
fi

# OVL readers share one dictionary; the text readers have their own.
dictionary() {
  if [ -f "tests/fuzz/dict/$1.dict" ]; then echo "tests/fuzz/dict/$1.dict"; else echo tests/fuzz/dict/ovl.dict; fi
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for target in "${targets[@]}"; do
  program=build/fuzz/tests/fuzz/fuzz_$target
  [ -x "$program" ] || { echo "fuzz: no program $program (unknown target $target?)" >&2; exit 2; }
  work=build/fuzz/fuzz-runs/$target
  findings=build/fuzz/findings/$target
  rm -rf "$work"
  mkdir -p "$work/corpus" "$findings"
  cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
  touch "$work/start"
  status=0
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -dict="$(dictionary "$target")" -artifact_prefix="$findings/" "$work/corpus" >"$work/log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1 || true)
  files=$(find "$work/corpus" -type f | wc -l)
  size=$(du -sh "$work/corpus" | cut -f1)
  # Inputs that crashed, leaked, hung or ran out of memory in this run (slow inputs are no finding).
  found=$(find "$findings" -newer "$work/start" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) 2>/dev/null || true)
  if [ $status -ne 0 ] || [ -n "$found" ]; then
    echo "$target: execs ${execs:-?}, ${cov:-cov: ?}, corpus $files files ($size), FINDING (exit $status): ${found:-see $work/log}"
    failed+=("$target")
  else
    echo "$target: execs ${execs:-?}, ${cov:-cov: ?}, corpus $files files ($size), findings none"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  cat >&2 <<MESSAGE
fuzz: findings in ${failed[*]}. The inputs are kept in build/fuzz/findings/<target>/ and the runs'
logs in build/fuzz/fuzz-runs/<target>/log. Replay one with build/fuzz/tests/fuzz/fuzz_<target> FILE;
once the fault is fixed, add the input to tests/fuzz/regressions/<target>/ so that the test suite
replays it from then on.
MESSAGE
  exit 1
fi
