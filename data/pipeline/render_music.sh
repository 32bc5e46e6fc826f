#!/bin/sh
# Renders one ABC tune to Ogg Vorbis: ABC -> MIDI -> WAV (FluidSynth, General MIDI
# soundfont) -> trimmed, faded, normalised WAV -> Ogg with a fixed stream serial, so the
# same source always gives the same bytes.
# Usage: render_music.sh TUNE.abc OUT.ogg SERIAL WORK_DIR SOUNDFONT
set -eu
abc=$1 out=$2 serial=$3 work=$4 soundfont=$5

# Music sits well under the sound effects: its peaks stay 6 dB below full scale, while
# effects reach -1 dB.
peak_db=-6
fade_out=2.5

mkdir -p "$work"
abc2midi "$abc" -o "$work/tune.mid" >"$work/abc2midi.log"
if grep -qi 'error' "$work/abc2midi.log"; then
  cat "$work/abc2midi.log" >&2
  exit 1
fi
fluidsynth -ni -q -g 0.7 -r 44100 -F "$work/raw.wav" "$soundfont" "$work/tune.mid" >/dev/null
# Cut the near-silent release tail (below -60 dB), then fade the end so the loop restarts cleanly.
sox -R -V1 "$work/raw.wav" "$work/trimmed.wav" reverse silence 1 0.05 0.1% reverse
length=$(sox --i -D "$work/trimmed.wav")
sox -R -V1 "$work/trimmed.wav" -b 16 "$work/final.wav" fade t 0.01 "$length" "$fade_out" norm "$peak_db"
oggenc -Q -q 3 -s "$serial" -o "$out.part" "$work/final.wav"
mv "$out.part" "$out"
