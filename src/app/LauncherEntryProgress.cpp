#include "app/LauncherEntryProgress.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <algorithm>

void LauncherEntryProgress::SetState(ProgressState state) {
    if (state == m_state)
        return;
    m_state = state;
    send();
}

void LauncherEntryProgress::SetValue(int64_t done, int64_t total) {
    const double fraction =
        total > 0 ? std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0)
                  : 0.0;
    if (fraction == m_fraction)
        return;
    m_fraction = fraction;
    send();
}

QVariantMap LauncherEntryProgress::Properties(ProgressState state, double fraction) {
    const bool withBar = state == ProgressState::Normal || state == ProgressState::Paused ||
                         state == ProgressState::Error;
    return {{QStringLiteral("progress"), fraction},
            {QStringLiteral("progress-visible"), withBar},
            {QStringLiteral("urgent"), state == ProgressState::Error}};
}

void LauncherEntryProgress::send() const {
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/org/glorinbax/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << m_appUri << Properties(m_state, m_fraction);
    QDBusConnection::sessionBus().send(update);
}

std::unique_ptr<TaskbarProgress> MakeDesktopProgress() {
    if (!QDBusConnection::sessionBus().isConnected())
        return nullptr;
    return std::make_unique<LauncherEntryProgress>(
        QStringLiteral("application://glorinbax.desktop"));
}
