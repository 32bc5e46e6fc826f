#!/bin/sh
# Synthesises one sound effect from its recipe and encodes it as mono Ogg Vorbis.
# A recipe is a shell fragment run here with:
#   $SOX   sox with a fixed random seed (noise and dither repeat exactly)
#   $W     a scratch folder; the recipe leaves its result in "$W/out.wav"
#   tone, bell, pluck and add (below) for the voices several recipes share
# It may set PEAK, the loudness peak in dBFS the result is normalised to (default -1.5).
# Usage: render_sound.sh RECIPE.sh OUT.ogg SERIAL WORK_DIR
set -eu
recipe=$1 out=$2 serial=$3 W=$4
SOX="sox -R -V1"
PEAK=-1.5

# calc EXPRESSION: floating-point arithmetic for frequencies and times.
calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }

# tone OUT SECONDS SYNTH-ARGUMENTS...: a mono 44.1 kHz sound from sox's synthesiser.
tone() {
  target=$1; shift
  $SOX -n -r 44100 -c 1 "$target" synth "$@"
}

# decay SECONDS: the envelope of a struck sound, 1 ms attack and a logarithmic die-away.
decay() { echo "fade l 0.001 $1 $(calc "$1 - 0.001")"; }

# bell FREQ SECONDS OUT: a struck metal bar, a fundamental with the inharmonic partials of
# a glockenspiel bar, each dying away faster than the one below.
bell() {
  short=$(calc "$2 * 0.6")
  shorter=$(calc "$2 * 0.3")
  # shellcheck disable=SC2046
  tone "$W/bell_a.wav" "$2" sine "$1" $(decay "$2")
  # shellcheck disable=SC2046
  tone "$W/bell_b.wav" "$short" sine "$(calc "$1 * 2.76")" $(decay "$short") vol 0.45 pad 0 "$(calc "$2 - $short")"
  # shellcheck disable=SC2046
  tone "$W/bell_c.wav" "$shorter" sine "$(calc "$1 * 5.4")" $(decay "$shorter") vol 0.2 pad 0 "$(calc "$2 - $shorter")"
  $SOX -m -v 0.6 "$W/bell_a.wav" -v 0.27 "$W/bell_b.wav" -v 0.12 "$W/bell_c.wav" "$3"
}

# pluck FREQ SECONDS OUT: a soft plucked string (a plucked-string synth through a gentle low pass).
pluck() {
  tone "$3" "$2" pluck "$1" lowpass "$(calc "$1 * 6")" fade l 0.001 "$2" "$(calc "$2 * 0.8")"
}

# add OUT DELAY IN [DELAY IN]...: mixes sounds, each starting DELAY seconds in. Each part
# is scaled by one over the number of parts, so the sum never clips; the final level is
# set by the normalisation afterwards.
add() {
  target=$1; shift
  n=0; parts=""
  while [ $# -ge 2 ]; do
    n=$((n + 1))
    $SOX "$2" "$W/add_$n.wav" pad "$1"
    parts="$parts $W/add_$n.wav"
    shift 2
  done
  if [ "$n" -eq 1 ]; then
    cp "$W/add_1.wav" "$target"
  else
    # shellcheck disable=SC2086
    $SOX -m $parts "$target"
  fi
}

mkdir -p "$W"
rm -f "$W"/*.wav
. "$recipe"
$SOX "$W/out.wav" -r 44100 -c 1 -b 16 "$W/final.wav" norm "$PEAK"
oggenc -Q -q 4 -s "$serial" -o "$out.part" "$W/final.wav"
mv "$out.part" "$out"
