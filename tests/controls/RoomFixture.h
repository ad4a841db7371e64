// A real room and ruler in a real interior over a recording window stand-in.
#pragma once

#include "InteriorFixture.h"

#include <QPainter>

// Window 400 x 300 without padding or meters: the ruler spans the top 20 pixels, the lane
// strip the left 120 below it, and the room (14 columns, 14 rows) the rest.
class RoomFixture : public InteriorFixture {
protected:
    // The controls hold the watch link, which goes before the interior would.
    ~RoomFixture() override { interior.reset(); }
    // Made on first use, so that a test can change the settings, the makers and the window's
    // size first.
    void make() {
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, watch, menus, settings, balls});
        makeInterior(withoutMeters());
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

    FakeWatch watch;
    RoomSettings settings;
};
