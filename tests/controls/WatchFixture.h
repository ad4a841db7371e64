// A real watch beside a real room and ruler in a real interior over a recording window
// stand-in; the room and the ruler reach the watch through the relay, as in the program.
#pragma once

#include "InteriorFixture.h"
#include "controls/TheSlider.h"
#include "controls/TheWatch.h"
#include "controls/WatchGlyphs.h"
#include "controls/WatchRelay.h"
#include "controls/WatchTyper.h"

// Window 400 x 300 without padding: the watch stands at the bottom left, (0, 262)-(120, 300),
// the loudness slider beside it.
class WatchFixture : public InteriorFixture {
protected:
    // The controls hold the relay, which goes before the interior would.
    ~WatchFixture() override { interior.reset(); }
    void make() {
        AddRoomAndRuler(makers, RoomLinks{arrangement, mixer, transport, relay, menus, {}, balls});
        AddWatch(makers, arrangement, menus, relay);
        AddSlider(makers, SliderLinks{arrangement, transport, relay, menus});
        makeInterior(settings);
    }
    TTheWatch& watch() { return static_cast<TTheWatch&>(*interior->Watch); }
    TWatchTyper& typer() { return watch().Typer(); }
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

    WatchRelay relay;
    InteriorSettings settings = withoutMeters();
};
