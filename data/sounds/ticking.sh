# The great clock runs again: six slow, deep ticks and tocks in the tower's echo.
tone "$W/tick.wav" 0.06 sine 900-500 fade l 0.001 0.06 0.055
tone "$W/tock.wav" 0.09 sine 520-300 fade l 0.001 0.09 0.085
add "$W/ticks.wav" 0 "$W/tick.wav" 0.5 "$W/tock.wav" 1.0 "$W/tick.wav" 1.5 "$W/tock.wav" 2.0 "$W/tick.wav" 2.5 "$W/tock.wav"
$SOX "$W/ticks.wav" "$W/out.wav" pad 0 0.5 reverb 45 50 70 channels 1 trim 0 3.2 fade t 0 3.2 0.5
