#include "ui/presentationwindow.h"

#include "ui/picturewidget.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/windowsession.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

PresentationWindow::PresentationWindow(WindowSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmPresentation"));
    setWindowTitle(toQString(Form1Layout::kFullScreenCaption));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the picture, or from the caption's band.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setWordWrap(true);
    setColours(m_caption, Qt::black, Qt::white);
    m_caption->hide();
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
    showCaption(m_session.snapshot().caption);
    update();
    raise();
    activateWindow();
    setFocus();
}

// The caption's band came or went with a snapshot's caption (showCaption),
// never with a turn.
void PresentationWindow::showView(const PixelRect& pictureChanged)
{
    if (!isVisible())
        return;
    const QRect changed = logicalRect(pictureChanged, m_ratio);
    if (!changed.isEmpty())
        update(changed);
}

void PresentationWindow::showCaption(const std::string& caption)
{
    const QString text = toQString(caption);
    if (m_caption->text() != text)
        m_caption->setText(text);
    placeCaption();
}

// The band below the picture's pixels, the text at the session's size in
// logical pixels; the picture repainted whole when it changed its height.
void PresentationWindow::placeCaption()
{
    const CaptionBand band = m_session.fullScreenBand();
    const int pictureHeight = picture().image().height();
    if (pictureHeight != m_pictureHeight) {
        m_pictureHeight = pictureHeight;
        update();
    }
    const bool shown = band.height > 0 && !m_caption->text().isEmpty();
    if (shown) {
        const int top = static_cast<int>(std::lround(pictureHeight / m_ratio));
        m_caption->setGeometry(0, top, width(), height() - top);
        QFont font = m_caption->font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(band.textHeight / m_ratio))));
        m_caption->setFont(font);
    }
    m_caption->setVisible(shown);
}

// The session's view at the screen's device pixels for the window's size (or
// as many as the largest picture has, which the painter enlarges), opened
// anew (true) when that size changed.
bool PresentationWindow::fitToScreen()
{
    const ScreenPictureSize size = screenPictureSize(width(), height(), pictureRatio(*this));
    m_ratio = size.ratio;
    if (!m_session.fitScaledView(ScaledView::FullScreen, size.width, size.height))
        return false;
    placeCaption();
    return true;
}

void PresentationWindow::paintEvent(QPaintEvent* event)
{
    // A ratio changed since the last redraw (another screen) redraws it
    // here; a repaint of a part then asks for the rest.
    if (fitToScreen() && !event->region().contains(rect()))
        update();
    QPainter painter(this);
    drawDevicePixels(painter, QPointF(0, 0), picture().image(), m_ratio);
    // Under a picture left shorter for a band, until the caption shows.
    const int below = static_cast<int>(std::floor(picture().image().height() / m_ratio));
    if (below < height())
        painter.fillRect(QRect(0, below, width(), height() - below), Qt::white);
}

void PresentationWindow::resizeEvent(QResizeEvent*)
{
    if (isVisible() && fitToScreen())
        update();
}

void PresentationWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
