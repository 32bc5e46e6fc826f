// Gradual changes of scene values: a value glides toward its target at a
// speed per second and never passes it. Scripts give a target and a time; the
// speed is what covers the distance in that time.
#pragma once

namespace vandrell {

// The speed that covers the distance in `time` seconds. No distance needs no
// speed, whatever the time; a time of 0 arrives at the next update.
float GlideSpeed(float target, float current, float time);
// How far a value at `speed` goes in `delta` seconds. A zero delta goes
// nowhere, even at the infinite speed of a zero time.
float GlideDistance(float delta, float speed);
// `current` after `delta` seconds toward `target` at `speed`.
float Glide(float current, float target, float delta, float speed);

}  // namespace vandrell
