# A lock gives way: a heavy click, a spring's twang, and a little chime of success.
tone "$W/clack.wav" 0.03 whitenoise sinc 800-5000 fade l 0.0005 0.03 0.029
tone "$W/thunk.wav" 0.15 sine 150-90 fade l 0.001 0.15 0.14
tone "$W/spring.wav" 0.4 sawtooth 620 tremolo 28 60 lowpass 2500 fade l 0.001 0.4 0.38 vol 0.3
bell 1568 0.8 "$W/b1.wav"
bell 2093 0.8 "$W/b2.wav"
add "$W/mix.wav" 0 "$W/clack.wav" 0 "$W/thunk.wav" 0.05 "$W/spring.wav" 0.3 "$W/b1.wav" 0.4 "$W/b2.wav"
$SOX "$W/mix.wav" "$W/out.wav" pad 0 0.4 reverb 25 50 40 channels 1 trim 0 1.5 fade t 0 1.5 0.4
