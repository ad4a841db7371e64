// The slider's positions 0 .. 100 as the values they set: a loudness x 100, a pan x 50 + 50.
#pragma once

// The position nearest to a value on the slider's scale, kept in 0 .. 100; 0 for no number.
int NearestSliderPosition(long double scaled);

// A pan of -1 (left) .. 1 (right) and the slider position that shows it.
long double PanOfSliderPosition(int position);
int SliderPositionOfPan(long double pan);
