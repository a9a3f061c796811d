#include "ui/presentationwindow.h"

#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/windowsession.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

PresentationWindow::PresentationWindow(WindowSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmPresentation"));
    setWindowTitle(toQString(Form1Layout::kFullScreenCaption));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const PresentationPicture& PresentationWindow::picture() const
{
    return m_session.scaledPicture(ScaledView::FullScreen);
}

void PresentationWindow::open()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    fitToScreen();
    update();
    raise();
    activateWindow();
    setFocus();
}

void PresentationWindow::showView()
{
    if (!isVisible())
        return;
    const QRect changed
        = logicalRect(m_session.scaledPicture(ScaledView::FullScreen).takeChangedRect(), m_ratio);
    if (!changed.isEmpty())
        update(changed);
}

// The session's view at the screen's device pixels for the window's size (or
// as many as the largest picture has, which the painter enlarges), opened
// anew (true) when that size changed.
bool PresentationWindow::fitToScreen()
{
    const ScreenPictureSize size = screenPictureSize(width(), height(), pictureRatio(*this));
    m_ratio = size.ratio;
    return m_session.fitScaledView(ScaledView::FullScreen, size.width, size.height);
}

void PresentationWindow::paintEvent(QPaintEvent* event)
{
    // A ratio changed since the last redraw (another screen) redraws it
    // here; a repaint of a part then asks for the rest.
    if (fitToScreen() && !event->region().contains(rect()))
        update();
    QPainter painter(this);
    drawDevicePixels(painter, QPointF(0, 0), picture().image(), m_ratio);
}

void PresentationWindow::resizeEvent(QResizeEvent*)
{
    if (isVisible() && fitToScreen())
        update();
}

QPointF PresentationWindow::picturePosition(QPointF windowPosition) const
{
    const QPointF at = windowPosition * m_ratio;
    const SourcePoint source = picture().sourcePosition(at.x(), at.y());
    return {source.x, source.y};
}

void PresentationWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
