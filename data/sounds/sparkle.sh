# Magic glints: tiny high pings scattered over half a second.
bell 4186 0.25 "$W/p1.wav"
bell 5274 0.22 "$W/p2.wav"
bell 3520 0.3 "$W/p3.wav"
bell 4699 0.25 "$W/p4.wav"
bell 6272 0.2 "$W/p5.wav"
add "$W/pings.wav" 0 "$W/p1.wav" 0.07 "$W/p2.wav" 0.16 "$W/p3.wav" 0.23 "$W/p4.wav" 0.36 "$W/p5.wav"
$SOX "$W/pings.wav" "$W/out.wav" pad 0 0.5 reverb 60 40 80 channels 1 trim 0 1.1 fade t 0 1.1 0.4
PEAK=-3
