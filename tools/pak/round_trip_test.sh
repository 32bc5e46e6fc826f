#!/usr/bin/env bash
# Packs a folder of assorted files with the pak tool, unpacks it again and
# compares every file byte for byte; then checks that extraction refuses
# names that would land outside the target folder.
# Usage: round_trip_test.sh PATH_TO_PAK
set -euo pipefail

pak=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The source tree: binary data of every byte value, an empty file, deep and
# oddly named paths.
mkdir -p src/media/fonts src/locations/level\ one src/music
head -c 200000 /dev/urandom >src/media/big.png
printf '' >src/media/empty
for i in $(seq 0 255); do printf "\\$(printf %03o "$i")"; done >src/media/fonts/all-bytes
printf '[s]\r\nk=v\r\n' >"src/locations/level one/objects.cfg"
head -c 4097 /dev/urandom >src/music/theme.ogg

# Packing the folder with "." stores paths relative to it; the archive may
# even be written inside the folder being packed.
(cd src && "$pak" create inside.pak . >/dev/null && "$pak" create inside.pak . >/dev/null)
"$pak" list src/inside.pak | grep -q inside.pak && fail "the archive packed itself"
rm src/inside.pak
(cd src && "$pak" create ../data.pak . >/dev/null)

"$pak" list data.pak >listing
grep -q '^    200000  media/big.png$' listing || fail "list does not show media/big.png with its size"
grep -q '^         0  media/empty$' listing || fail "list does not show the empty entry"
[ "$(wc -l <listing)" -eq 5 ] || fail "list shows $(wc -l <listing) entries, not 5"

"$pak" extract data.pak -C out
diff -r src out || fail "extracted files differ from the originals"

# Only the named entries, into a folder that does not exist yet.
"$pak" extract data.pak music/theme.ogg "locations/level one/objects.cfg" -C some/where
cmp src/music/theme.ogg some/where/music/theme.ogg || fail "named extraction differs"
[ ! -e some/where/media ] || fail "extraction wrote entries that were not named"

# Files named as given, folders below their own names.
"$pak" create named.pak src/media/empty src/music >/dev/null
"$pak" list named.pak | grep -q ' src/music/theme.ogg$' || fail "a folder argument lost its name"
if "$pak" create broken.pak src/missing >/dev/null 2>&1; then fail "a missing file was reported as stored"; fi

# A hand-made archive whose names try to escape.
entry() {
  local name=$1 data=$2
  printf "\\x$(printf %02x ${#name})\\x00\\x00\\x00%s\\x00\\x$(printf %02x ${#data})\\x00\\x00\\x00%s" "$name" "$data"
}
{
  entry "../escaped" "bad"
  entry "/tmp/pak-absolute-$$" "bad"
  entry 'sub\..\..\win' "bad"
  entry "link/through" "bad"
  entry "fine/file" "good"
} >hostile.pak
mkdir -p target elsewhere
ln -s "$work/elsewhere" target/link
if "$pak" extract hostile.pak -C target 2>errors; then fail "escaping names were not refused"; fi
[ "$(grep -c refusing errors)" -eq 4 ] || fail "expected four refusals, got: $(cat errors)"
[ ! -e escaped ] && [ ! -e "/tmp/pak-absolute-$$" ] && [ -z "$(ls elsewhere)" ] || fail "an entry escaped"
[ "$(cat target/fine/file)" = good ] || fail "the sound entry was not extracted"

echo "pak tool round trip: ok"
