#pragma once

#include <QWidget>

namespace tracuu {

// A control without a window of its own in spirit: it never takes the
// focus, reacts to no input unless a subclass says so, and lets mouse
// presses fall through to the window. Qt paints such children in creation
// order, so the window's stored order is the painting order.
class TGraphicControl : public QWidget {
public:
    explicit TGraphicControl(QWidget *parent);

    int left() const { return x(); }
    int top() const { return y(); }
    void setLeft(int left);
    void setTop(int top);
    // Shows or hides; setting the value it already has does nothing.
    void setShown(bool shown);
    bool shown() const { return !isHidden(); }
};

} // namespace tracuu
