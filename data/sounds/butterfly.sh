# A hint is gained: wings flutter past and a small bell answers.
tone "$W/wings.wav" 0.7 pinknoise sinc 900-6000 tremolo 17 90 fade h 0.2 0.7 0.35 vol 0.8
bell 1760 0.8 "$W/b1.wav"
bell 2637 0.7 "$W/b2.wav"
add "$W/mix.wav" 0 "$W/wings.wav" 0.35 "$W/b1.wav" 0.45 "$W/b2.wav"
$SOX "$W/mix.wav" "$W/out.wav" pad 0 0.4 reverb 30 50 50 channels 1 trim 0 1.6 fade t 0 1.6 0.5
