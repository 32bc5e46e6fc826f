# A button is pressed: a brass latch clicking shut, a bright clack over a low knock.
tone "$W/clack.wav" 0.02 whitenoise sinc 1500-6000 fade l 0.0005 0.02 0.019
tone "$W/ring.wav" 0.09 sine 3100 fade l 0.001 0.09 0.088 vol 0.35
tone "$W/knock.wav" 0.07 sine 220-110 fade l 0.001 0.07 0.068 vol 0.8
add "$W/out.wav" 0 "$W/clack.wav" 0 "$W/ring.wav" 0.004 "$W/knock.wav"
