# An item is found: three bright bells in a rising major third, with a short hall.
bell 1318.5 1.0 "$W/n1.wav"
bell 1661.2 1.0 "$W/n2.wav"
bell 1975.5 1.1 "$W/n3.wav"
add "$W/notes.wav" 0 "$W/n1.wav" 0.09 "$W/n2.wav" 0.18 "$W/n3.wav"
$SOX "$W/notes.wav" "$W/out.wav" pad 0 0.5 reverb 35 50 60 channels 1 trim 0 1.7 fade t 0 1.7 0.5
