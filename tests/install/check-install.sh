#!/bin/sh
# Installs the build into a fresh prefix, checks what the desktop reads from it,
# then starts the installed game from an empty folder with an empty home.
set -eu
build=$1
id=$2
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
prefix=$top/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/morovan share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
  share/morovan/その他.wav share/morovan/禁止.wav share/morovan/駒打音.wav \
  share/morovan/旗立.wav share/morovan/BGM.wav; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2 ||
  fail "metainfo does not validate"

# The sound library is found without LD_LIBRARY_PATH, inside the prefix.
env -u LD_LIBRARY_PATH ldd "$prefix/bin/morovan" | grep -q "libMorovan.so => $prefix/" ||
  fail "libMorovan.so is not found inside the prefix"
# The statistics chart is loaded, when first shown, from beside the sound library.
sound=$(env -u LD_LIBRARY_PATH ldd "$prefix/bin/morovan" | awk '/libMorovan.so =>/ { print $3 }')
[ -f "$(dirname "$sound")/libMorovanChart.so" ] || fail "libMorovanChart.so is not beside libMorovan.so"

# Moved prefixes work too: the game is started from a moved copy and must keep
# running, with its settings in the XDG data folder. (Its sounds start only once
# the window is up, so a sound it could not find is not seen from here.)
mv "$prefix" "$top/moved"
mkdir "$top/home" "$top/start"
cd "$top/start"
settings=$top/home/.local/share/morovan/Morovan.ini
env -u XDG_DATA_HOME -u LD_LIBRARY_PATH HOME="$top/home" "$top/moved/bin/morovan" \
  >"$top/out" 2>&1 &
game=$!
tries=0
while [ ! -f "$settings" ] && [ $tries -lt 300 ]; do sleep 0.1; tries=$((tries + 1)); done
running=yes
kill "$game" 2>/dev/null || running=no
wait "$game" || true
[ $running = yes ] || { cat "$top/out" >&2; fail "the game did not keep running"; }
[ -f "$settings" ] || fail "no settings in the XDG data folder"
[ -d "$top/home/.local/share/morovan/棋譜" ] || fail "no games folder"
[ -z "$(ls -A "$top/start")" ] || fail "the game wrote into the folder it started in"
echo "installed and started"
