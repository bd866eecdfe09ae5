#!/usr/bin/env bash
# The Windows build under Wine (run by tools/windows.sh test, after the build):
# 1. the suites of build-windows/ as Windows programs (ctest; suites that need a pseudo-terminal
#    are not part of a Windows build);
# 2. end to end over the Windows serial code: rezar-sim (the Linux build in build-dev/) on a
#    pseudo-terminal, mapped to COM7 in Wine's registry; rezar-cli.exe read, write and flash
#    against the Linux build's results; ports; a missing port; the window (offscreen, through
#    rezar-poll-stall.exe) reads, writes and loads firmware, and leaves a picture of itself in
#    build-windows/comms-wine.png;
# 3. the install step's folder alone runs the programs; the installer installs silently into a
#    fresh Wine prefix, the programs start, the uninstaller removes them.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
win=$top/build-windows
dev=$top/build-dev
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPREFIX=$win/wine
qt=$(sed -n 's/^REZAR_WINDOWS_QT:PATH=//p' "$win/CMakeCache.txt")
export WINEPATH="Z:$qt/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"

part=${1:-all}   # all; e2e: without the suites; bench: bench/link-timing under Wine
failures=0
check() {  # check TEXT COMMAND...: runs the command, prints ok or FAIL with the text
  local text=$1
  shift
  if "$@"; then echo "ok    $text"; else echo "FAIL  $text"; failures=$((failures + 1)); fi
}

if [ "$part" = all ]; then
  echo "== suites under Wine"
  started=$SECONDS
  (cd "$win" && ctest -j2 --output-on-failure) || failures=$((failures + 1))
  echo "   ($((SECONDS - started)) s)"
fi

echo "== end to end over COM7"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dev" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" > /dev/null
cmake --build "$dev" --target rezar-sim rezar-cli rezar_pty_modem > /dev/null
work=$(mktemp -d)
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2> /dev/null && wait "$sim_pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
start_sim() {  # start_sim ARGS...: a fresh sim (--fast) on $work/port
  [ -n "$sim_pid" ] && kill "$sim_pid" 2> /dev/null && wait "$sim_pid" 2> /dev/null
  rm -f "$work/port"
  "$dev/rezar-sim" --fast --link "$work/port" "$@" > "$work/sim.log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -L "$work/port" ] && break; sleep 0.1; done
  [ -L "$work/port" ]
}
wine wineboot -i > /dev/null 2>&1
wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$work/port" /f > /dev/null 2>&1
wineserver -k || true
cli() { LD_PRELOAD=$dev/tests/librezar_pty_modem.so wine "$win/rezar-cli.exe" "$@"; }
same() { cmp -s "$1" "$2"; }
contains() { grep -q -- "$2" "$1"; }

if [ "$part" = bench ]; then
  # bench/link-timing runs BUILD/rezar-sim and BUILD/rezar-cli: here the Linux sim, and
  # rezar-cli.exe under Wine given the sim's terminal as COM7.
  mkdir "$work/bench"
  ln -s "$dev/rezar-sim" "$work/bench/rezar-sim"
  cat > "$work/bench/rezar-cli" <<WRAPPER
#!/usr/bin/env bash
args=()
for a in "\$@"; do
  if [ -L "\$a" ] && [[ \$(readlink "\$a") == /dev/pts/* ]]; then
    wine reg add 'HKLM\\Software\\Wine\\Ports' /v COM7 /d "\$a" /f > /dev/null 2>&1
    wineserver -k || true
    a=COM7
  fi
  args+=("\$a")
done
LD_PRELOAD=$dev/tests/librezar_pty_modem.so exec wine "$win/rezar-cli.exe" "\${args[@]}"
WRAPPER
  chmod +x "$work/bench/rezar-cli"
  bench/link-timing "$work/bench"
  exit
fi

"$dev/rezar-cli" defaults > "$work/defaults.txt"
sed 's/^MYCALL .*/MYCALL K1ABC\r/; s/^TXD .*/TXD 42\r/' "$work/defaults.txt" > "$work/mine.txt"
awk 'BEGIN { for (a = 0; a < 1024; a += 16) { line = sprintf(":10%04X00", a); sum = 16 + int(a / 256) + a % 256
  for (i = 0; i < 16; i++) { b = (a * 3 + i) % 256; line = line sprintf("%02X", b); sum += b }
  printf "%s%02X\r\n", line, (256 - sum % 256) % 256 } printf ":00000001FF\r\n" }' > "$work/firmware.hex"

cli defaults > "$work/defaults-win.txt"
check "defaults: the Linux build's bytes" same "$work/defaults.txt" "$work/defaults-win.txt"
cli load "$work/mine.txt" > "$work/load-win.txt" 2> /dev/null
"$dev/rezar-cli" load "$work/mine.txt" > "$work/load.txt" 2> /dev/null
check "load: the Linux build's bytes" same "$work/load.txt" "$work/load-win.txt"

start_sim --settings "$work/mine.txt"
cli ports > "$work/ports.txt" 2>&1 || true
check "ports lists COM7" contains "$work/ports.txt" COM7
cli read COM7 -o "$work/read-win.txt" 2> "$work/read-win.err" || true
"$dev/rezar-cli" read "$work/port" -o "$work/read.txt" 2> /dev/null || true
check "read COM7: Read Complete" contains "$work/read-win.err" "Read Complete"
check "read COM7: the Linux build's file" same "$work/read.txt" "$work/read-win.txt"
cli read COM7 2> /dev/null > "$work/read-stdout.txt" || true
check "read COM7 to stdout: the same bytes" same "$work/read.txt" "$work/read-stdout.txt"

start_sim --dump "$work/dump-win.txt"
cli write COM7 "$work/mine.txt" 2> "$work/write-win.err" || true
sleep 0.5
start_sim --dump "$work/dump.txt"
"$dev/rezar-cli" write "$work/port" "$work/mine.txt" 2> /dev/null || true
sleep 0.5
check "write COM7: Write Complete" contains "$work/write-win.err" "Write Complete"
check "write COM7: the device holds what the Linux build writes" same "$work/dump.txt" "$work/dump-win.txt"

start_sim --firmware-out "$work/flashed-win.hex"
cli flash COM7 "$work/firmware.hex" 2> "$work/flash-win.err" || true
sleep 0.5
check "flash COM7: Firmware update complete" contains "$work/flash-win.err" "Firmware update complete"
check "flash COM7: the device got the file byte for byte" same "$work/firmware.hex" "$work/flashed-win.hex"

# The window, offscreen, driven as a user would (rezar-poll-stall): read, write, flash.
start_sim --settings "$work/mine.txt"
REZAR_GRAB=$win/comms-wine.png WINEQT_QPA_PLATFORM=offscreen \
  WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu LD_PRELOAD=$dev/tests/librezar_pty_modem.so \
  wine "$win/rezar-poll-stall.exe" COM7 "$work/firmware.hex" > "$work/window.txt" 2>&1 || true
check "the window reads from COM7" grep -q "^read .*Read Complete" "$work/window.txt"
check "the window writes to COM7" grep -q "^write .*Write Complete" "$work/window.txt"
check "the window loads firmware over COM7" grep -q "^flash .*Firmware update complete" "$work/window.txt"

cli read COM9 2> "$work/missing.err" && echo "read COM9 succeeded?"
check "a missing COM port: no such port" contains "$work/missing.err" "COM9: no such port"

echo "== the install folder alone, the installer and the uninstaller"
rm -rf "$work/installed" && cmake --install "$win" --prefix "$work/installed" > /dev/null
for program in rezar-cli rezar-config; do
  WINEPATH= wine "$work/installed/bin/$program.exe" --version > "$work/$program.version" 2>&1 || true
  check "$program.exe --version from the install folder alone" contains "$work/$program.version" "$program "
done
(cd "$win" && cpack > /dev/null)
installer=$(ls "$win"/rezar-config-*-win64.exe)
export WINEPREFIX=$work/fresh
wine wineboot -i > /dev/null 2>&1
wine "$installer" /S; wineserver -w
folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Rezar Config"
[ -d "$folder" ] || folder=$(dirname "$(find "$WINEPREFIX/drive_c" -name rezar-cli.exe | head -n 1)")/..
for program in rezar-cli rezar-config; do
  WINEPATH= wine "$folder/bin/$program.exe" --version > "$work/$program.installed" 2>&1 || true
  check "$program.exe --version installed by $(basename "$installer")" contains "$work/$program.installed" "$program "
done
check "a Start-menu entry" test -n "$(find "$WINEPREFIX/drive_c/users" -name 'Rezar Config.lnk')"
wine "$folder/Uninstall.exe" /S; wineserver -w
check "the uninstaller removes the programs" test -z "$(find "$WINEPREFIX/drive_c" -iname 'rezar-c*.exe')"
wineserver -k || true

echo "== $failures failed"
[ "$failures" -eq 0 ]
