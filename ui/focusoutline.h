#pragma once
// A yellow ring around whichever control of an area has the keyboard focus,
// so that on the black window, and on a projector, one sees where the keys
// go. The style's own focus mark is a thin dark line that vanishes on black.
//
// The ring is a widget of its own on top of the area, masked to the ring, so
// the controls keep their own colours and painting; it lets the pointer
// through. It lies on the edge of the focused control (inside its rectangle,
// the width of the drawing area's frame) and is hidden while the focus is
// outside the area or on the control that draws its own frame. It moves no
// focus and handles no key.

#include <QPointer>
#include <QWidget>

class FocusOutline final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2; // as the drawing area's focus frame

    // On top of `area`; `framesItself` (may be null) shows its focus its own way.
    FocusOutline(QWidget* area, QWidget* framesItself);

    // The control the ring is around, or null while it is hidden.
    QWidget* target() const { return isVisible() ? m_target.data() : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QWidget* m_area;
    QPointer<QWidget> m_framesItself;
    QPointer<QWidget> m_target;
};
