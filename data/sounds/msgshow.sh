# An on-screen text appears: a soft paper swish rising into a low, warm pluck.
PEAK=-2
tone "$W/swish.wav" 0.3 pinknoise sinc 500-4000 fade q 0.25 0.3 0.05 vol 0.6
pluck 392 0.9 "$W/low.wav"
pluck 587.3 0.8 "$W/high.wav"
add "$W/mix.wav" 0 "$W/swish.wav" 0.24 "$W/low.wav" 0.28 "$W/high.wav"
$SOX "$W/mix.wav" "$W/out.wav" pad 0 0.3 reverb 25 50 40 channels 1 trim 0 1.3 fade t 0 1.3 0.4
