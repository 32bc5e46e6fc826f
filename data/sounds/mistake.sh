# A wrong click: a dull, falling thud with a puff of dust.
tone "$W/thud.wav" 0.28 sine 140-45 fade l 0.002 0.28 0.25
tone "$W/dust.wav" 0.08 brownnoise lowpass 500 fade l 0.001 0.08 0.075 vol 0.7
add "$W/mix.wav" 0 "$W/thud.wav" 0 "$W/dust.wav"
$SOX "$W/mix.wav" "$W/out.wav" lowpass 900
