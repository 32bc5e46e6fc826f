# A number wheel of a lock clicks round one place: a small, bright detent.
PEAK=-3
tone "$W/click.wav" 0.015 whitenoise sinc 3000-9000 fade l 0.0005 0.015 0.014
tone "$W/tink.wav" 0.08 sine 2640 fade l 0.001 0.08 0.079 vol 0.4
add "$W/out.wav" 0 "$W/click.wav" 0.004 "$W/tink.wav"
