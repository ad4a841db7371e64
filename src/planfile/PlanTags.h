// The tags of the binary plan file: a 16-bit number before each value, fixing its type.
#pragma once

#include <cstdint>

namespace plantag {

constexpr char kMagic[] = "GLRNBX";
constexpr int kMagicSize = 6;
constexpr int32_t kFormatVersion = 4;

enum Tag : uint16_t {
    SectionLane = 2,      // none: begins one lane
    FormatVersion = 3,    // int32
    MPH = 4,              // text
    FrameResolution = 5,  // text
    Frames = 6,           // text
    ElementRate = 7,      // text
    Start = 8,            // int64
    End = 9,              // int64
    OffsetX = 10,         // int32
    OffsetY = 11,         // int32
    ThePointX = 12,       // int32
    ThePointY = 13,       // int32
    Memory = 14,          // bool
    MasterLoudness = 15,  // text
    Position = 16,        // int32, lane
    Striked = 17,         // bool, lane
    Handle = 18,          // text, piece
    Life = 19,            // text, piece
    Loudness = 20,        // text, piece
    Pan = 21,             // text, piece
    ResStart = 22,        // text, piece
    ResEnd = 23,          // text, piece
    RoundRobin = 24,      // bool, piece
    Hue = 25,             // ext, piece
    Resource = 26,        // text, piece
    SectionBall = 27,     // none: begins one ball
    X = 28,               // int32, ball
    Y = 29,               // int32, ball
    SectionPiece = 30,    // none: ends a head; the piece's records follow
    SectionEOF = 31,      // none; also what a read past the end gives
    ResourcesFolder = 32, // text
    SrcTrack0 = 33,       // int32, piece
    SrcTrack1 = 34,       // int32, piece
};

// The name a value has throughout the program, which is also its key in the text form.
constexpr const char* KeyOf(Tag tag) {
    switch (tag) {
    case FormatVersion:
        return "FormatVersion";
    case MPH:
        return "MPH";
    case FrameResolution:
        return "FrameResolution";
    case Frames:
        return "Frames";
    case ElementRate:
        return "ElementRate";
    case Start:
        return "Start";
    case End:
        return "End";
    case OffsetX:
        return "OffsetX";
    case OffsetY:
        return "OffsetY";
    case ThePointX:
        return "ThePointX";
    case ThePointY:
        return "ThePointY";
    case Memory:
        return "Memory";
    case MasterLoudness:
        return "MasterLoudness";
    case Position:
        return "Position";
    case Striked:
        return "Striked";
    case Handle:
        return "Handle";
    case Life:
        return "Life";
    case Loudness:
        return "Loudness";
    case Pan:
        return "Pan";
    case ResStart:
        return "ResStart";
    case ResEnd:
        return "ResEnd";
    case RoundRobin:
        return "RoundRobin";
    case Hue:
        return "HUE";
    case Resource:
        return "Resource";
    case X:
        return "X";
    case Y:
        return "Y";
    case ResourcesFolder:
        return "ResourcesFolder";
    case SrcTrack0:
        return "SrcTrack.0";
    case SrcTrack1:
        return "SrcTrack.1";
    case SectionLane:
    case SectionBall:
    case SectionPiece:
    case SectionEOF:
        break;
    }
    return "";
}

} // namespace plantag
