#!/usr/bin/env bash
# Checks of the install and of the Debian packages wattlan and wattlan-cli, run by CTest:
#   check.sh install BUILD_DIR PREFIX   install into PREFIX, check its files and desktop metadata;
#                                       install the command line alone into PREFIX-cli, check it
#   check.sh start PREFIX               start PREFIX's wattlan as its menu entry does
#   check.sh package BUILD_DIR OUT_DIR  build both packages in OUT_DIR, check their fields,
#                                       dependencies and files, each alone and both together
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

# The files of one package (wattlan or wattlan-cli), or of both when none is named.
expected_files() {
  local package=${1:-}
  awk -v package="$package" '!/^#/ && NF == 2 && (package == "" || $1 == package) { print $2 }' \
    "$here/installed-files.txt"
  if [ "$package" != wattlan ] && have_catalogue; then
    for file in $WATTLAN_CATALOGUE_FILES; do echo "lib/wattlan/$file"; done
  fi
  if [ "$package" != wattlan-cli ]; then
    for file in ${WATTLAN_TOOLKIT_TRANSLATION_FILES:-}; do echo "lib/wattlan/$file"; done
  fi
}

# The files below a prefix must be exactly those of installed-files.txt: of the
# package named, or of both.
check_tree() {
  local prefix=$1 package=${2:-} expected actual
  expected=$(expected_files "$package")
  actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||')
  diff -u <(sort <<<"$expected") <(sort <<<"$actual") >&2 ||
    fail "the files under $prefix differ from installed-files.txt${package:+ for $package} (- expected, + found)"
  for program in bin/wattlan lib/wattlan/wattlan bin/wattlan-cli lib/wattlan/wattlan-cli; do
    if grep -qx "$program" <<<"$expected"; then
      [ -x "$prefix/$program" ] || fail "$program is not executable"
    fi
  done
  echo "files under $prefix${package:+ ($package)}: as expected"
}

# Runs the installed wattlan-cli with no display, from the root folder.
headless_cli() {
  local prefix=$1
  shift
  (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/wattlan-cli" "$@")
}

# The command-line companion runs with no display, from any working directory,
# and by default checks the catalogue installed beside the program: clean. It
# draws the run sheet of the sample project there too.
check_cli() {
  local prefix=$1 output sheet status
  output=$(headless_cli "$prefix" --version) || fail "wattlan-cli --version"
  echo "$output"
  if have_catalogue; then
    output=$(headless_cli "$prefix" check) ||
      { echo "$output" >&2; fail "wattlan-cli check on the installed catalogue"; }
    [ "$output" = "0 errors, 0 warnings" ] || fail "wattlan-cli check: $output"
    echo "wattlan-cli check on the installed catalogue, with no display: $output"
    # The sample run breaks a limit on purpose: status 1, a finding, not a failure.
    sheet=$(mktemp --suffix=.pdf)
    output=$(headless_cli "$prefix" run "$here/../docs/hallway.xml" --sheet "$sheet" 2>&1) && status=0 || status=$?
    if [ "$status" -gt 1 ] || [ "$(head -c 5 "$sheet")" != "%PDF-" ]; then
      echo "$output" >&2
      rm -f "$sheet"
      fail "wattlan-cli run --sheet on docs/hallway.xml (status $status)"
    fi
    rm -f "$sheet"
    echo "wattlan-cli run --sheet on docs/hallway.xml, with no display: a PDF"
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
  # The command line alone, as a build server without a desktop installs it.
  rm -rf "$prefix-cli"
  cmake --install "$build" --prefix "$prefix-cli" --component cli >/dev/null ||
    fail "cmake --install --component cli"
  check_tree "$prefix-cli" wattlan-cli
  check_cli "$prefix-cli"
  have_catalogue || echo "NOTE: the product catalogue is not in data/ yet and was not installed"
}

# field DEB NAME: one field of a package's control file.
field() {
  dpkg-deb --field "$1" "$2"
}

# The names of the packages a package depends on, one a line.
depended_on() {
  field "$1" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//; s/|.*//'
}

# The Debian packages of the Qt libraries that a program links: libQt6Xml.so.6 is in libqt6xml6.
linked_qt_packages() {
  readelf -d "$1" | sed -n 's/.*Shared library: \[libQt6\([A-Za-z]*\)\.so\.6\]/libqt6\16/p' |
    tr '[:upper:]' '[:lower:]'
}

# Prints a package's fields and files, checks its name, version, maintainer,
# owner and place, and unpacks it into ROOT.
check_control() {
  local deb=$1 name=$2 root=$3
  [ -f "$deb" ] || { ls "$(dirname "$deb")" >&2; fail "no package $deb"; }
  echo "== dpkg-deb --info $(basename "$deb")"
  dpkg-deb --info "$deb"
  echo "== dpkg-deb --contents $(basename "$deb")"
  dpkg-deb --contents "$deb"

  [ "$(field "$deb" Package)" = "$name" ] || fail "package name of $deb"
  [ "$(field "$deb" Version)" = "$WATTLAN_VERSION" ] || fail "package version of $deb"
  [ -n "$(field "$deb" Maintainer)" ] || fail "no maintainer in $deb"
  if dpkg-deb --contents "$deb" | awk '{print $2}' | grep -vqx 'root/root'; then
    fail "files of $name not owned by root"
  fi
  if dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -vq '^\./usr/'; then
    fail "files of $name outside /usr"
  fi
  dpkg-deb -x "$deb" "$root"
}

# Every package of the list must be among DEB's dependencies.
require_depends() {
  local deb=$1 depends
  shift
  depends=$(depended_on "$deb")
  for package in "$@"; do
    grep -qx "$package" <<<"$depends" || fail "Depends of $(field "$deb" Package) lacks $package"
  done
}

check_package() {
  local build=$1 out=$2 arch cli_deb window_deb cli_program
  local -a linked
  need cpack dpkg-deb dpkg-shlibdeps readelf
  rm -rf "$out"
  mkdir -p "$out"
  cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack"; }
  arch=$(dpkg --print-architecture)
  cli_deb="$out/wattlan-cli_${WATTLAN_VERSION}_$arch.deb"
  window_deb="$out/wattlan_${WATTLAN_VERSION}_$arch.deb"
  check_control "$cli_deb" wattlan-cli "$out/cli-root"
  check_control "$window_deb" wattlan "$out/window-root"
  check_tree "$out/cli-root/usr" wattlan-cli
  check_tree "$out/window-root/usr" wattlan

  # The command line: the Qt libraries it links, and neither the widgets, nor
  # the network, nor the window.
  cli_program="$out/cli-root/usr/lib/wattlan/wattlan-cli"
  if linked_qt_packages "$cli_program" | grep -qx 'libqt6widgets6\|libqt6network6'; then
    fail "wattlan-cli links $(linked_qt_packages "$cli_program" | grep -x 'libqt6widgets6\|libqt6network6' | xargs)"
  fi
  mapfile -t linked < <(linked_qt_packages "$cli_program")
  require_depends "$cli_deb" libc6 libstdc++6 libqt6core6 libqt6xml6 libqt6gui6 libqt6svg6 \
    fonts-dejavu-core "${linked[@]}"
  if depended_on "$cli_deb" | grep -qx 'libqt6widgets6\|libqt6network6\|wattlan'; then
    fail "wattlan-cli depends on $(depended_on "$cli_deb" | grep -x 'libqt6widgets6\|libqt6network6\|wattlan' | xargs)"
  fi
  echo "wattlan-cli depends on the Qt libraries it links and the sheet's typeface, not on the widgets, the network or the window"

  # The window: the same version of the command line, whose catalogue and
  # translations it reads, every Qt library it links and the SVG plugins.
  grep -qx "wattlan-cli (= $WATTLAN_VERSION)" <<<"$(field "$window_deb" Depends | tr ',' '\n' | sed 's/^ *//')" ||
    fail "wattlan does not depend on wattlan-cli (= $WATTLAN_VERSION)"
  mapfile -t linked < <(linked_qt_packages "$out/window-root/usr/lib/wattlan/wattlan")
  require_depends "$window_deb" libc6 libstdc++6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    fonts-dejavu-core "${linked[@]}"
  echo "wattlan depends on wattlan-cli of its version, every Qt library it links, the SVG plugins and the sheet's typeface"

  # The command line alone, as a pipeline without a desktop installs it.
  check_cli "$out/cli-root/usr"
  # Both, as installing wattlan brings them.
  dpkg-deb -x "$cli_deb" "$out/root"
  dpkg-deb -x "$window_deb" "$out/root"
  check_tree "$out/root/usr"
  check_metadata "$out/root/usr"
  check_cli "$out/root/usr"
  if have_catalogue; then
    check_start "$out/root/usr"
  else
    echo "NOTE: the product catalogue is not in data/ yet: the packages hold none and were not started"
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
