# A button comes under the pointer: a tiny, dry wooden tick.
PEAK=-3
tone "$W/tick.wav" 0.03 sine 2300 fade l 0.0005 0.03 0.0295
tone "$W/knock.wav" 0.025 brownnoise sinc 600-3000 fade l 0.0005 0.025 0.024 vol 0.5
add "$W/out.wav" 0 "$W/tick.wav" 0 "$W/knock.wav"
