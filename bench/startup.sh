#!/usr/bin/env bash
# Start-up time of kora to the first paint of its main window, against the smallest Qt Widgets
# main window started the same way, and the time a first chart takes to open. Prints the median of
# each over RUNS runs and the start-up ratio.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build}"
runs="${2:-15}"
kora="$build_dir/bin/startup_kora"
minimal="$build_dir/bin/startup_minimal"
for b in "$kora" "$minimal"; do
    if [ ! -x "$b" ]; then
        echo "startup.sh: $b is missing; build first (make build)" >&2
        exit 1
    fi
done

# A home of its own, so the benchmark never touches the user's documents or settings.
home="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/.config"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

if [ -z "${DISPLAY:-}" ]; then
    if command -v Xvfb >/dev/null 2>&1; then
        display=":$((90 + RANDOM % 9))"
        Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY="$display"
        sleep 1
    else
        export QT_QPA_PLATFORM=offscreen
    fi
fi

"$kora" --prepare

median() { sort -n | awk '{ a[NR] = $1 } END { m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.1f", m }'; }

# The two programs take turns, so that both see the same load on a shared machine.
"$kora" "$(date +%s%N)" >/dev/null # warm the file cache
"$minimal" "$(date +%s%N)" >/dev/null
k_runs=() m_runs=() c_runs=()
for _ in $(seq "$runs"); do
    k_runs+=("$(timeout 30 "$kora" "$(date +%s%N)")")
    m_runs+=("$(timeout 30 "$minimal" "$(date +%s%N)")")
    c_runs+=("$(timeout 30 "$kora" --chart)")
done
k="$(printf '%s\n' "${k_runs[@]}" | median)"
m="$(printf '%s\n' "${m_runs[@]}" | median)"
c="$(printf '%s\n' "${c_runs[@]}" | median)"
echo "start-up to first paint (median of $runs runs, ${QT_QPA_PLATFORM:-$DISPLAY}):"
echo "  kora            $k ms"
echo "  minimal Qt      $m ms"
awk -v k="$k" -v m="$m" 'BEGIN { printf "  ratio           %.2f (target <= 1.2)\n", k / m }'
echo "chart open, the run's first chart (sweep, chart module and Qt Charts loaded, drawn):"
echo "  to first paint  $c ms (target < 50)"
