#include "ui/presentationwindow.h"

#include "platform/picturebox.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "view/form1layout.h"
#include "view/form1model.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

PresentationWindow::PresentationWindow(const Form1Model& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
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
    fitTo(size());
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

void PresentationWindow::fitTo(QSize size)
{
    const PixelBuffer& image = m_picture.image();
    if (image.width() != size.width() || image.height() != size.height())
        m_picture.resize(size.width(), size.height(), m_model.area().ScaleWidth(),
                         m_model.area().ScaleHeight());
}

void PresentationWindow::draw()
{
    m_picture.redraw(m_model.pictureLines());
    const QRect changed = toQRect(m_picture.takeChangedRect());
    if (!changed.isEmpty())
        update(changed);
}

void PresentationWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect target = event->rect();
    painter.drawImage(target, imageOf(m_picture.image()), target);
}

void PresentationWindow::resizeEvent(QResizeEvent* event)
{
    fitTo(event->size());
    showView();
}

void PresentationWindow::mouseMoveEvent(QMouseEvent* event)
{
    const SourcePoint at = m_picture.sourcePosition(event->position().x(), event->position().y());
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(at.x),
                    static_cast<float>(at.y));
}

void PresentationWindow::mousePressEvent(QMouseEvent* event)
{
    const SourcePoint at = m_picture.sourcePosition(event->position().x(), event->position().y());
    emit mousePressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x),
                      static_cast<float>(at.y));
}

void PresentationWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const SourcePoint at = m_picture.sourcePosition(event->position().x(), event->position().y());
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x),
                       static_cast<float>(at.y));
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
    event->accept();
    emit closed();
}
