#include "unicode_list_box.h"

#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace tracuu {

namespace {

// Every row exactly the stored item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(const int *height, QObject *parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), *height_};
    }

private:
    const int *height_;
};

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace

TTntListBox::TTntListBox(QWidget *parent) : QListWidget(parent), clock_(monotonicMs)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(&itemHeight_, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setTabKeyNavigation(false);
    // Long labels are cut at the edge, not shortened with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    // Scroll by whole rows, as a classic list box does.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void TTntListBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    plainItems_.clear();
    for (const QString &item : items)
        plainItems_ << withoutDiacritics(item);
}

QString TTntListBox::withoutDiacritics(const QString &text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x0111))
            c = QLatin1Char('d');
        else if (c == QChar(0x0110))
            c = QLatin1Char('D');
        out.append(c);
    }
    return out;
}

void TTntListBox::setListFont(const FontDef &font)
{
    fontDef_ = font;
    applyFont(*this, font, QPalette::Text);
}

void TTntListBox::setItemHeight(int height)
{
    itemHeight_ = height;
    doItemsLayout();
}

int TTntListBox::itemIndex() const
{
    const QList<QModelIndex> selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TTntListBox::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

template <typename Action> void TTntListBox::userAction(Action action)
{
    const int before = itemIndex();
    action();
    if (itemIndex() != before)
        raiseClick();
}

void TTntListBox::raiseClick()
{
    if (onClick_)
        onClick_(this);
}

void TTntListBox::typed(QChar c)
{
    const qint64 now = clock_();
    if (typedBefore_ && now - lastTyped_ >= typeAheadResetMs)
        prefix_.clear();
    typedBefore_ = true;
    lastTyped_ = now;
    if (c == QChar(u'\b'))
        prefix_.chop(1);
    else
        prefix_.append(c);
    int row = -1;
    if (prefix_.isEmpty()) {
        row = 0;
    } else {
        const bool plain = withoutDiacritics(prefix_) == prefix_;
        for (int i = 0; i < count(); ++i) {
            const QString &text = plain && i < plainItems_.size() ? plainItems_[i] : item(i)->text();
            if (text.startsWith(prefix_, Qt::CaseInsensitive)) {
                row = i;
                break;
            }
        }
    }
    if (row < 0 || row >= count())
        return;
    setItemIndex(row);
    scrollToItem(item(row));
    raiseClick();
}

void TTntListBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_Backspace && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        typed(QChar(u'\b'));
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        for (QChar c : text)
            typed(c);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // With no current row the item view would go to row 0 whatever the
        // key; End and Page Down start from row 0 instead, as a list box
        // whose caret is on its first row.
        if (!currentIndex().isValid() && count() > 0 &&
            (event->key() == Qt::Key_End || event->key() == Qt::Key_PageDown))
            selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
        userAction([&] { QListWidget::keyPressEvent(event); });
        // A plain navigation key selects the row it lands on.
        if (currentRow() >= 0 && itemIndex() != currentRow())
            userAction([&] { setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect); });
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The only tab stop in the window: the focus stays here.
        event->accept();
        return;
    default: event->ignore(); return;
    }
}

void TTntListBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Text an input method commits (Vietnamese typing) counts as typed.
    for (QChar c : event->commitString())
        if (c.isPrint())
            typed(c);
    event->accept();
}

void TTntListBox::mousePressEvent(QMouseEvent *event)
{
    userAction([&] { QListWidget::mousePressEvent(event); });
}

void TTntListBox::mouseMoveEvent(QMouseEvent *event)
{
    userAction([&] { QListWidget::mouseMoveEvent(event); });
}

void TTntListBox::mouseReleaseEvent(QMouseEvent *event)
{
    userAction([&] { QListWidget::mouseReleaseEvent(event); });
}

void TTntListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    userAction([&] { QListWidget::mouseDoubleClickEvent(event); });
}

void TTntListBox::focusInEvent(QFocusEvent *event)
{
    // The item view would make row 0 current on focus-in; a classic list
    // box starts with no current row, so the first Down selects row 0.
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && itemIndex() < 0)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void TTntListBox::keyboardSearch(const QString &)
{
    // The item view's own one-letter search is replaced by the type-ahead.
}

} // namespace tracuu
