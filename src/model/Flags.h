// Flags: marker lines across the room at element positions, with their captions.
#pragma once

#include "model/Units.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// A vertical line drawn across the room.
struct TRoomLine {
    uint32_t Colour = 0;
    int32_t PixelX = 0;
};

struct TFlag : TRoomLine {
    uint32_t CaptionColour = 0; // background of the caption box
    Elements Position{};
    QString Caption; // empty for none
    bool CaptionOnLeft = false;
};

// Owns the flags, in list order. UI thread only.
class TTheFlags {
public:
    TFlag& Add(TFlag flag);
    int Count() const { return static_cast<int>(m_flags.size()); }
    TFlag& At(int index) const { return *m_flags.at(index); }

    bool FlagsShown = true;
    bool CaptionsShown = true;
    // The lane strip draws the flags' handles; it reads and switches this state.
    bool HandlesShown = true;

private:
    std::vector<std::unique_ptr<TFlag>> m_flags;
};
