# A wooden drawer slides out: a rough rumble of wood on wood that slows to a stop.
tone "$W/slide.wav" 0.7 brownnoise sinc 120-1800 tremolo 30 40 fade q 0.05 0.7 0.3 vol 0.8
tone "$W/stop.wav" 0.1 sine 110-70 fade l 0.001 0.1 0.09
add "$W/out.wav" 0 "$W/slide.wav" 0.62 "$W/stop.wav"
