#include "ui/form1.h"

#include "ui/animationtimer.h"
#include "ui/besidewindow.h"
#include "ui/elementview.h"
#include "ui/modelessdialog.h"
#include "ui/modelesswindows.h"
#include "ui/picturewidget.h"
#include "ui/presentationwindow.h"
#include "ui/qtext.h"
#include "ui/storedrangescrollbar.h"
#include "window/elementstates.h"
#include "window/keynames.h"
#include "window/picturewords.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <cstring>
#include <initializer_list>
#include <string_view>

namespace {

// 0 unticked, 1 ticked, 2 greyed, as the check box's value reads.
int checkBoxValue(int state)
{
    switch (static_cast<Qt::CheckState>(state)) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? kLeftButton : 0)
        | (buttons.testFlag(Qt::RightButton) ? kRightButton : 0)
        | (buttons.testFlag(Qt::MiddleButton) ? kMiddleButton : 0);
}

// The key by the name the toolkit gives it, less the prefix its key names
// share ("Key_Left" is "Left"): the core's table reads it.
KeyIntent keyIntentOf(const QKeyEvent& event, KeyTarget target)
{
    const char* name = QMetaEnum::fromType<Qt::Key>().valueToKey(event.key());
    KeyIntent key = keyIntentNamed(name ? std::string_view(name).substr(std::strlen("Key_")) : "");
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    key.shift = modifiers.testFlag(Qt::ShiftModifier);
    key.ctrl = modifiers.testFlag(Qt::ControlModifier);
    key.alt = modifiers.testFlag(Qt::AltModifier);
    key.meta = modifiers.testFlag(Qt::MetaModifier);
    key.target = target;
    return key;
}

// A text that copies its own selection: a text box, the help's text, a line
// of the section window, an information window's selectable label.
bool isText(const QWidget* widget)
{
    if (qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QLineEdit*>(widget))
        return true;
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , m_controls(*this)
    , m_picDisplay(m_controls.picDisplay)
    , m_session(m_picDisplay->box())
    , m_windows(new ModelessWindows(this))
{
    m_picDisplay->setSession(&m_session);
    connectControls();
    connectMenus();
    m_session.start(m_controls);
    show(m_session.snapshot());
    m_picDisplay->showWhole();
    m_wordsRest.setSingleShot(true);
    m_wordsRest.setInterval(kPictureWordsRestMilliseconds);
    connect(&m_wordsRest, &QTimer::timeout, this, &Form1::tellPictureWords);
    tellPictureWords();
    qApp->installEventFilter(this);
}

Form1::~Form1()
{
    qApp->removeEventFilter(this);
}

// The controls report what the user set, by their handlers' names.
void Form1::connectControls()
{
    // Each control array's buttons are one group (Form1Controls).
    const auto handler = [](const QObject* control, std::string_view event) {
        return handlerName(control->objectName().toStdString(), event);
    };
    for (const QRadioButton* first : {m_controls.Option1.front(), m_controls.optAnim.front()})
        connect(first->group(), &QButtonGroup::idClicked, this,
                [this, name = handler(first, "Click")](int index) {
                    apply(ControlIntent{name, index});
                });
    connect(m_controls.chkPerspective, &QCheckBox::stateChanged, this,
            [this, name = handler(m_controls.chkPerspective, "Click")](int state) {
                apply(ControlIntent{name, checkBoxValue(state)});
            });
    for (StoredRangeScrollBar* bar : {m_controls.VScroll1, m_controls.VScroll2})
        connect(bar, &StoredRangeScrollBar::storedValueChanged, this,
                [this, bar, name = handler(bar, "Change")] {
                    apply(ControlIntent{name, bar->storedValue()});
                });
    for (AnimationTimer* timer : m_controls.timers)
        connect(timer, &AnimationTimer::tick, this, [this] { apply(TickIntent{}); });
}

// Every menu item is a command of the session, by its name. The shortcuts the
// items show are the session's too (eventFilter).
void Form1::connectMenus()
{
    for (QAction* item : menuBar()->findChildren<QAction*>()) {
        if (!item->menu() && !item->isSeparator())
            connect(item, &QAction::triggered, this,
                    [this, item] { apply(MenuIntent{item->objectName().toStdString()}); });
    }
}

HelpWindow* Form1::helpWindow() const
{
    return m_windows->helpWindow();
}

unsigned Form1::apply(const Intent& intent)
{
    const AppliedIntent applied = m_session.apply(intent);
    const unsigned changes = applied;
    if (changes & kPictureChanged)
        showPicture(applied.redrawn);
    if (changes & kControlsChanged)
        show(m_session.snapshot());
    if (changes & kRequestsWaiting)
        for (const Request& request : m_session.takeRequests())
            carryOut(request);
    if (changes & kPictureWordsDue)
        m_wordsRest.start();
    return changes;
}

// --- events in ---------------------------------------------------------------

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && isOurs(widget))
            return applyKey(widget, event);
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (watched == m_picDisplay || (m_presentation && watched == m_presentation))
            return applyPointer(watched, event);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The windows whose keys the session reads: this one, "Layar Penuh",
// "Irisan Bidang", the information windows and the help.
bool Form1::isOurs(const QWidget* widget) const
{
    const QWidget* window = widget->window();
    return window == this || window == m_presentation || window == m_sectionWindow || window == m_sizeWindow
        || (qobject_cast<const ModelessDialog*>(window) && window->parentWidget() == this);
}

KeyTarget Form1::keyTarget(const QWidget* receiver) const
{
    if (receiver == m_picDisplay)
        return KeyTarget::Picture;
    if (receiver->window() == m_presentation)
        return KeyTarget::FullScreen;
    if (receiver->window() == m_sizeWindow)
        return KeyTarget::SizeWindow;
    return receiver->window() == m_sectionWindow ? KeyTarget::SectionWindow : KeyTarget::Window;
}

// A key that is one of the session's shortcuts is kept from the toolkit's
// shortcuts (which only show in the menus), so that it arrives as a key; a
// key the session takes goes no further.
bool Form1::applyKey(QWidget* receiver, QEvent* event)
{
    KeyIntent key = keyIntentOf(*static_cast<QKeyEvent*>(event), keyTarget(receiver));
    key.inText = isText(receiver);
    if (event->type() == QEvent::ShortcutOverride) {
        if (WindowSession::shortcutOf(key).empty())
            return false;
        event->accept();
        return true;
    }
    if (!(apply(key) & kIntentTaken))
        return false;
    event->accept();
    return true;
}

// Positions in the surface's picture pixels: past the drawing area's border,
// or at the full screen's device pixels. A press still goes on to the
// widget, which takes the focus.
bool Form1::applyPointer(QObject* watched, QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool fullScreen = watched != m_picDisplay;
    const QPointF at = fullScreen ? mouse->position() * m_presentation->ratio()
                                  : mouse->position() - m_picDisplay->contentsRect().topLeft();
    // A double click is a press, as the drawing area always took it.
    const QEvent::Type type = event->type();
    const PointerAction action = type == QEvent::MouseMove ? PointerAction::Move
        : type == QEvent::MouseButtonRelease               ? PointerAction::Release
                                                           : PointerAction::Press;
    apply(PointerEvent{fullScreen ? PointerSurface::FullScreen : PointerSurface::DrawingArea, action,
                       buttonMask(mouse->buttons()), buttonMask(mouse->button()), at.x(), at.y()});
    return type != QEvent::MouseButtonPress;
}

// --- what the session shows ----------------------------------------------------

// What the intent redrew, as the session handed it back, handed on once:
// the drawing area and "Layar Penuh" show it without asking the session or
// the pictures again.
void Form1::showPicture(const RedrawnParts& redrawn)
{
    m_picDisplay->showChanges(redrawn.area,
                              redrawn.beside[static_cast<std::size_t>(ScaledView::DrawingArea)]);
    if (m_presentation)
        m_presentation->showView(redrawn.beside[static_cast<std::size_t>(ScaledView::FullScreen)]);
}

// The drawing area and "Layar Penuh" told to a screen reader: a sentence
// that differs is set, and so announced as a description change, which a
// screen reader speaks for the control with the focus. A rest after a change
// that left the view as it was says nothing, and so does one while a drag
// holds the view (no words).
void Form1::tellPictureWords()
{
    const QString words = toQString(m_session.pictureWords());
    for (QWidget* picture : std::initializer_list<QWidget*>{m_picDisplay, m_presentation})
        if (picture && !words.isEmpty() && picture->accessibleDescription() != words)
            picture->setAccessibleDescription(words);
}

// Every element by its name, in whichever window it is (elementstates.h),
// and the timers.
void Form1::show(const WindowSnapshot& shown)
{
    for (const ElementState& state : elementStates(shown))
        if (QObject* element = findChild<QObject*>(toQString(state.name)))
            showElementState(*element, state);
    // Set again, a running timer would start its period over.
    for (std::size_t n = 0; n < m_controls.timers.size(); ++n) {
        AnimationTimer* timer = m_controls.timers[n];
        const bool running = shown.runningTimer == static_cast<int>(n) + 1; // Timer1 is 1
        if (timer->interval() != shown.tickInterval)
            timer->setInterval(shown.tickInterval);
        if (timer->isEnabled() != running)
            timer->setEnabled(running);
    }
    if (m_presentation && m_presentation->isVisible())
        m_presentation->showCaption(shown.caption);
}
