// The colour and geometry tables of a visual style, one per config.ini section, with the
// built-in values every style starts from.
#pragma once

#include "model/Colour.h"

#include <cstdint>

// A colour written RRGGBB (as in config.ini) as the program holds it, red in the low byte.
constexpr uint32_t StyleColour(uint32_t rrggbb) {
    return RgbColour((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

struct LineStyle {
    uint32_t Line = StyleColour(0x00C0FF);
    uint32_t MarkerOutline = StyleColour(0xC0C0C0);
    uint32_t MarkerBG = StyleColour(0xE2E2E2);
    bool operator==(const LineStyle&) const = default;
};

struct LanesStyle {
    uint32_t Outline = StyleColour(0xBABABA);
    uint32_t Shadow = StyleColour(0x000000);
    int32_t ShadowDepth = 0;
    int32_t FontSize = 9;
    uint32_t MeterBG = StyleColour(0xC8C8C8);
    uint32_t MeterMid = StyleColour(0xFFFFFF);
    bool MoreDeepYellow = true;
    bool LessDeepPurple = false;
    bool operator==(const LanesStyle&) const = default;
};

struct RulerStyle {
    uint32_t BG = StyleColour(0xFFFFFF);
    uint32_t Text = StyleColour(0x9F9F9F);
    bool operator==(const RulerStyle&) const = default;
};

struct FlagsStyle {
    uint32_t StartBG = StyleColour(0xFFEFCA);
    uint32_t EndBG = StyleColour(0xFFEFCA);
    uint32_t StartText = StyleColour(0xFFB400);
    uint32_t EndText = StyleColour(0xFFB400);
    uint32_t StartOffBG = StyleColour(0xE8E8E8);
    uint32_t EndOffBG = StyleColour(0xE8E8E8);
    uint32_t StartOffText = StyleColour(0xB3B3B3);
    uint32_t EndOffText = StyleColour(0xB3B3B3);
    bool operator==(const FlagsStyle&) const = default;
};

struct SliderStyle {
    uint32_t Outline = StyleColour(0xB2B2B2);
    uint32_t OutlineShadow = StyleColour(0xB2B2B2);
    uint32_t HandleOutline = StyleColour(0xB2B2B2);
    uint32_t OutlineHighlight = StyleColour(0xFAFAFA);
    uint32_t BG = StyleColour(0xFAFAFA);
    uint32_t Handle = StyleColour(0xFAFAFA);
    uint32_t SmallTick = StyleColour(0xDADADA);
    uint32_t LargeTick = StyleColour(0xD5D5D5);
    uint32_t ZeroText = StyleColour(0xEBBCBC);
    uint32_t HundredText = StyleColour(0xEBBCBC);
    uint32_t LabelBG = StyleColour(0xF4C6C6);
    uint32_t LabelText = StyleColour(0xFFFFFF);
    uint32_t HandleShadow = StyleColour(0xE6E6E6);
    uint32_t HandleGradient = StyleColour(0xE1E1E1);
    uint32_t MidLine = StyleColour(0xFD9595);
    uint32_t HoleOutline = StyleColour(0x3C3C3C);
    uint32_t HoleGlowBig = StyleColour(0x536B73);
    uint32_t HoleGlowMid = StyleColour(0x558595);
    uint32_t HoleGlowSmall = StyleColour(0x529AB2);
    uint32_t HoleGlowLine = StyleColour(0xC1EFFF);
    uint32_t HoleBig = StyleColour(0x5F5F5F);
    uint32_t HoleMid = StyleColour(0x717171);
    uint32_t HoleSmall = StyleColour(0x838383);
    uint32_t HoleLine = StyleColour(0x5D666A);
    bool operator==(const SliderStyle&) const = default;
};

// The point's marker in the ruler and its marker in the lane strip.
struct PointStyle {
    uint32_t MarkerOutline = StyleColour(0xC0C0C0);
    uint32_t MarkerBG = StyleColour(0xEDEDED);
    uint32_t LanesMarkerOutline = StyleColour(0xC0C0C0);
    uint32_t LanesMarkerBG = StyleColour(0xEDEDED);
    bool operator==(const PointStyle&) const = default;
};

struct MasterMeterStyle {
    uint32_t BG = StyleColour(0xAAAAAA);
    uint32_t Outline = StyleColour(0x808080);
    uint32_t Normal = StyleColour(0x40FF40);
    uint32_t Paused = StyleColour(0xFFFF00);
    uint32_t Foul = StyleColour(0xFF0000);
    bool operator==(const MasterMeterStyle&) const = default;
};

struct MenuTriggerStyle {
    uint32_t BG = StyleColour(0xEBEBEB);
    uint32_t DownBG = StyleColour(0xE4E4E4);
    uint32_t Outline = StyleColour(0xC6C6C6);
    uint32_t OutlineHighlight = StyleColour(0xFFFFFF);
    uint32_t Shadow = StyleColour(0x808080);
    uint32_t Normal = StyleColour(0x8D8D8D);
    uint32_t Down = StyleColour(0x808080);
    bool operator==(const MenuTriggerStyle&) const = default;
};

// Colours and the geometry of the buttons inside the carrier, in pixels.
struct CarrierStyle {
    uint32_t BG = StyleColour(0xFAFAFA);
    uint32_t Outline = StyleColour(0xB2B2B2);
    int32_t RollX = 10;
    int32_t PauseX = 38;
    int32_t SettleX = 66;
    int32_t PastX = 94;
    int32_t FutureX = 122;
    int32_t RollWidth = 26;
    int32_t PauseWidth = 26;
    int32_t SettleWidth = 26;
    int32_t PastWidth = 26;
    int32_t FutureWidth = 26;
    int32_t TriggerY = 6;
    int32_t TriggerWidth = 28;
    bool operator==(const CarrierStyle&) const = default;
};

struct StyleTables {
    LineStyle Line;
    LanesStyle Lanes;
    RulerStyle Ruler;
    FlagsStyle Flags;
    SliderStyle Slider;
    PointStyle Point;
    MasterMeterStyle MasterMeter;
    MenuTriggerStyle MenuTrigger;
    CarrierStyle Carrier;
    bool operator==(const StyleTables&) const = default;
};
