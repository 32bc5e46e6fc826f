# A clock wheel turns a notch: three quick ratchet clicks and a low iron knock.
tone "$W/c1.wav" 0.018 whitenoise sinc 2000-7000 fade l 0.0005 0.018 0.017
tone "$W/knock.wav" 0.12 sine 180-120 fade l 0.001 0.12 0.11 vol 0.8
tone "$W/ring.wav" 0.25 sine 1480 fade l 0.001 0.25 0.24 vol 0.25
add "$W/out.wav" 0 "$W/c1.wav" 0.05 "$W/c1.wav" 0.1 "$W/c1.wav" 0.1 "$W/knock.wav" 0.1 "$W/ring.wav"
