#!/usr/bin/env bash
# `make run`: starts KORA on the first example project. Without a display, or before the desktop
# program is built, it prints that project's standard-geometry report with kora-cli instead.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build_dir="${1:-build}"
example="$root/examples/Example_3Entry_Standard.KOR"

if [ -x "$build_dir/bin/kora" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build_dir/bin/kora" "$example"
fi

if [ ! -x "$build_dir/bin/kora-cli" ]; then
    echo "run.sh: $build_dir/bin/kora-cli is missing; build first (make build)" >&2
    exit 1
fi
echo "No display or no desktop program: printing the report of $example" >&2
exec "$build_dir/bin/kora-cli" report "$example" --mode standard
