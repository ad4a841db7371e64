#include "texts/windows/TheReport.h"

#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"
#include "texts/windows/ReportWindowHooks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kInitialWidth = 714;
constexpr int kInitialHeight = 491;
constexpr int kInitialSubjectWidth = 300;
constexpr int kDefaultTextWidth = 200;
constexpr int kDefaultTimeWidth = 150;
// A column the settings make narrower is still there to be dragged wider.
constexpr int kMinColumnWidth = 20;

constexpr int kTextCaption = 246;
constexpr int kTextFirstHeading = 247;
constexpr int kTextQuestionCaption = 101;
constexpr int kTextClearReport = 325;
constexpr int kTextQuestionMark = 243;
constexpr int kTextRows = 326;

enum Column { Subject = 0, Message = 1, Time = 2 };

// Keys the list view keeps for itself: moving the selection.
bool navigationKey(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

bool keptByList(int key) {
    return navigationKey(key) || key == Qt::Key_Shift || key == Qt::Key_Control ||
           key == Qt::Key_Escape || key == Qt::Key_Delete;
}

} // namespace

TTheReport::TTheReport(ReportWindowHooks& hooks, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), m_hooks(hooks),
      m_list(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setColumnCount(3);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(Subject, kInitialSubjectWidth);
    m_list->setColumnWidth(Message, kDefaultTextWidth);
    m_list->setColumnWidth(Time, kDefaultTimeWidth);
    m_list->installEventFilter(this);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { m_hooks.ShowReportMenu(m_list->viewport()->mapToGlobal(at)); });
    connect(m_list->header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != Subject)
            layoutColumns();
    });
    setFocusProxy(m_list);
    resize(kInitialWidth, kInitialHeight);
    SetCaptions();
}

void TTheReport::AddRow(const QString& subject, const QString& text, const QString& time) {
    m_list->insertTopLevelItem(0, new QTreeWidgetItem(QStringList{subject, text, time}));
}

void TTheReport::SetCaptions() {
    setWindowTitle(Text(kTextCaption));
    m_list->setHeaderLabels(
        {Text(kTextFirstHeading), Text(kTextFirstHeading + 1), Text(kTextFirstHeading + 2)});
}

int TTheReport::RowCount() const {
    return m_list->topLevelItemCount();
}

int TTheReport::SelectedRowCount() const {
    return static_cast<int>(m_list->selectedItems().size());
}

ReportRow TTheReport::Row(int index) const {
    const QTreeWidgetItem* item = m_list->topLevelItem(index);
    if (!item)
        return {};
    return {item->text(Subject), item->text(Message), item->text(Time)};
}

void TTheReport::ReadColumnWidths(const TWideCustomIniFile& store) {
    const QString section = QLatin1String(kReportSection);
    const auto width = [&](const char* key, int fallback) {
        return std::max(kMinColumnWidth, store.ReadInteger(section, key, fallback));
    };
    m_list->setColumnWidth(Message, width("Message.Width", kDefaultTextWidth));
    m_list->setColumnWidth(Time, width("DateTime.Width", kDefaultTimeWidth));
}

void TTheReport::WriteColumnWidths(TWideCustomIniFile& store) const {
    const QString section = QLatin1String(kReportSection);
    store.WriteInteger(section, "Message.Width", m_list->columnWidth(Message));
    store.WriteInteger(section, "DateTime.Width", m_list->columnWidth(Time));
}

bool TTheReport::ReportKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (modifiers & Qt::AltModifier)
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_C:
        if (!ctrl)
            return false;
        copy(shift);
        return true;
    case Qt::Key_Insert:
        if (ctrl)
            copy(shift);
        else if (shift)
            paste();
        return ctrl || shift;
    case Qt::Key_A:
        if (!ctrl)
            return false;
        if (shift)
            m_list->clearSelection();
        else
            m_list->selectAll();
        return true;
    case Qt::Key_Delete:
        if (ctrl && shift)
            clearAll();
        else if (shift)
            cut(false);
        else if (!ctrl)
            deleteSelected();
        return !ctrl || shift;
    case Qt::Key_X:
        if (ctrl)
            cut(shift);
        return ctrl;
    case Qt::Key_V:
        if (ctrl)
            paste();
        return ctrl;
    case Qt::Key_Menu:
        if (modifiers == Qt::NoModifier)
            m_hooks.ShowReportMenu(selectionPoint());
        return modifiers == Qt::NoModifier;
    case Qt::Key_F10:
        if (shift)
            m_hooks.ShowReportMenu(selectionPoint());
        else if (ctrl)
            m_hooks.ShowLaneMenuAtPoint();
        else
            m_hooks.ShowMenuByKey();
        return true;
    case Qt::Key_Escape:
        if (ctrl)
            return false;
        if (shift)
            m_hooks.MinimizeMainWindow();
        else
            hide();
        return true;
    default:
        return false;
    }
}

void TTheReport::copy(bool full) {
    std::vector<ReportRow> rows;
    for (int i = 0; i < RowCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            rows.push_back(Row(i));
    const QString text = CopiedRowsText(rows, full);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TTheReport::cut(bool full) {
    copy(full);
    deleteSelected();
}

void TTheReport::paste() {
    const std::vector<ReportRow> rows = PastedRows(QGuiApplication::clipboard()->text());
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const ReportRow& row : rows)
        items.append(new QTreeWidgetItem(QStringList{row.subject, row.text, row.time}));
    // In one go: the first line ends on top.
    m_list->insertTopLevelItems(0, items);
}

void TTheReport::deleteSelected() {
    qDeleteAll(m_list->selectedItems());
}

void TTheReport::clearAll() {
    const QString question = GetText(kTextClearReport) + Text(kTextQuestionMark);
    const QString detail =
        Text(kTextRows) + QStringLiteral(": ") + QString::number(RowCount()) + QLatin1Char('.');
    if (m_hooks.AskYesNo(Text(kTextQuestionCaption), question, detail))
        m_list->clear();
}

void TTheReport::layoutColumns() {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int inside = width() - 2 * m_list->frameWidth();
    m_list->setColumnWidth(Subject, SubjectColumnWidth(inside, m_list->columnWidth(Message),
                                                       m_list->columnWidth(Time), scrollBar));
}

QPoint TTheReport::selectionPoint() const {
    const QTreeWidgetItem* current = m_list->currentItem();
    const QRect row = current ? m_list->visualItemRect(current) : QRect();
    return m_list->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
}

bool TTheReport::listKey(QKeyEvent& event) {
    if (ReportKey(event.key(), event.modifiers()))
        return true;
    if (keptByList(event.key()) && !(event.modifiers() & Qt::AltModifier))
        return false;
    m_hooks.PassKey(event);
    return true;
}

bool TTheReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list) {
        if (event->type() == QEvent::KeyPress)
            return listKey(static_cast<QKeyEvent&>(*event));
        if (event->type() == QEvent::KeyRelease) {
            m_hooks.PassKey(static_cast<QKeyEvent&>(*event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTheReport::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutColumns();
}

void TTheReport::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_list->setFocus();
}
