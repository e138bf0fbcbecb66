#pragma once

#include "vcl_types.h"

#include <QListWidget>

#include <functional>

namespace tracuu {

// A single-selection list of UTF-16 items with the click event of a classic
// list box: OnClick is raised once for each change of the selection that the
// user makes with the mouse or the navigation keys, and by the type-ahead
// search; a selection set from code raises nothing.
//
// Type-ahead: typed characters build a prefix that is emptied after 500 ms
// without typing; Backspace removes its last character. The first row from
// the top whose text begins with the prefix, ignoring case, is selected (an
// empty prefix selects row 0) and OnClick is raised, also when that row was
// selected already. A prefix no row begins with changes nothing.
//
// Letters typed without diacritics also match letters that carry them, so
// "co" finds "Cổ Lãng Dữ" and "d" finds "Đại Tán Quan"; a prefix typed with
// diacritics must match them as typed.
class TTntListBox : public QListWidget {
public:
    using ClickHandler = std::function<void(QObject *sender)>;
    using Clock = std::function<qint64()>; // milliseconds, monotonic

    static constexpr qint64 typeAheadResetMs = 500;

    explicit TTntListBox(QWidget *parent);

    void setItems(const QStringList &items);

    // The text with diacritics removed and đ written as d.
    static QString withoutDiacritics(const QString &text);
    void setListFont(const FontDef &font);
    const FontDef &listFont() const { return fontDef_; }
    void setItemHeight(int height);
    int itemHeight() const { return itemHeight_; }

    // The selected row, or -1.
    int itemIndex() const;
    // Selects a row from code (-1 clears); raises nothing.
    void setItemIndex(int index);

    void setOnClick(ClickHandler handler) { onClick_ = std::move(handler); }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    QString typeAheadPrefix() const { return prefix_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyboardSearch(const QString &search) override;

private:
    // Runs a user action and raises OnClick if it changed the selection.
    template <typename Action> void userAction(Action action);
    void typed(QChar c);
    void raiseClick();

    FontDef fontDef_;
    int itemHeight_ = 18;
    ClickHandler onClick_;
    Clock clock_;
    QStringList plainItems_; // the items without diacritics, for plain prefixes
    QString prefix_;
    qint64 lastTyped_ = 0;
    bool typedBefore_ = false;
};

} // namespace tracuu
