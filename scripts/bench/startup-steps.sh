#!/usr/bin/env bash
# Where start-up time goes, step by step, without touching the program: Wine's own traces of library
# loads and window creation carry timestamps, and each step of start-up leaves a recognisable line.
# Prints, for the player, the floor program (scripts/bench/StartupFloor.cpp) and the empty dialog,
# the median time of each step in milliseconds after the program's image was loaded. Tracing slows
# every program alike by a few percent, so read the steps' shares, not the totals.
#   scripts/bench/startup-steps.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${CORVANTILE_BUILD_DIR:-$root/build}
runs=${1:-11}
"$root/scripts/build.sh" corvantile bench_empty_dialog bench_startup_floor >/dev/null
source "$root/scripts/wine-env.sh"
source "$root/scripts/services.sh"
start_services
traces=$(mktemp -d)
trap 'rm -rf "$traces"; stop_services' EXIT  # replaces the services' own trap, so stop them too

programs=("corvantile.exe" "bench_startup_floor.exe children" "bench_empty_dialog.exe")
for ((i = 0; i < runs; ++i)); do
  for p in "${!programs[@]}"; do
    # Killed once shown: the trace of the rest is not needed.
    (cd "$build" && WINEDEBUG=+timestamp,+loaddll,+win timeout 2.5 "$WINE" ${programs[$p]} \
      >/dev/null 2>"$traces/$p.$i") || true
    sleep 0.3
  done
done

python3 - "$traces" "$runs" "${programs[@]}" <<'EOF'
import re, statistics, sys
folder, runs, programs = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
# (label, pattern); the first line that matches marks the step. "{main}" is the main window's handle.
steps = [
    ("common controls loaded", r"Loaded .*\\COMCTL32\.dll"),
    ("display driver loaded", r"Loaded .*\\winex11\.drv"),
    ("main window created", r"NtUserCreateWindowEx hwnd {main} cs"),
    ("COM started", r'L"OleMainThreadWndClass"'),
    ("multimedia library loaded", r"Loaded .*\\winmm\.dll"),
    ("toolbar created", r'L"ToolbarWindow32"'),
    ("tooltip created", r'L"tooltips_class32"'),
    ("video host created", r'L"Corvantile:8:|\bmenu=00000000000003EB'),
    ("status bar created", r'L"msctls_statusbar32"'),
    ("seek slider created", r'L"Corvantile:0:|\bmenu=00000000000003ED'),
    ("information panel created", r"#8002 .*parent=(?!0000000000000000)"),
    ("first focus", r"NtUserSetFocus 0x"),
    ("window shown", r"show_window hwnd={main}, cmd=(?!0,)"),
]

def timeline(path, exe):
    lines = open(path, errors="replace").read().splitlines()
    stamp = lambda line: float(line.split(":", 1)[0])
    first = next((l for l in lines if "Loaded L" in l and "\\" + exe in l), None)
    if not first:
        return {}
    # Wine's own helper processes may start and write to the same trace: keep the program's thread.
    thread = first.split(":")[1]
    lines = [l for l in lines if l.split(":")[1:2] == [thread]]
    start = stamp(first)
    main = None
    for i, line in enumerate(lines):
        if "WIN_CreateWindowEx" in line and "parent=0000000000000000" in line and "#8002" in line:
            main = next((re.search(r"hwnd (0x[0-9a-f]+) cs", l).group(1) for l in lines[i:]
                         if "NtUserCreateWindowEx hwnd" in l), None)
            break
    found = {}
    for label, pattern in steps:
        if "{main}" in pattern and not main:
            continue
        regex = re.compile(pattern.replace("{main}", main or ""))
        hit = next((stamp(l) for l in lines if regex.search(l)), None)
        if hit is not None:
            found[label] = 1000 * (hit - start)
    return found

table = {}
for p, name in enumerate(programs):
    for i in range(runs):
        for label, ms in timeline(f"{folder}/{p}.{i}", name.split()[0]).items():
            table.setdefault((label, p), []).append(ms)
names = [n.split(".exe")[0].replace("bench_", "") + ("" if ".exe " not in n else " " + n.split(".exe ")[1])
         for n in programs]
print(f"median ms after the image loaded, {runs} traced runs each")
print(f"{'step':28}" + "".join(f"{n:>26}" for n in names))
for label, _ in steps:
    cells = [table.get((label, p)) for p in range(len(programs))]
    if not any(cells):
        continue
    print(f"{label:28}" + "".join(f"{statistics.median(c):26.1f}" if c else f"{'-':>26}" for c in cells))
EOF
