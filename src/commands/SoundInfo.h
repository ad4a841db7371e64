// The words of the information boxes about sound files, lanes, balls and the room.
#pragma once

#include <QString>

class TBall;
class TLane;
class TRes;
class TTheBalls;

// Every text is "label: value" lines joined by CR LF, an empty line where a group ends.

// The sound file's name, then its rate, bits, tracks, frames, duration and whether it is held in
// memory. Frames and duration read "none" while it is unmeasured.
QString ResourceInfoText(const TRes& resource);
// The lane's sound file, then its name, row, hue, loudness, pan, mute, balls and the channels
// sounding in it now.
QString LaneInfoText(const TLane& lane, int soundingChannels);
// The ball's own sound file, then its name, loudness, pan, where it starts and ends in the sound,
// the frames and duration it plays (of its own sound, else its lane's) and its sounding channels.
QString BallInfoText(const TBall& ball, int soundingChannels);
// How many balls there are, and how many of them have a sound file of their own.
QString RoomInfoText(const TTheBalls& balls);
