#include "ui/presentationwindow.h"

#include "platform/picturebox.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "window/form1layout.h"
#include "window/form1model.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

PresentationWindow::PresentationWindow(const Form1Model& model, QWidget* parent)
    : PointerSurface(parent, Qt::Window)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmPresentation"));
    setWindowTitle(toQString(Form1Layout::kFullScreenCaption));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PresentationWindow::open()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    fitToScreen();
    draw();
    raise();
    activateWindow();
    setFocus();
}

void PresentationWindow::showView()
{
    if (isVisible())
        draw();
}

// The picture at the screen's device pixels for the window's size (or as
// many as the largest picture has, which the painter enlarges), new and
// blank (true) when that size changed.
bool PresentationWindow::fitToScreen()
{
    const ScreenPictureSize size = screenPictureSize(width(), height(), pictureRatio(*this));
    m_ratio = size.ratio;
    const PixelBuffer& image = m_picture.image();
    if (image.width() == size.width && image.height() == size.height)
        return false;
    m_picture.resize(size.width, size.height, m_model.area().ScaleWidth(), m_model.area().ScaleHeight());
    return true;
}

void PresentationWindow::draw()
{
    m_picture.redraw(m_model.pictureLines());
    const QRect changed = logicalRect(m_picture.takeChangedRect(), m_ratio);
    if (!changed.isEmpty())
        update(changed);
}

void PresentationWindow::paintEvent(QPaintEvent* event)
{
    // A ratio changed since the last redraw (another screen) redraws it
    // here; a repaint of a part then asks for the rest.
    if (fitToScreen()) {
        m_picture.redraw(m_model.pictureLines());
        m_picture.takeChangedRect();
        if (!event->region().contains(rect()))
            update();
    }
    QPainter painter(this);
    drawDevicePixels(painter, QPointF(0, 0), m_picture.image(), m_ratio);
}

void PresentationWindow::resizeEvent(QResizeEvent*)
{
    fitToScreen();
    showView();
}

QPointF PresentationWindow::pointerPosition(const QMouseEvent* event) const
{
    const QPointF at = event->position() * m_ratio;
    const SourcePoint source = m_picture.sourcePosition(at.x(), at.y());
    return {source.x, source.y};
}

namespace {

bool closesPresentation(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11;
}

// The keys that turn the view here as over the drawing area: the arrows and
// Home, without Ctrl or Alt, which belong to commands.
bool turnsView(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return event->key() == Qt::Key_Home || arrowKeyCode(event->key()) != 0;
}

} // namespace

bool PresentationWindow::event(QEvent* event)
{
    // Its own keys stay here, whatever shortcuts the other windows have.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (closesPresentation(key) || turnsView(key)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

// The main window turns the view, with the drawing area's own rules for the
// arrows; Home is the first view, as "Tampilan Awal" gives it.
void PresentationWindow::keyPressEvent(QKeyEvent* event)
{
    if (closesPresentation(event)) {
        close();
    } else if (!turnsView(event)) {
        QWidget::keyPressEvent(event);
    } else if (event->key() == Qt::Key_Home) {
        emit keyDown(kKeyHome, 0);
    } else {
        emit keyDown(arrowKeyCode(event->key()), shiftCode(event->modifiers()));
    }
}

void PresentationWindow::closeEvent(QCloseEvent* event)
{
    // A screen's picture is large; opened again, it is made anew.
    m_picture.release();
    event->accept();
    emit closed();
}
