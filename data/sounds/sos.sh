# A hint is used: a rising shimmer of four bells (C, E, G, C) in a little hall.
bell 1046.5 1.2 "$W/n1.wav"
bell 1318.5 1.1 "$W/n2.wav"
bell 1568.0 1.0 "$W/n3.wav"
bell 2093.0 1.0 "$W/n4.wav"
add "$W/notes.wav" 0 "$W/n1.wav" 0.07 "$W/n2.wav" 0.14 "$W/n3.wav" 0.21 "$W/n4.wav"
$SOX "$W/notes.wav" "$W/out.wav" pad 0 0.6 reverb 45 50 70 channels 1 trim 0 1.8 fade t 0 1.8 0.6
