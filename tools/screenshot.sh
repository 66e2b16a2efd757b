#!/usr/bin/env bash
# Makes docs/screenshot.png and docs/screenshot-full.png: the main window at
# start-up on the sample product database, as it starts by default and with
# --full, drawn under Xvfb with a fresh home folder (so no stored settings).
set -euo pipefail
cd "$(dirname "$0")/.."
./setup.sh
command -v import >/dev/null || { echo "needs ImageMagick's import: apt-get install imagemagick" >&2; exit 1; }
for file in ym_config_zv.xml ym_config_ob.xml ym_config_ts.xml; do
  [ -f "data/$file" ] || { echo "data/$file is missing: the window would show no catalogue" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p docs

unset QT_QPA_PLATFORM
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config"
# The window icon is read from the working directory, as run.sh does.
cd build
# capture OUT [ARGUMENT...]: the main window of ./wattlan ARGUMENT...
# shellcheck disable=SC2016 # the inner script expands its own variables
capture='
  out=$1
  shift
  ./wattlan "$@" &
  pid=$!
  for _ in $(seq 1 100); do
    id=$(xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"[^\"]*Wattlan Release.*/\1/p" | head -n 1)
    [ -n "$id" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "wattlan ended before its window appeared" >&2; exit 1; }
    sleep 0.1
  done
  [ -n "$id" ] || { echo "the main window did not appear" >&2; kill "$pid"; exit 1; }
  sleep 1 # let the first paint finish
  import -window "$id" "$out"
  kill "$pid"
  echo "wrote $out"
'
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "$capture" capture "$OLDPWD/docs/screenshot.png"
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "$capture" capture "$OLDPWD/docs/screenshot-full.png" --full
