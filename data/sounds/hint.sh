# The hint points somewhere: a twinkle of high bells falling towards the target.
bell 3136 0.5 "$W/n1.wav"
bell 2637 0.55 "$W/n2.wav"
bell 2349.3 0.6 "$W/n3.wav"
bell 1975.5 0.9 "$W/n4.wav"
add "$W/notes.wav" 0 "$W/n1.wav" 0.06 "$W/n2.wav" 0.12 "$W/n3.wav" 0.2 "$W/n4.wav"
$SOX "$W/notes.wav" "$W/out.wav" pad 0 0.6 reverb 50 50 80 channels 1 trim 0 1.6 fade t 0 1.6 0.6
PEAK=-2
