#pragma once
// The drawing area told to a screen reader: its accessible description is
// the session's picture in words (window/picturewords.h), told again once
// the view has rested kPictureWordsRestMilliseconds after its last change,
// so a drag or an animation is not read out step by step. A new sentence is
// announced as a description change, which a screen reader speaks for the
// control that has the focus.

#include <QObject>
#include <QTimer>

class QWidget;
class WindowSession;

class PictureDescription final : public QObject {
    Q_OBJECT
public:
    // Describes `picture` at once; `session` must outlive this.
    PictureDescription(QWidget& picture, const WindowSession& session);

    // The view may have changed: it is told after the rest, the wait started
    // over by every change.
    void viewChanged() { m_rest.start(); }

private:
    void describe();

    QWidget& m_picture;
    const WindowSession& m_session;
    QTimer m_rest;
};
