# An on-screen text is dismissed: a quick swish falling away, like a page slid aside.
PEAK=-2
tone "$W/swish.wav" 0.32 pinknoise sinc 400-5000 fade q 0.02 0.32 0.28 vol 0.7
pluck 293.7 0.5 "$W/low.wav"
add "$W/out.wav" 0 "$W/swish.wav" 0 "$W/low.wav"
