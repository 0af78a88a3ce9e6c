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

# Moved prefixes work too: the game is started from a moved copy. A sound it
# could not find would stop its start at the warning, before the settings exist.
mv "$prefix" "$top/moved"
mkdir "$top/home" "$top/start"
cd "$top/start"
status=0
env -u XDG_DATA_HOME -u LD_LIBRARY_PATH HOME="$top/home" \
  timeout 5 "$top/moved/bin/morovan" >"$top/out" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$top/out" >&2; fail "the game did not keep running ($status)"; }
[ -z "$(ls -A "$top/start")" ] || fail "the game wrote into the folder it started in"
[ -f "$top/home/.local/share/morovan/Morovan.ini" ] || fail "no settings in the XDG data folder"
echo "installed and started"
