# A heavy door: a creaking hinge, then the door settling into its frame.
tone "$W/creak.wav" 0.9 sawtooth 95-130 tremolo 13 70 sinc 300-2500 fade h 0.15 0.9 0.25 vol 0.7
tone "$W/thump.wav" 0.35 sine 75-50 fade l 0.002 0.35 0.33
tone "$W/wood.wav" 0.12 brownnoise sinc 150-1200 fade l 0.001 0.12 0.11 vol 0.8
add "$W/mix.wav" 0 "$W/creak.wav" 0.85 "$W/thump.wav" 0.85 "$W/wood.wav"
$SOX "$W/mix.wav" "$W/out.wav" pad 0 0.2 reverb 20 50 30 channels 1 trim 0 1.45 fade t 0 1.45 0.2
