# A journal page turns: a papery swell, its flutter made by a fast tremolo.
PEAK=-2
tone "$W/paper.wav" 0.55 pinknoise sinc 700-7000 tremolo 22 35 fade q 0.18 0.55 0.32
tone "$W/settle.wav" 0.06 brownnoise sinc 200-1500 fade l 0.002 0.06 0.055 vol 0.5
add "$W/out.wav" 0 "$W/paper.wav" 0.47 "$W/settle.wav"
