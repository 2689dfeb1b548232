#!/usr/bin/env bash
# Builds the Debian package of a build folder (default: build), unpacks it with dpkg -x into a
# temporary root and checks it as an installation: the files a desktop expects are there, the
# library dependencies are declared, nothing refers to the build folder, the unpacked kora-cli
# reports on an example, and the unpacked kora finds its example projects in share/kora.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "check-package: $*" >&2; exit 1; }

rm -f "$build"/kora_*.deb
cmake --build "$build" --target package >/dev/null 2>&1 || fail "cpack failed"
deb=$(ls "$build"/kora_*.deb)
root=$(mktemp -d)
gui=
cleanup() {
    [ -n "$gui" ] && kill "$gui" 2>/dev/null
    rm -rf "$root"
}
trap cleanup EXIT
dpkg -x "$deb" "$root/pkg"
usr="$root/pkg/usr"

for f in bin/kora bin/kora-cli lib/kora/libkora_charts.so share/applications/kora.desktop share/mime/packages/kora.xml \
         share/icons/hicolor/scalable/apps/kora.svg share/icons/hicolor/48x48/apps/kora.png \
         share/man/man1/kora-cli.1.gz share/kora/KORA.PDF share/kora/KORA-Method.pdf \
         share/kora/Example_3Entry_Standard.KOR; do
    [ -s "$usr/$f" ] || fail "missing /usr/$f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6charts6 libxlsxwriter libhpdf libstdc++6 fonts-liberation2; do
    [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done
for folder in "$build" "$source"; do
    if grep -rlF "$folder" "$root/pkg"; then fail "files refer to $folder"; fi
done
ldd "$usr/bin/kora-cli" "$usr/bin/kora" | grep -q "not found" && fail "unresolved libraries"

cli="$usr/bin/kora-cli"
example="$usr/share/kora/Example_3Entry_Standard.KOR"
[ "$("$cli" --version)" = "$("$build/bin/kora-cli" --version)" ] || fail "--version differs"
"$cli" report "$example" >"$root/report.txt"
"$build/bin/kora-cli" report "$example" | cmp -s - "$root/report.txt" ||
    fail "the packaged kora-cli reports otherwise than the built one"
"$cli" report "$example" --pdf "$root/report.pdf" --paper letter
pdfinfo "$root/report.pdf" | grep -q "^Pages: *2$" || fail "report PDF"

# The desktop program copies the examples of share/kora into a new user's data folder at start.
mkdir -p "$root/home"
HOME="$root/home" XDG_RUNTIME_DIR="$root" QT_QPA_PLATFORM=offscreen "$usr/bin/kora" \
    >/dev/null 2>&1 &
gui=$!
for _ in $(seq 100); do
    [ -n "$(find "$root/home" -name Example_3Entry_Standard.KOR 2>/dev/null)" ] && break
    sleep 0.1
done
[ -n "$(find "$root/home" -name Example_3Entry_Standard.KOR)" ] ||
    fail "the installed kora did not find its example projects"

echo "check-package: $(basename "$deb") is sound"
