#!/usr/bin/env bash
# Builds the benchmark program (Release, -O2, build/bench) and runs it: each case's time next to a
# plain copy of its input and output bytes measured in the same run, their ratio, the peak memory
# and whether the goal is met. Repeated (default 5 times) and the median taken, since the machine
# may be shared.
#   scripts/bench.sh [--repetitions N] [--binary PROGRAM] [--json FILE]
# The cases: reading and rewriting a ride file, the ride build, two car builds, and drawing a large
# model (200 000 vertices at 512 x 512; its copy writes the picture's bytes) and the car preview's
# picture (three demo cars at 800 x 600).
# Columns: wall time, processor time (in the program and in the kernel), the copy's wall time, their
# ratio, the copy's processor time and the ratio of the processor times (steadier than the wall
# times when the machine is shared), the rise of resident memory, the output size, and the goals.
# --binary runs another build of bench_builds (e.g. one made from an earlier commit) without building;
# --report FILE prints the table of a run kept with --json FILE.
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=5
binary=
json=
report=
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) repetitions=$2; shift 2 ;;
    --binary) binary=$2; shift 2 ;;
    --json) json=$2; shift 2 ;;
    --report) report=$2; shift 2 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
if [ -n "$report" ]; then
  json=$report
elif [ -z "$binary" ]; then
  scripts/setup-debian.sh libbenchmark-dev python3
  cmake --preset bench >/dev/null
  cmake --build build/bench --target bench_builds -j 2
  binary=build/bench/benchmarks/bench_builds
fi
if [ -z "$report" ]; then
  [ -n "$json" ] || json=$(mktemp --suffix=.json)
  echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
  "$binary" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json >/dev/null
  echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
fi
python3 - "$json" <<'EOF'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
# The medians of the repetitions; with one repetition, its own figures.
case = lambda r: r["run_name"].split("/")[0]
median = {case(r): r for r in runs if r.get("aggregate_name") == "median"} or \
         {case(r): r for r in runs if r.get("run_type") == "iteration"}
errors = [r for r in runs if r.get("error_occurred")]
for r in errors:
    print(f"{case(r)}: {r.get('error_message', 'failed')}")
def ms(r, key="real_time"):
    return r[key] if r["time_unit"] == "ms" else r[key] / 1e6 if r["time_unit"] == "ns" else r[key] / 1e3
print(f"{'case':<24}{'time ms':>9}{'cpu ms':>8}{'user':>7}{'kernel':>7}{'copy ms':>9}{'ratio':>7}{'copy cpu':>9}{'cpu ratio':>10}"
      f"{'peak MiB':>9}{'out MiB':>8}  goal")
ride_cpu = sum(ms(median[n], "cpu_time") for n in ("BM_RideReadRewrite", "BM_RideBuild") if n in median)
single = median.get("BM_CarBuildLargeModel")
for name, r in median.items():
    goal = ""
    peak_limit = 2 * r["output_MiB"] + 16
    if name == "BM_RideReadRewrite":
        goal = "(with the ride build below)"
    elif name == "BM_RideBuild":
        goal = f"read+rewrite+build {ride_cpu:.1f} ms CPU < 20: {'yes' if ride_cpu < 20 else 'no'}"
    elif name == "BM_RenderLargeModel":
        cpu = ms(r, "cpu_time")
        goal = f"200 000 vertices at 512 x 512: {cpu:.1f} ms CPU <= 50: {'yes' if cpu <= 50 else 'no'}"
    elif name == "BM_RenderPreviewCars":
        per = ms(r)
        goal = f"preview at 800 x 600: {per:.1f} ms a picture, {1000 / per if per > 0 else 0:.0f} a second >= 30: {'yes' if per <= 1000 / 30 else 'no'}"
    elif name.startswith("BM_CarBuild"):
        yes = lambda met: "yes" if met else "no"
        goal = f"ratio <= 2: {yes(r['ratio'] <= 2)}; peak <= {peak_limit:.0f} MiB: {yes(r['peak_MiB'] <= peak_limit)}"
        if name == "BM_CarBuildTwiceTheModel" and single:
            scale = ms(r) / ms(single)
            goal += f"; {scale:.2f}x the large model's time <= 2.1: {yes(scale <= 2.1)}"
    elif name.startswith("BM_GameFolderCheck"):
        yes = lambda met: "yes" if met else "no"
        goal = (f"ratio <= 2: {yes(r['ratio'] <= 2)} (by processor time: {yes(r['cpu_ratio'] <= 2) if r.get('cpu_ratio') else 'not measured'}); "
                f"peak <= 64 MiB: {yes(r['peak_MiB'] <= 64)}")
    print(f"{name[3:]:<24}{ms(r):>9.1f}{ms(r, 'cpu_time'):>8.1f}{r.get('user_ms', 0):>7.1f}{r.get('system_ms', 0):>7.1f}"
          f"{r['copy_ms']:>9.1f}{r['ratio']:>7.2f}{r.get('copy_cpu_ms', 0):>9.1f}{r.get('cpu_ratio', 0):>10.2f}{r['peak_MiB']:>9.1f}{r['output_MiB']:>8.1f}  {goal}")
sys.exit(1 if errors else 0)
EOF
