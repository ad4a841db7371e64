// A real room and ruler in a real interior over a recording window stand-in.
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

#include <QPainter>

// Window 400 x 300 without padding or meters: the ruler spans the top 20 pixels, the lane
// strip the left 120 below it, and the room (14 columns, 14 rows) the rest.
class RoomFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    RoomFixture() {
        faultlog::SetFolder(dir.path());
        host.layout = {0, 0, kWidth, kHeight, kWidth, kHeight};
        mixer.audio = &audio;
    }
    // Made on first use, so that a test can change the settings, the makers and the window's
    // size first.
    void make() {
        InteriorSettings s;
        s.leftMeter = s.rightMeter = false;
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, watch, menus, settings});
        if (!makers.lanes)
            makers.lanes = [](TCtrlList& list) -> TCtrl& { return list.Create<BareControl>(); };
        interior = std::make_unique<TTheInterior>(host, s, dir.path(), QString(), makers);
        interior->LoadStyle();
        interior->Surfaces.GrowTo(host.layout.Width, host.layout.Height, Qt::white);
        interior->ResizeAll();
        room().Model().plan.End = Elements{11025 * 32};
        room().Model().room.SetFlagPosition(room().Model().room.EndFlag(), Elements{11025 * 32},
                                            false);
        repaint();
    }
    void repaint() {
        ruler().Paint();
        room().Paint();
        host.copied.clear();
    }
    TTheRoom& room() { return *TheRoomOf(*interior); }
    TTheRuler& ruler() { return static_cast<TTheRuler&>(*interior->Ruler); }
    QRgb pixel(int x, int y) const { return interior->Surfaces.CompositionBitmap.pixel(x, y); }
    // What the window shows: the composition with the point and the line drawn over it.
    QImage screen() {
        QImage image = interior->Surfaces.CompositionBitmap.copy();
        QPainter painter(&image);
        room().PaintOverWindow(painter);
        return image;
    }
    int copiedArea() const {
        int area = 0;
        for (const QRect& r : host.copied)
            area += r.width() * r.height();
        return area;
    }

    TempDir dir;
    FakeHost host;
    RoomAudio audio;
    Arrangement arrangement{audio};
    ScriptedMixer mixer;
    FakeTransport transport;
    FakeWatch watch;
    FakeMenus menus;
    RoomSettings settings;
    ControlMakers makers;
    std::unique_ptr<TTheInterior> interior;
};
