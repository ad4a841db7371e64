#include "texts/windows/TheHandout.h"

#include "support/FaultLog.h"
#include "texts/Parlance.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 400;
constexpr int kTextCaption = 244;
constexpr int kFontPixels = 11;
const QColor kFrameColour(0x89, 0x89, 0x89);

// Names only, so that they read the same in every language.
const QString kMakerNotice = QStringLiteral("Glorinbax © 2026 Tessmor");
const QString kComponents =
    QStringLiteral("Qt 6 · PortAudio · libsndfile\nlibFLAC · libsoxr · LAME");
const QString kAddressText = QStringLiteral("tessmor.org/glorinbax");
const QUrl kAddress(QStringLiteral("https://tessmor.org/glorinbax"));

struct Picture {
    const char* file;
    QPoint at;
};
constexpr std::array<Picture, 3> kPictures{{{"Glorinbax S.bmp", {26, 193}},
                                            {"Glorinbax.bmp", {26, 258}},
                                            {"Tessmor Brand.bmp", {26, 314}}}};

QLabel* makeLabel(QWidget* parent, const QRect& bounds, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setGeometry(bounds);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPixelSize(kFontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

TTheHandout::TTheHandout(QWidget* mainWindow, const QString& defaultInteriorFolder,
                         AddressOpener open)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_interiorFolder(defaultInteriorFolder), m_open(std::move(open)),
      m_text(makeLabel(this, {108, 24, 365, 345}, Qt::AlignRight | Qt::AlignTop)),
      m_address(makeLabel(this, {26, 294, 123, 87}, Qt::AlignLeft | Qt::AlignBottom)) {
    setFixedSize(kWidth, kHeight);
    makeLabel(this, {162, 314, 231, 79}, Qt::AlignRight | Qt::AlignVCenter)->setText(kComponents);
    m_address->setText(kAddressText);
    m_address->setCursor(Qt::PointingHandCursor);
    m_address->installEventFilter(this);
}

void TTheHandout::Switch() {
    if (isVisible()) {
        hide();
        return;
    }
    if (const QWidget* main = parentWidget())
        move(main->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void TTheHandout::LanguageSwitched() {
    m_text->clear();
    if (isVisible())
        showTexts();
}

QString TTheHandout::Text() const {
    return m_text->text();
}

void TTheHandout::showEvent(QShowEvent* event) {
    showTexts();
    loadPictures();
    QWidget::showEvent(event);
}

void TTheHandout::showTexts() {
    setWindowTitle(::Text(kTextCaption));
    if (m_text->text().isEmpty())
        m_text->setText(SelectedHandoutText() + QStringLiteral("\n\n") + kMakerNotice);
}

void TTheHandout::loadPictures() {
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        const QString path = m_interiorFolder + QLatin1String(kPictures[i].file);
        // A missing logo leaves its place empty.
        if (!m_pictures[i].load(path, "BMP"))
            GBX_FAULT(("cannot load \"" + path + '"').toStdString());
    }
}

void TTheHandout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kFrameColour);
    // Each frame from its corner to the far corner, which lies outside it.
    for (const QRect& frame :
         {QRect(0, 0, 500, 400), QRect(1, 1, 498, 398), QRect(11, 11, 477, 377)})
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    for (std::size_t i = 0; i < kPictures.size(); ++i)
        if (!m_pictures[i].isNull())
            painter.drawPixmap(kPictures[i].at, m_pictures[i]);
}

void TTheHandout::mousePressEvent(QMouseEvent*) {
    hide();
}

void TTheHandout::keyPressEvent(QKeyEvent*) {
    hide();
}

bool TTheHandout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_address && event->type() == QEvent::MouseButtonPress) {
        if (m_open)
            m_open(kAddress);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
