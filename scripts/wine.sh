# Wine for the Windows program's tests and benchmarks; sourced by scripts/test.sh and
# bench/run.sh. Needs the packages wine, wine32:i386 and wine64.

# Sets wine_arch and wine_loader: the 32-bit program, which is what ships, where Wine's 32-bit
# loader starts (only a kernel that runs 32-bit code starts it); elsewhere the x86-64 build of
# the same source. Says which, and why.
choose_wine() {
  local probe
  if probe=$(/usr/lib/wine/wine --version 2>&1); then
    wine_arch=i686 wine_loader=/usr/lib/wine/wine
    echo "Wine runs the 32-bit program, build/win-i686: its 32-bit loader runs here ($probe)."
  else
    wine_arch=x86_64 wine_loader=/usr/lib/wine/wine64
    echo "NOTE: Wine runs the x86-64 build of the same source, build/win-x86_64: its 32-bit" \
      "loader does not start here (${probe##*: }), so this kernel runs no 32-bit code;" \
      "build/win-i686/quintrel.exe is built but not run."
  fi
}

# A prefix of the run's own, quiet, with no dialog to wait on, and one server for the whole
# run, started first so that no program pays for Wine's start-up; stopped when the shell exits.
start_wine() {
  export WINEPREFIX=$1 WINELOADER=$wine_loader WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 &
  trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
  "$wine_loader" wineboot -i >/dev/null 2>&1
}
