// Help asked for in a file dialog: F1 there shows a short note on what the dialog wants.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches every key of the application once installed on it. UI thread only.
class FileDialogHelp : public QObject {
public:
    // show puts the note over the dialog; by default an information box with the texts' words.
    explicit FileDialogHelp(std::function<void(QWidget& dialog)> show = ShowNote);

    static void ShowNote(QWidget& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget&)> m_show;
};
