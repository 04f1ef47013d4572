#!/usr/bin/env python3
"""Fleetwick's performance in one run, on the stock files and on generated game folders of 400,
100,000 and 1,000,000 lines per file: start-up to the first shown main window and peak memory
beside a minimal Qt Widgets window, then a whole lookup, the write path beside a copy of the data
file, a restore, the check of the three files beside reading them, an input row's verdict, status (the game folder
against the stock copies) and a mod's lines picked out of a 10 MiB read-me. Usage: bench/report.py BUILD_DIR [RUNS]   (BUILD_DIR configured with
-DCMAKE_BUILD_TYPE=Release -DFLEETWICK_BENCH=ON)"""
import json, os, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
source = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
fleetwick = os.path.join(build, "src/app/fleetwick")
minimal = os.path.join(build, "bench/minimal_window")
make_game = os.path.join(build, "bench/make_game")
core_bench = os.path.join(build, "bench/core_bench")
env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))


def measure(program, folder):
    times, peaks = [], []
    shot = os.path.join(tempfile.gettempdir(), "fleetwick-bench-shot.png")
    for _ in range(runs):
        start = time.perf_counter()
        child = subprocess.Popen([program], cwd=folder, env=dict(env, FLEETWICK_SCREENSHOT=shot),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times.append(time.perf_counter() - start)
        peaks.append(usage.ru_maxrss / 1024)
        if status != 0 or not os.path.exists(shot):
            sys.exit(f"{program} in {folder} failed")
        os.remove(shot)
    return statistics.median(times) * 1000, max(peaks)


def files_size(folder):
    return sum(os.path.getsize(os.path.join(folder, "common/data", f))
               for f in ("handling.dat", "vehicles.ide", "carcols.dat")) / 2**20


work = tempfile.mkdtemp(prefix="fleetwick-startup-")
try:
    folders = [("stock files", os.path.join(work, "stock"))]
    os.makedirs(os.path.join(work, "stock/common/data"))
    for name in ("handling.dat", "vehicles.ide", "carcols.dat"):
        shutil.copy(os.path.join(source, "data", name), os.path.join(work, "stock/common/data"))
    for lines in (400, 100_000, 1_000_000):
        folder = os.path.join(work, str(lines))
        subprocess.run([make_game, folder, str(lines)], check=True)
        folders.append((f"{lines:,} lines per file", folder))

    base_ms, base_mb = measure(minimal, work)
    print(f"minimal Qt window: {base_ms:.0f} ms, peak {base_mb:.0f} MiB")
    print("| game folder | files | start-up | vs minimal window | peak memory | peak / files |")
    print("|---|---|---|---|---|---|")
    for label, folder in folders:
        ms, mb = measure(fleetwick, folder)
        size = files_size(folder)
        print(f"| {label} | {size:.1f} MiB | {ms:.0f} ms | {ms / base_ms:.2f}x | {mb:.0f} MiB | "
              f"{mb / size:.1f}x |")
finally:
    shutil.rmtree(work)

report = json.loads(subprocess.run([core_bench, "--benchmark_format=json", "--benchmark_repetitions=3",
                                    "--benchmark_report_aggregates_only=true"],
                                   check=True, capture_output=True, text=True, cwd=tempfile.gettempdir()).stdout)
median = {b["run_name"]: b["real_time"] for b in report["benchmarks"] if b["aggregate_name"] == "median"}
print()
print("| lines per file | lookup | write path | cp of handling.dat | write / cp | restore |")
print("|---|---|---|---|---|---|")
for lines in (400, 100_000, 1_000_000):
    get = lambda name: median[f"{name}/{lines}"]
    print(f"| {lines:,} | {get('Lookup'):.2f} ms | {get('WritePath'):.0f} ms | {get('CopyDataFile'):.0f} ms | "
          f"{get('WritePath') / get('CopyDataFile'):.1f}x | {get('Restore'):.0f} ms |")
print()
print("| lines per file | read the three files | read and check them | read and check / read |")
print("|---|---|---|---|")
for lines in (400, 100_000, 1_000_000):
    read, both = median[f"ReadFiles/{lines}"], median[f"ReadAndCheckFiles/{lines}"]
    print(f"| {lines:,} | {read:.1f} ms | {both:.1f} ms | {both / read:.2f}x |")
rows = ", ".join(f"{median[f'RowVerdict/{k}'] / 1000:.3f} ms" for k in range(3))
print(f"\nAn input row's verdict on the stock files (handling, vehicles, carcols): {rows}")

stock = json.loads(subprocess.run([os.path.join(build, "bench/stock_bench"), "--benchmark_format=json",
                                   "--benchmark_filter=Status/(0|400|100000|-100000)$",
                                   "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
                                  check=True, capture_output=True, text=True, cwd=tempfile.gettempdir()).stdout)
status = {b["run_name"]: b["real_time"] for b in stock["benchmarks"] if b["aggregate_name"] == "median"}
print("\n| status of | read and compared with the stock copies |")
print("|---|---|")
for arg, label in (("0", "the stock files"), ("400", "400 generated lines per file"),
                   ("-100000", "the stock files and 100,000 lines of filler each"),
                   ("100000", "100,000 generated lines per file, ADMIRAL the only stock vehicle")):
    print(f"| {label} | {status[f'Status/{arg}']:.1f} ms |")
texts = ", ".join(f"{median[f'ModReadMe/{k}']:.0f} ms" for k in range(3))
print(f"A mod's lines picked out of a 10 MiB read-me (prose in UTF-8, in Windows-1251, handling lines): {texts}")
