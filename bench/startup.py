#!/usr/bin/env python3
"""Start-up to the first shown main window, and peak memory, on the stock files and on generated
game folders, beside a minimal Qt Widgets window. Usage: bench/startup.py BUILD_DIR [RUNS]"""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
source = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
fleetwick = os.path.join(build, "src/app/fleetwick")
minimal = os.path.join(build, "bench/minimal_window")
make_game = os.path.join(build, "bench/make_game")
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
    for lines in (100_000, 1_000_000):
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
