// A real interior over a recording window stand-in, made from the makers a fixture sets; the
// fixtures of the room and of the watch build on it.
#pragma once

#include "RoomFakes.h"
#include "common/TempDir.h"
#include "controls/ControlFakes.h"
#include "controls/Interior.h"
#include "controls/TheRoom.h"
#include "controls/TheRuler.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"

#include <gtest/gtest.h>

#include <memory>

// Window 400 x 300 without padding unless a test lays it out otherwise.
class InteriorFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    InteriorFixture() {
        faultlog::SetFolder(dir.path());
        host.layout = {0, 0, kWidth, kHeight, kWidth, kHeight};
        mixer.audio = &audio;
    }
    // The interior from the makers (the lane strip a bare control unless a test set one), laid
    // out over the window.
    void makeInterior(const InteriorSettings& settings) {
        if (!makers.lanes)
            makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        interior = std::make_unique<TTheInterior>(host, settings, dir.path(), QString(), makers);
        interior->LoadStyle();
        interior->Surfaces.GrowTo(host.layout.Right, host.layout.Bottom, Qt::white);
        interior->ResizeAll();
    }
    TTheRoom& room() { return *TheRoomOf(*interior); }
    TTheRuler& ruler() { return static_cast<TTheRuler&>(*interior->Ruler); }
    QRgb pixel(int x, int y) const { return interior->Surfaces.CompositionBitmap.pixel(x, y); }

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
    FakeMenus menus;
    FakeBalls balls;
    ControlMakers makers;
    std::unique_ptr<TTheInterior> interior;
};
