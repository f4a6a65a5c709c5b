# shellcheck shell=bash
# Sourced by tools/wine-run and tools/wine32-run (the CTest emulators).
# kv_wine_exec LOADER PROGRAM [ARGS...] runs PROGRAM under Wine in a prefix
# private to the build tree that holds PROGRAM (BUILD_DIR/wineprefix),
# creating the prefix on first use, and returns PROGRAM's exit code.
# WINEARCH comes from the caller.

# 32-bit Wine runs under qemu-i386-static here, also for the 32-bit helpers
# that a 64-bit prefix starts while it is created. QEMU must reserve the guest
# address space or Wine cannot map its shared user data page at 0x7ffe0000.
# Reserving exactly up to that page's end (not 3 GiB) matters: this QEMU
# takes MAP_FIXED_NOREPLACE as a mere hint, and Wine's probing of memory
# above the limit then costs minutes per process instead of failing at once.
export QEMU_RESERVED_VA=0x7fff0000
# QEMU writes core files of crashing helper processes into the working dir.
ulimit -c 0

# The build tree is the nearest folder above PROGRAM with a CMakeCache.txt,
# else the folder above PROGRAM's bin/.
kv_build_dir_of() {
  local d
  d="$(cd "$(dirname "$1")" && pwd)"
  while [[ "$d" != / ]]; do
    if [[ -f "$d/CMakeCache.txt" ]]; then
      printf '%s\n' "$d"
      return 0
    fi
    d="$(dirname "$d")"
  done
  dirname "$(cd "$(dirname "$1")" && pwd)"
}

kv_wine_exec() {
  local loader="$1" exe="${2:-}"
  shift 2 || true
  # "--prepare-prefix BUILD_DIR": only create the prefix and start its
  # server, so that no test's time limit has to cover that.
  if [[ "$exe" == --prepare-prefix ]]; then
    kv_wine_env "$(cd "${1:?build dir}" && pwd)"
    kv_wine_prefix_ready "$loader"
    return 0
  fi
  if [[ -z "$exe" || ! -e "$exe" ]]; then
    printf 'wine-run: no such program: %s\n' "$exe" >&2
    return 127
  fi
  kv_wine_env "$(kv_build_dir_of "$exe")"
  kv_wine_prefix_ready "$loader"
  exec "$loader" "$exe" "$@"
}

kv_wine_env() {
  export WINEPREFIX="${KV_WINEPREFIX:-$1/wineprefix}"
  export WINEDEBUG="${KV_WINEDEBUG:--all}"
  # No Mono/Gecko install prompts, no desktop menu entries, and no crash
  # debugger: under QEMU it can hang forever on a crashed process, so a
  # crash just ends the program (set KV_WINEDEBUG=err+all to see why).
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
}

# Under a lock, so tests that start together neither create the prefix twice
# nor start two servers. A marker tells a finished prefix from one whose
# creation was interrupted.
kv_wine_prefix_ready() {
  local loader="$1"
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f "$WINEPREFIX/.kv-ready" ]]; then
    kv_wine_create_prefix "$loader"
  fi
  # Keep one server and the prefix's services running between tests: each
  # cold start costs seconds (more under emulation). They are started here,
  # detached from the test's output pipes, so CTest does not wait for them;
  # the server exits by itself after KV_WINESERVER_PERSIST idle seconds.
  # wineserver exits non-zero when one already runs. Neither inherits the
  # lock (fd 9), or the next test would wait for the server to exit.
  if /usr/lib/wine/wineserver64 -p"${KV_WINESERVER_PERSIST:-30}" </dev/null >/dev/null 2>&1 9>&-; then
    "$loader" wineboot </dev/null >/dev/null 2>&1 9>&- || true
  fi
  exec 9>&-
}

# Under emulation a helper process of wineboot sometimes hangs; then the
# attempt is abandoned and retried on a fresh prefix.
kv_wine_create_prefix() {
  local loader="$1" start=$SECONDS try
  for try in 1 2 3; do
    printf 'wine-run: creating %s (attempt %s)\n' "$WINEPREFIX" "$try" >&2
    rm -rf "$WINEPREFIX"
    if kv_wine_boot "$loader"; then
      touch "$WINEPREFIX/.kv-ready"
      printf 'wine-run: prefix ready in %ss\n' "$((SECONDS - start))" >&2
      return 0
    fi
    /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
  printf 'wine-run: could not create %s\n' "$WINEPREFIX" >&2
  exit 1
}

# wineboot's exit code reports optional parts that failed; what counts is
# that it and every process it started finish in time.
kv_wine_boot() {
  local rc=0
  timeout 900 "$1" wineboot --init </dev/null >/dev/null 2>&1 9>&- || rc=$?
  [[ $rc != 124 ]] &&
    timeout 300 /usr/lib/wine/wineserver -w 9>&- &&
    [[ -f "$WINEPREFIX/system.reg" ]]
}
