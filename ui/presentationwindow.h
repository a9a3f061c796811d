#pragma once
// "Layar Penuh": the drawing alone, full screen on a white background, for a
// projector. The view is drawn at the screen's scale (PresentationPicture),
// so the solid fills the screen with sharp lines: at the screen's device
// pixels where it has more of them than logical pixels.
//
// It draws the main window's model's picture lines (the very lines the
// drawing area shows, made once for both) and changes nothing: pointer
// moves over it and its view keys are reported as positions over the drawing
// area, for the main window to send down its redraw road, which then asks
// this window to show the new view. Esc or F11 closes it.

#include "ui/picturewidget.h"
#include "view/presentationpicture.h"

class Form1Model;

class PresentationWindow final : public PointerSurface {
    Q_OBJECT
public:
    // `model` must outlive this window.
    explicit PresentationWindow(const Form1Model& model, QWidget* parent = nullptr);

    // Full screen on the screen of the parent window, with the current view.
    void open();
    // Draws the current view again, while shown.
    void showView();

    const PresentationPicture& picture() const { return m_picture; }

signals:
    void closed();

protected:
    // The position over the drawing area that the point of the screen's
    // picture under the pointer was drawn from.
    QPointF pointerPosition(const QMouseEvent* event) const override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The arrow keys with the drawing area's key and shift codes, and Home.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool fitToScreen();
    void draw();

    const Form1Model& m_model;
    PresentationPicture m_picture;
    qreal m_ratio = 1.0; // device pixels per logical pixel of m_picture
};
