#!/usr/bin/env bash
# Builds the Debian package of Zorvix and KelvaneUCP and checks it as a user would meet it.
#
#   scripts/deb-test.sh [build|contents|install|all] [BUILD_DIR]
#
#   build     configures BUILD_DIR (default build/deb) for /usr, builds the program and the
#             library, and makes the .deb with CPack
#   contents  checks the file list (dpkg -c), the dependencies and the library's soname,
#             unpacks the package into a staging root (dpkg -x) and starts the unpacked
#             program offscreen: it must load the library from inside the staging root
#   install   apt install ./zorvix_*.deb, starts /usr/bin/zorvix under xvfb-run, then purges the
#             package again. Changes the system, so it runs only as root with ZORVIX_DEB_INSTALL=1
#             or CI=true; otherwise it is skipped (exit 77)
#   all       build, contents, install (the default)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
step=${1:-all}
build=$(realpath -m "${2:-$top/build/deb}") # apt takes a local file only by its path
skip=77
run_seconds=8

say() { echo "deb-test: $*"; }
fail() { echo "deb-test: FAIL: $*" >&2; exit 1; }

multiarch() { dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch; }

the_deb() {
  local found
  found=$(find "$build" -maxdepth 1 -name 'zorvix_*.deb' -printf '%T@ %p\n' 2>/dev/null | sort -n | tail -n1 | cut -d' ' -f2-)
  [ -n "$found" ] || fail "no zorvix_*.deb in $build (run the build step first)"
  echo "$found"
}

do_build() {
  # A release build of its own: the package must not carry a test build's sanitizers or its
  # /usr/local library folder.
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DZORVIX_SANITIZE=OFF -DZORVIX_BUILD_TESTS=OFF -DZORVIX_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$build" -j"$(nproc)" --target zorvix kelvaneucp
  rm -f "$build"/zorvix_*.deb
  (cd "$build" && cpack -G DEB >/dev/null)
  say "built $(the_deb)"
}

# Starts a program, leaves it running for a few seconds and stops it. Passes when it was still
# running, said nothing about a missing layout control, and the dynamic loader initialised the
# expected copy of the library. Arguments: expected library file, then the program; a wrapper
# that must stay outside the time limit (xvfb-run) goes in the array wrap.
wrap=()
expect_runs_with() {
  local lib=$1; shift
  local log; log=$(mktemp -d)
  local rc=0
  # Only the program is traced: a wrapper's X server and its helpers would go on writing into the
  # folder after the program stopped.
  "${wrap[@]}" env LD_DEBUG=files LD_DEBUG_OUTPUT="$log/ld" timeout -s TERM "$run_seconds" "$@" >"$log/out" 2>"$log/err" || rc=$?
  if [ "$rc" -ne 124 ]; then
    cat "$log/out" "$log/err" >&2
    fail "$* ended by itself (exit $rc) instead of running"
  fi
  if grep -q "layout control not available" "$log/err"; then
    cat "$log/err" >&2
    fail "$* could not load its layout control"
  fi
  if ! grep -qF "calling init: $lib" "$log"/ld.*; then
    grep -h "libkelvaneucp" "$log"/ld.* >&2 || true
    fail "$* did not load $lib"
  fi
  rm -rf "$log"
}

do_contents() {
  local deb; deb=$(the_deb)
  local arch; arch=$(multiarch)
  local libdir="usr/lib/$arch"
  local listing; listing=$(dpkg -c "$deb" | awk '{print $6}')
  local expected=(
    ./usr/bin/zorvix
    "./$libdir/libkelvaneucp.so.1.1.0"
    "./$libdir/libkelvaneucp.so.1"
    "./$libdir/libkelvaneucp.so"
    "./$libdir/zorvix/zorvix_progress_window.so"
    "./$libdir/zorvix/zorvix_printing.so"
    ./usr/include/kelvaneuc/kelvaneuc.h
    ./usr/include/kelvaneuc/kelvaneucwidget.h
    ./usr/include/kelvaneuc/component.h
    ./usr/include/kelvaneuc/host.h
    ./usr/include/kelvaneuc/value.h
    ./usr/include/kelvaneuc/kelvaneucp_export.h
    ./usr/include/kelvaneuc/hostcontrol.h
    "./$libdir/cmake/KelvaneUCP/KelvaneUCPConfig.cmake"
    "./$libdir/cmake/KelvaneUCP/KelvaneUCPConfigVersion.cmake"
    "./$libdir/cmake/KelvaneUCP/KelvaneUCPTargets.cmake"
    ./usr/share/applications/zorvix.desktop
    ./usr/share/metainfo/org.zorvix.Zorvix.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/zorvix.svg
    ./usr/share/zorvix/translations/zorvix_de.qm
    ./usr/share/zorvix/translations/zorvix_fr.qm
    ./usr/share/zorvix/translations/zorvix_es.qm
    ./usr/share/zorvix/translations/zorvix_pt_BR.qm
    ./usr/share/zorvix/translations/zorvix_it.qm
  )
  local f
  for f in "${expected[@]}"; do
    grep -qxF "$f" <<<"$listing" || fail "dpkg -c does not list $f"
  done
  # Nothing of the build or test trees, and nothing outside /usr.
  if grep -vE '^\./(usr(/|$))?$|^\./usr/' <<<"$listing" | grep -q .; then
    fail "files outside /usr: $(grep -vE '^\./usr/' <<<"$listing" | tr '\n' ' ')"
  fi
  if grep -qiE 'test|bench|fuzz|designer' <<<"$listing"; then
    fail "test, benchmark or Designer files in the package: $(grep -iE 'test|bench|fuzz|designer' <<<"$listing" | tr '\n' ' ')"
  fi
  local depends; depends=$(dpkg-deb -f "$deb" Depends)
  for f in libqt6widgets6 libqt6printsupport6 libqt6svg6; do
    grep -q "$f" <<<"$depends" || fail "Depends lacks $f: $depends"
  done
  say "depends: $depends"

  local stage; stage=$(mktemp -d)
  trap 'rm -rf "$stage"' RETURN
  dpkg -x "$deb" "$stage"
  local lib="$stage/$libdir/libkelvaneucp.so.1"
  readelf -d "$stage/$libdir/libkelvaneucp.so.1.1.0" | grep -q 'SONAME.*\[libkelvaneucp.so.1\]' \
    || fail "library soname is not libkelvaneucp.so.1"
  [ "$(readlink "$lib")" = libkelvaneucp.so.1.1.0 ] || fail "libkelvaneucp.so.1 does not point at 1.1.0"
  if readelf -d "$stage/usr/bin/zorvix" "$lib" | grep -E 'RPATH|RUNPATH' | grep -q "$top"; then
    fail "installed files still search the build tree"
  fi
  # The Progress window's module takes the program's own code from the program: everything of
  # ours it needs must be exported by the packaged program.
  local module="$stage/$libdir/zorvix/zorvix_progress_window.so" missing
  missing=$(comm -23 <(nm -D --undefined-only "$module" | awk '{print $2}' | grep '^_ZN6zorvix' | sort -u) \
                     <(nm -D --defined-only "$stage/usr/bin/zorvix" | awk '{print $3}' | sort -u))
  [ -z "$missing" ] || fail "the program does not export what its Progress window module needs: $missing"
  grep -q '^Exec=zorvix$' "$stage/usr/share/applications/zorvix.desktop" || fail "desktop entry Exec"
  grep -q '^Icon=zorvix$' "$stage/usr/share/applications/zorvix.desktop" || fail "desktop entry Icon"
  # The unpacked program finds the unpacked library beside it, not the build tree's nor the
  # system's.
  QT_QPA_PLATFORM=offscreen expect_runs_with "$lib" "$stage/usr/bin/zorvix"
  say "contents and unpacked program ok"
}

do_install() {
  if [ "$(id -u)" -ne 0 ] || { [ "${ZORVIX_DEB_INSTALL:-}" != 1 ] && [ "${CI:-}" != true ]; }; then
    say "skipped: installing for real needs root and ZORVIX_DEB_INSTALL=1 (or CI=true)"
    exit $skip
  fi
  command -v apt-get >/dev/null || { say "skipped: no apt-get"; exit $skip; }
  command -v xvfb-run >/dev/null || { say "skipped: no xvfb-run"; exit $skip; }
  if dpkg-query -W -f='${Status}' zorvix 2>/dev/null | grep -q "install ok installed"; then
    say "skipped: a zorvix package is installed already; not touching it"
    exit $skip
  fi
  local deb; deb=$(the_deb)
  trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zorvix >/dev/null 2>&1 || true' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
  local lib; lib="/usr/lib/$(multiarch)/libkelvaneucp.so.1"
  [ -x /usr/bin/zorvix ] || fail "/usr/bin/zorvix missing after install"
  # The loader's cache may name it by /lib (merged /usr); the soname is what matters.
  ldconfig -p | grep -q "^[[:space:]]*libkelvaneucp\.so\.1 (" || fail "the loader's cache does not know libkelvaneucp.so.1"
  wrap=(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24")
  expect_runs_with "$lib" /usr/bin/zorvix
  wrap=()
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zorvix >/dev/null
  trap - EXIT
  [ ! -e /usr/bin/zorvix ] && [ ! -e "$lib" ] || fail "files left after purge"
  say "installed, started under xvfb, removed"
}

case "$step" in
  build) do_build ;;
  contents) do_contents ;;
  install) do_install ;;
  all) do_build; do_contents; do_install ;;
  *) echo "usage: $0 [build|contents|install|all] [BUILD_DIR]" >&2; exit 2 ;;
esac
