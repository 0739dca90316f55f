#!/bin/sh
# Installs the build tree into a temporary DESTDIR under /usr and checks
# what a package would hold: the programs and their modules, the menu
# entry with its Korean name, sharp icons of both sizes, the gzipped
# manual pages, the copyright file and the changelog. Arguments: the build
# tree, then the build's emulator command in a cross build.
set -eu
build="$1"
shift
dest=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$dest" "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"
for program in roadtally roadtally-ledger; do
  [ -x "$root/bin/$program" ] || fail "bin/$program missing or not executable"
done
"$@" "$root/bin/roadtally" --version | grep -q '^roadtally ' || fail "installed roadtally does not run"
# SDL comes only with the window module, which the installed program finds
# in its private directory: without a display it gets as far as asking SDL.
! readelf -d "$root/bin/roadtally" | grep -q 'libSDL2' || fail "roadtally itself needs SDL2"
[ -n "$(find "$root/lib" -path '*/roadtally/roadtally-window.so')" ] || fail "window module missing"
said=$(env DISPLAY= WAYLAND_DISPLAY= SDL_VIDEODRIVER= "$@" "$root/bin/roadtally" \
  --data /nonexistent/roadtally.dat 2>&1 >/dev/null || true)
case "$said" in
  *"window module"*) fail "installed roadtally cannot load its window module: $said" ;;
  *"cannot open a window"*) ;;
  *) fail "installed roadtally without a display said: $said" ;;
esac
desktop="$root/share/applications/roadtally.desktop"
[ -f "$desktop" ] || fail "desktop file missing"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop file invalid"
fi
for key in 'Name\[ko\]=.*차계부' 'Comment\[ko\]=.' 'Keywords=.*;'; do
  grep -q "^$key" "$desktop" || fail "desktop file has no line like $key"
done

# Debian's machine-readable copyright file, naming a maintainer to write to.
copyright="$root/share/doc/roadtally/copyright"
[ -f "$copyright" ] || fail "copyright file missing"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "copyright file is not in the machine-readable format"
for field in Upstream-Name Files Copyright License; do
  grep -q "^$field: ." "$copyright" || fail "copyright file has no $field"
done
grep -q '^Upstream-Contact: Roadtally <[^@ ]*@[^@ ]*>$' "$copyright" || fail "copyright file has no contact"
gzip -dc "$root/share/doc/roadtally/changelog.gz" | head -n 1 | grep -q '^roadtally (' ||
  fail "changelog.gz missing or not a Debian changelog"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 32 128; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/roadtally.png"
  [ -f "$icon" ] || fail "icon ${size}x${size} missing"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "icon $icon is $(png_size "$icon")"
done

# The chart's font engine and libpng come only with the chart module, which
# the installed tool finds in the same private directory.
! readelf -d "$root/bin/roadtally-ledger" | grep -qE 'lib(freetype|fontconfig|png|z)\.' ||
  fail "roadtally-ledger itself needs the chart's libraries"
[ -n "$(find "$root/lib" -path '*/roadtally/roadtally-chart.so')" ] || fail "chart module missing"
"$@" "$root/bin/roadtally-ledger" add "$work/car.dat" 2005-01-20 0 31.5 52000 412.3 ||
  fail "installed roadtally-ledger cannot add"
"$@" "$root/bin/roadtally-ledger" chart "$work/car.dat" 2005 "$work/chart.png" ||
  fail "installed roadtally-ledger cannot draw a chart"
[ "$(png_size "$work/chart.png")" = "640x400" ] || fail "chart is $(png_size "$work/chart.png")"

# The board's unit starts the installed program.
unit="$root/lib/systemd/system/roadtally-framebuffer@.service"
[ -f "$unit" ] || fail "systemd unit missing"
grep -q "^ExecStart=roadtally --framebuffer$" "$unit" || fail "unit does not start roadtally"

# The manual pages gzipped, as Debian keeps them.
for page in roadtally roadtally-ledger; do
  man1="$root/share/man/man1/$page.1.gz"
  [ -f "$man1" ] || fail "man page $page.1.gz missing"
  [ ! -e "$root/share/man/man1/$page.1" ] || fail "man page $page.1 installed uncompressed"
  gzip -dc "$man1" | grep -q "^\.SH NAME" || fail "man page $page.1.gz has no NAME section"
  if command -v man >/dev/null; then
    warnings=$(man --warnings -l "$man1" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || fail "man $page warns: $warnings"
  fi
done
[ -z "$(find "$dest" -path "$root" -prune -o -type f -print)" ] || fail "files outside the prefix"
echo "install tree ok"
