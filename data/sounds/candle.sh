# A candle is lit: the scratch of a match and the soft breath of a catching flame.
tone "$W/scratch.wav" 0.12 whitenoise sinc 1500-8000 fade l 0.002 0.12 0.1 vol 0.7
tone "$W/whoosh.wav" 0.6 pinknoise sinc 150-1500 fade q 0.08 0.6 0.45
add "$W/out.wav" 0 "$W/scratch.wav" 0.1 "$W/whoosh.wav"
