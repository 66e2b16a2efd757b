#!/usr/bin/env bash
# Checks of the install and of the Debian package, run by CTest:
#   check.sh install BUILD_DIR PREFIX   install into PREFIX, check its files and desktop metadata
#   check.sh start PREFIX               start PREFIX's wattlan as its menu entry does
#   check.sh package BUILD_DIR OUT_DIR  build the package in OUT_DIR, check its fields and files
# The environment names the catalogue (WATTLAN_HAVE_CATALOGUE, WATTLAN_CATALOGUE_FILES),
# the toolkit's translations copied from the system (WATTLAN_TOOLKIT_TRANSLATION_FILES),
# the desktop id (WATTLAN_APP_ID), the version (WATTLAN_VERSION) and the start of the main
# window's title (WATTLAN_TITLE).
# Exit status 77 means skipped.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
: "${WATTLAN_HAVE_CATALOGUE:?}" "${WATTLAN_CATALOGUE_FILES:?}" "${WATTLAN_APP_ID:?}"
: "${WATTLAN_VERSION:?}" "${WATTLAN_TITLE:?}"

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

have_catalogue() {
  case "$WATTLAN_HAVE_CATALOGUE" in ON | 1 | TRUE | YES) return 0 ;; *) return 1 ;; esac
}

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (./setup.sh installs it)"
  done
}

# The files below a prefix must be exactly those of installed-files.txt.
check_tree() {
  local prefix=$1 expected actual
  expected=$(
    grep -v '^#' "$here/installed-files.txt"
    if have_catalogue; then
      for file in $WATTLAN_CATALOGUE_FILES; do echo "lib/wattlan/$file"; done
    fi
    for file in ${WATTLAN_TOOLKIT_TRANSLATION_FILES:-}; do echo "lib/wattlan/$file"; done
  )
  actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||')
  diff -u <(sort <<<"$expected") <(sort <<<"$actual") >&2 ||
    fail "the files under $prefix differ from installed-files.txt (- expected, + found)"
  [ -x "$prefix/bin/wattlan" ] || fail "bin/wattlan is not executable"
  [ -x "$prefix/lib/wattlan/wattlan" ] || fail "lib/wattlan/wattlan is not executable"
  [ -x "$prefix/bin/wattlan-cli" ] || fail "bin/wattlan-cli is not executable"
  [ -x "$prefix/lib/wattlan/wattlan-cli" ] || fail "lib/wattlan/wattlan-cli is not executable"
  echo "files under $prefix: as expected"
}

# The command-line companion runs with no display, from any working directory,
# and by default checks the catalogue installed beside the program: clean.
check_cli() {
  local prefix=$1 output
  output=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/wattlan-cli" --version) ||
    fail "wattlan-cli --version"
  echo "$output"
  if have_catalogue; then
    output=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/wattlan-cli" check) ||
      { echo "$output" >&2; fail "wattlan-cli check on the installed catalogue"; }
    [ "$output" = "0 errors, 0 warnings" ] || fail "wattlan-cli check: $output"
    echo "wattlan-cli check on the installed catalogue, with no display: $output"
  fi
}

# The Exec line of one group of the menu entry, without its field codes.
desktop_exec() {
  local prefix=$1 group=$2
  awk -v group="[$group]" '/^\[/ { inside = ($0 == group) } inside && sub(/^Exec=/, "")' \
    "$prefix/share/applications/$WATTLAN_APP_ID.desktop" | sed 's/ *%[fFuUik]//g'
}

check_metadata() {
  local prefix=$1
  need desktop-file-validate appstreamcli
  desktop-file-validate "$prefix/share/applications/$WATTLAN_APP_ID.desktop" ||
    fail "desktop-file-validate"
  [ "$(desktop_exec "$prefix" "Desktop Action full")" = "wattlan --full" ] ||
    fail "the menu entry lacks its action \"Wattlan (all tools)\" (wattlan --full)"
  appstreamcli validate --no-net "$prefix/share/metainfo/$WATTLAN_APP_ID.metainfo.xml" ||
    fail "appstreamcli validate"
}

# Runs the given command under Xvfb, from a scratch working directory and home,
# and waits until either a window of the program whose name starts with WANT
# appears ("found"; its properties go to found.log), the program ends
# ("exited STATUS"), or the time runs out ("timeout"). A window of the program
# named just "Wattlan" is one of its message boxes ("warning"); the program's
# 1x1 leader window of that name has no class and does not count.
watch_windows() {
  local want=$1 scratch=$2
  shift 2
  mkdir -p "$scratch/home"
  (
    cd "$scratch"
    unset QT_QPA_PLATFORM
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" WANT="$want"
    # shellcheck disable=SC2016 # the inner script expands its own variables
    xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
      "$@" >program.log 2>&1 &
      pid=$!
      verdict=timeout
      for _ in $(seq 1 150); do
        windows=$(xwininfo -root -tree 2>/dev/null || true)
        found=$(grep -F "\"$WANT" <<<"$windows" | grep -F "(\"wattlan\" \"Wattlan\")" || true)
        if [ -n "$found" ]; then
          id=$(awk "{print \$1}" <<<"$found")
          for _ in $(seq 1 20); do # the icon may follow the title
            xprop -id "$id" WM_CLASS _NET_WM_ICON >found.log 2>&1
            grep -q "Icon (" found.log && break
            sleep 0.1
          done
          verdict=found
          break
        fi
        if grep -qF "\"Wattlan\": (\"wattlan\" \"Wattlan\")" <<<"$windows"; then verdict=warning; break; fi
        if ! kill -0 "$pid" 2>/dev/null; then
          wait "$pid" && status=0 || status=$?
          verdict="exited $status"
          break
        fi
        sleep 0.1
      done
      echo "$windows" >windows.log
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "$verdict"
    ' watch "$@"
  )
}

# Starts the program as the menu entry does: the Exec line of its group
# (the entry itself unless an action is named), found on the PATH, and waits
# for a window whose title starts with WANT (the main window's by default).
start_from_menu_entry() {
  local prefix=$1 scratch=$2 group=${3:-Desktop Entry} want=${4:-$WATTLAN_TITLE} exec_line
  exec_line=$(desktop_exec "$prefix" "$group")
  [ -n "$exec_line" ] || fail "the desktop entry has no Exec line in [$group]"
  # shellcheck disable=SC2086 # the Exec line is a command with its arguments
  PATH="$prefix/bin:$PATH" watch_windows "$want" "$scratch" $exec_line
}

check_start() {
  local prefix=$1 verdict scratch
  if ! have_catalogue; then
    echo "SKIPPED: the product catalogue is not in data/ yet, so the installed program cannot start on it"
    exit 77
  fi
  need xvfb-run xwininfo xprop
  prefix=$(cd "$prefix" && pwd)
  for file in $WATTLAN_CATALOGUE_FILES; do
    [ -f "$prefix/lib/wattlan/$file" ] || fail "$file is not beside the program"
  done
  scratch=$(mktemp -d)
  # shellcheck disable=SC2064 # the folder is named now, the variable is local
  trap "rm -rf '$scratch'" EXIT

  verdict=$(start_from_menu_entry "$prefix" "$scratch/run")
  if [ "$verdict" != found ]; then
    cat "$scratch/run/program.log" "$scratch/run/windows.log" >&2 || true
    fail "the main window of the installed program did not appear ($verdict)"
  fi
  grep -qF '"wattlan", "Wattlan"' "$scratch/run/found.log" ||
    fail "the main window's class does not match the menu entry's StartupWMClass"
  grep -q 'Icon (' "$scratch/run/found.log" || fail "the main window has no icon"
  echo "installed program started on its catalogue: main window shown, with its icon"

  # The action "Wattlan (all tools)" starts the full window, which names its document.
  verdict=$(start_from_menu_entry "$prefix" "$scratch/full" "Desktop Action full" "Untitled.xml")
  if [ "$verdict" != found ]; then
    cat "$scratch/full/program.log" "$scratch/full/windows.log" >&2 || true
    fail "the action \"Wattlan (all tools)\" did not show the full window ($verdict)"
  fi
  echo "the action \"Wattlan (all tools)\" started the full window"

  # The same install without one catalogue file must say so and not reach the
  # main window: this shows that it is the catalogue beside the program that was read.
  local missing=${WATTLAN_CATALOGUE_FILES##* }
  cp -a "$prefix" "$scratch/broken"
  rm "$scratch/broken/lib/wattlan/$missing"
  verdict=$(start_from_menu_entry "$scratch/broken" "$scratch/run-broken")
  case "$verdict" in
  warning | "exited "[1-9]*) echo "without $missing it does not start ($verdict)" ;;
  *)
    cat "$scratch/run-broken/program.log" "$scratch/run-broken/windows.log" >&2 || true
    fail "without $missing the program neither warned nor failed ($verdict)"
    ;;
  esac
}

check_install() {
  local build=$1 prefix=$2
  rm -rf "$prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
  check_tree "$prefix"
  check_metadata "$prefix"
  check_cli "$prefix"
  have_catalogue || echo "NOTE: the product catalogue is not in data/ yet and was not installed"
}

field() {
  dpkg-deb --field "$2" "$1"
}

# The Debian packages of the Qt libraries that a program links: libQt6Xml.so.6 is in libqt6xml6.
linked_qt_packages() {
  readelf -d "$1" | sed -n 's/.*Shared library: \[libQt6\([A-Za-z]*\)\.so\.6\]/libqt6\16/p' |
    tr '[:upper:]' '[:lower:]'
}

check_package() {
  local build=$1 out=$2 deb version depends
  need cpack dpkg-deb dpkg-shlibdeps readelf
  rm -rf "$out"
  mkdir -p "$out"
  cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack"; }
  version=$WATTLAN_VERSION
  deb="$out/wattlan_${version}_$(dpkg --print-architecture).deb"
  [ -f "$deb" ] || { ls "$out" >&2; fail "no package $deb"; }

  echo "== dpkg-deb --info $(basename "$deb")"
  dpkg-deb --info "$deb"
  echo "== dpkg-deb --contents $(basename "$deb")"
  dpkg-deb --contents "$deb"

  [ "$(field Package "$deb")" = wattlan ] || fail "package name"
  [ "$(field Version "$deb")" = "$version" ] || fail "package version"
  [ -n "$(field Maintainer "$deb")" ] || fail "no maintainer"
  depends=$(field Depends "$deb" | tr ',' '\n' | sed 's/^ *//; s/ .*//; s/|.*//')
  dpkg-deb -x "$deb" "$out/root"
  for lib in libc6 libstdc++6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-dejavu-core \
    $(linked_qt_packages "$out/root/usr/lib/wattlan/wattlan") \
    $(linked_qt_packages "$out/root/usr/lib/wattlan/wattlan-cli"); do
    grep -qx "$lib" <<<"$depends" || fail "Depends lacks $lib"
  done
  echo "Depends: every Qt library the program links, the SVG plugins and the sheet's typeface"
  if dpkg-deb --contents "$deb" | awk '{print $2}' | grep -vqx 'root/root'; then
    fail "files not owned by root"
  fi
  if dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -vq '^\./usr/'; then
    fail "files outside /usr"
  fi

  check_tree "$out/root/usr"
  check_metadata "$out/root/usr"
  check_cli "$out/root/usr"
  if have_catalogue; then
    check_start "$out/root/usr"
  else
    echo "NOTE: the product catalogue is not in data/ yet: the package holds none and was not started"
  fi
}

case "${1:-}" in
install) check_install "$2" "$3" ;;
start) check_start "$2" ;;
package) check_package "$2" "$3" ;;
*)
  echo "usage: $0 install BUILD_DIR PREFIX | start PREFIX | package BUILD_DIR OUT_DIR" >&2
  exit 2
  ;;
esac
