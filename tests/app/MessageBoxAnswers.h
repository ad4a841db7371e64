// Answers for the message boxes the code under test opens, given from their own event loops.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool parentless = false;
};

// Answers the message boxes the code under test opens, in order, from the event loop their
// exec() runs; `beforeAnswer` runs while a box is still open.
class BoxAnswers {
public:
    explicit BoxAnswers(std::deque<int> keysOrButtons) : m_answers(std::move(keysOrButtons)) {
        poll();
    }
    // Instead of a button: the Escape key, or nothing (the box stays open).
    static constexpr int kEscape = -1;
    static constexpr int kLeaveOpen = -2;

    std::vector<SeenBox> seen;
    std::function<void()> beforeAnswer;

private:
    void poll() {
        QTimer::singleShot(5, &m_context, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                poll();
                return;
            }
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                            box->parentWidget() == nullptr});
            if (beforeAnswer)
                beforeAnswer();
            const int answer = m_answers.front();
            m_answers.pop_front();
            if (answer == kEscape)
                QTest::keyClick(box, Qt::Key_Escape);
            else if (answer != kLeaveOpen)
                box->button(static_cast<QMessageBox::StandardButton>(answer))->click();
            if (!m_answers.empty())
                poll();
        });
    }

    std::deque<int> m_answers;
    QObject m_context; // polls still waiting end with the answers
};
