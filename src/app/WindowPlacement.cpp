// Saving, reading and applying a window's placement.
#include "app/WindowPlacement.h"

#include "support/WideMemIniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace {

const QString kState = QStringLiteral("State");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kScreens = QStringLiteral("Screens");

PlacementState stateFrom(int value, PlacementState fallback) {
    switch (value) {
    case 0:
        return PlacementState::Normal;
    case 1:
        return PlacementState::Minimised;
    case 2:
        return PlacementState::Maximised;
    default:
        return fallback;
    }
}

} // namespace

QString ScreenLayoutText() {
    QStringList parts;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        parts << QStringLiteral("%1,%2,%3,%4")
                     .arg(g.left())
                     .arg(g.top())
                     .arg(g.width())
                     .arg(g.height());
    }
    return parts.join(QLatin1Char(';'));
}

void SavePlacement(TWideCustomIniFile& store, const QString& section,
                   const WindowPlacement& placement, const QString& screenLayout) {
    store.WriteInteger(section, kState, static_cast<int>(placement.state));
    store.WriteInteger(section, kLeft, placement.normalBounds.left());
    store.WriteInteger(section, kTop, placement.normalBounds.top());
    store.WriteInteger(section, kWidth, placement.normalBounds.width());
    store.WriteInteger(section, kHeight, placement.normalBounds.height());
    store.WriteString(section, kScreens, screenLayout);
}

WindowPlacement ReadPlacement(const TWideCustomIniFile& store, const QString& section,
                              const WindowPlacement& fallback, const QString& screenLayout) {
    WindowPlacement placement = fallback;
    placement.state = stateFrom(
        store.ReadInteger(section, kState, static_cast<int>(fallback.state)), fallback.state);
    const int width = store.ReadInteger(section, kWidth, 0);
    const int height = store.ReadInteger(section, kHeight, 0);
    if (width <= 0 || height <= 0)
        return placement;
    placement.normalBounds.setSize({width, height});
    if (store.ReadString(section, kScreens, QString()) == screenLayout &&
        store.ValueExists(section, kLeft) && store.ValueExists(section, kTop)) {
        placement.normalBounds.moveTopLeft(
            {store.ReadInteger(section, kLeft, 0), store.ReadInteger(section, kTop, 0)});
        placement.positioned = true;
    }
    return placement;
}

WindowPlacement PlacementOf(const QWidget& window) {
    WindowPlacement placement;
    if (window.isMinimized())
        placement.state = PlacementState::Minimised;
    else if (window.isMaximized())
        placement.state = PlacementState::Maximised;
    placement.normalBounds =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    placement.positioned = true;
    return placement;
}

void ApplyBounds(QWidget& window, const WindowPlacement& placement) {
    if (!placement.normalBounds.isValid())
        return;
    if (placement.positioned)
        window.setGeometry(placement.normalBounds);
    else
        window.resize(placement.normalBounds.size());
}

void ShowInState(QWidget& window, PlacementState state) {
    switch (state) {
    case PlacementState::Minimised:
        window.showMinimized();
        break;
    case PlacementState::Maximised:
        window.showMaximized();
        break;
    case PlacementState::Normal:
        window.show();
        break;
    }
}
