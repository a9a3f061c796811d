#include "ui/presentationwindow.h"

#include "platform/picturebox.h"
#include "surface/viewstate.h"
#include "ui/picturewidget.h"
#include "ui/viewkeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

PresentationWindow::PresentationWindow(const PointGrid& grid, const ViewState& view, const PictureBox& area,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_grid(grid)
    , m_view(view)
    , m_area(area)
{
    setObjectName(QStringLiteral("frmPresentation"));
    setWindowTitle(QString::fromUtf8("RUVEX Display 3D \xe2\x80\x93 Layar Penuh"));
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
        m_picture.resize(size.width(), size.height(), m_area.ScaleWidth(), m_area.ScaleHeight());
}

void PresentationWindow::draw()
{
    m_picture.redraw(m_grid, m_view.GridCols, m_view.GridRows);
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

namespace {

bool closesPresentation(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11;
}

} // namespace

bool PresentationWindow::event(QEvent* event)
{
    // Its own keys stay here, whatever shortcuts the other windows have.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (closesPresentation(key) || viewAfterKey(key, QPointF())) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PresentationWindow::keyPressEvent(QKeyEvent* event)
{
    if (closesPresentation(event)) {
        close();
        return;
    }
    if (const auto to = viewAfterKey(event, QPointF(m_view.MouseX, m_view.MouseY))) {
        // As the timers do: button 1, no shift.
        emit mouseMoved(1, 0, static_cast<float>(to->x()), static_cast<float>(to->y()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void PresentationWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
