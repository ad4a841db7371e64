// The handout: the program's about window with its logos, a text in the user's language and the
// maker's web address.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QUrl;

// A fixed 500 x 400 tool window centred on the main window; any click or key closes it, but a
// click on the address opens the maker's page. UI thread only.
class TTheHandout : public QWidget {
public:
    using AddressOpener = std::function<void(const QUrl&)>;

    // The logos come from the Default style's folder.
    TTheHandout(QWidget* mainWindow, const QString& defaultInteriorFolder, AddressOpener open);

    // Shows it, centred on the main window, or hides it when shown.
    void Switch();
    // After a language switch: the caption and the text again, now if the handout is shown.
    void LanguageSwitched();
    QString Text() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The caption, and the text unless it is already there.
    void showTexts();
    void loadPictures();

    QString m_interiorFolder;
    AddressOpener m_open;
    QLabel* m_text;
    QLabel* m_address;
    std::array<QPixmap, 3> m_pictures;
    bool m_picturesLoaded = false;
};
