// A real watch beside a real room and ruler in a real interior over a recording window
// stand-in; the room and the ruler reach the watch through the relay, as in the program.
#pragma once

#include "RoomFakes.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchGlyphs.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <memory>

// Window 400 x 300 without padding: the watch stands at the bottom left, (0, 262)-(120, 300),
// the loudness slider beside it.
class WatchFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    WatchFixture() {
        faultlog::SetFolder(dir.path());
        host.layout = {0, 0, kWidth, kHeight, kWidth, kHeight};
        mixer.audio = &audio;
    }
    void make() {
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, relay, menus, {}});
        AddWatch(makers, arrangement, relay);
        AddSlider(makers, SliderLinks{arrangement, transport, relay, menus});
        makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        interior = std::make_unique<TTheInterior>(host, settings, dir.path(), QString(), makers);
        interior->LoadStyle();
        interior->Surfaces.GrowTo(kWidth, kHeight, Qt::white);
        interior->ResizeAll();
    }
    TTheWatch& watch() { return static_cast<TTheWatch&>(*interior->Watch); }
    TWatchTyper& typer() { return watch().Typer(); }
    TTheRoom& room() { return *TheRoomOf(*interior); }
    TTheRuler& ruler() { return static_cast<TTheRuler&>(*interior->Ruler); }
    TTheSlider& slider() { return *TheSliderOf(*interior); }

    // The glyph of the strip for a character, and what the composition shows at a place.
    QImage glyph(QChar c) {
        return watch()
            .DigitStrip()
            .copy(GlyphOf(c) * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight)
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage shownAt(int place) {
        const QPoint at =
            QPoint(watch().BoundsRect.Left, watch().BoundsRect.Top) + WatchPlace(place);
        return interior->Surfaces.CompositionBitmap.copy(at.x(), at.y(), kGlyphWidth, kGlyphHeight);
    }
    // The characters whose glyphs the seven places show; '#' where no glyph matches.
    QString shownText() {
        QString text;
        for (int place = 1; place <= 7; ++place) {
            QChar found = u'#';
            for (char16_t c = u'/'; c <= u';'; ++c)
                if (shownAt(place) == glyph(QChar(c)))
                    found = QChar(c);
            text += found;
        }
        return text;
    }

    static InteriorSettings withoutMeters() {
        InteriorSettings s;
        s.leftMeter = s.rightMeter = false;
        return s;
    }

    TempDir dir;
    FakeHost host;
    RoomAudio audio;
    Arrangement arrangement{audio};
    ScriptedMixer mixer;
    FakeTransport transport;
    WatchRelay relay;
    FakeMenus menus;
    InteriorSettings settings = withoutMeters();
    ControlMakers makers;
    std::unique_ptr<TTheInterior> interior;
};
