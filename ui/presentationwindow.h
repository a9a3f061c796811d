#pragma once
// "Layar Penuh": the drawing alone, full screen on a white background, for a
// projector. It shows the session's full-screen view, the view drawn at the
// screen's scale, so the solid fills the screen with sharp lines: at the
// screen's device pixels where it has more of them than logical pixels.
//
// It changes nothing itself: the window hands the pointer and the keys over
// it to the session, with positions in its picture's pixels (ratio), and
// asks it to show the new view.
//
// While "Irisan Bidang" or "Ukuran Bangun" is open, the snapshot's caption
// stands in a band under the picture, at the size the session gives
// (fullScreenBand); the picture is drawn shorter above it.

#include "view/presentationpicture.h"

#include <QWidget>

#include <string>

class QLabel;

class WindowSession;

class PresentationWindow final : public QWidget {
    Q_OBJECT
public:
    // `session` must outlive this window.
    explicit PresentationWindow(WindowSession& session, QWidget* parent = nullptr);

    // Full screen on the screen of the parent window, with the current view.
    void open();
    // Shows the part of its picture that changed, as the session handed it
    // over, while shown.
    void showView(const PixelRect& changed);
    // The snapshot's caption, in the band under the picture; empty for none.
    void showCaption(const std::string& caption);
    // Device pixels of its picture per logical pixel of the window: a
    // position over the window times this is one over the picture.
    qreal ratio() const { return m_ratio; }

    const PresentationPicture& picture() const;

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool fitToScreen();
    void placeCaption();

    WindowSession& m_session;
    qreal m_ratio = 1.0;     // device pixels per logical pixel of the picture
    int m_pictureHeight = 0; // the picture's pixels shown above the band
    QLabel* m_caption = nullptr;
};
