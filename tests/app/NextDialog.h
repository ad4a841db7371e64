// Work done on the next modal dialog of a kind, from inside the dialog's own event loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <functional>

// Works on the next modal dialog of a kind as soon as it shows, from inside its event loop; gives
// up after a while so that a dialog that never comes fails the test instead of hanging it.
template <class Dialog> class NextDialog {
public:
    explicit NextDialog(std::function<void(Dialog&)> work) : m_work(std::move(work)) {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    int Seen() const { return m_seen; }

private:
    void poll() {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            ++m_seen;
            m_timer.stop();
            m_work(*dialog);
        } else if (++m_polls > kMaxPolls) {
            m_timer.stop();
        }
    }

    static constexpr int kMaxPolls = 500;
    std::function<void(Dialog&)> m_work;
    QTimer m_timer;
    int m_seen = 0;
    int m_polls = 0;
};

// As a user types a full file name into the dialog's name field and confirms.
inline void TypeFileName(QFileDialog& dialog, const QString& fileName) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    field->setText(fileName);
    static_cast<QDialog&>(dialog).accept(); // the file dialog's own accept
}
