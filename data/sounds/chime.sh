# A clock-tower chime: one deep bell with a long ring.
bell 523.25 2.2 "$W/low.wav"
bell 1046.5 1.2 "$W/octave.wav"
$SOX "$W/octave.wav" "$W/soft.wav" vol 0.35
add "$W/mix.wav" 0 "$W/low.wav" 0 "$W/soft.wav"
$SOX "$W/mix.wav" "$W/out.wav" pad 0 0.6 reverb 40 50 70 channels 1 trim 0 2.6 fade t 0 2.6 0.8
