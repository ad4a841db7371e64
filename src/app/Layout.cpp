// Layout arithmetic.
#include "app/Layout.h"

#include "controls/Interior.h"

TLayoutRect LayoutRectFor(QSize client, int padding) {
    TLayoutRect r;
    r.Left = r.Top = padding;
    r.Width = client.width() - 2 * padding;
    r.Height = client.height() - 2 * padding;
    r.Right = r.Left + r.Width;
    r.Bottom = r.Top + r.Height;
    return r;
}

namespace {

bool shown(const TCtrl* control) {
    return control && control->Visible;
}

} // namespace

QSize MinimumClientSize(const TTheInterior& interior, int padding) {
    int width = 2 * padding;
    if (interior.Lanes)
        width += interior.Lanes->Width - 1;
    if (interior.MeterL)
        width += interior.MeterL->Width;
    if (interior.MeterR)
        width += interior.MeterR->Width;

    int height = 2 * padding + (interior.Ruler ? interior.Ruler->Height : 0);
    if (shown(interior.Carrier))
        height += interior.Carrier->Height - 1;
    else if (shown(interior.Slider))
        height += interior.Slider->Height - 1;
    else if (shown(interior.Watch))
        height += interior.Watch->Height - 1;
    return {std::max(width, 0), std::max(height, 0)};
}
