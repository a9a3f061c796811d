#include "ui/picturedescription.h"

#include "ui/qtext.h"
#include "window/picturewords.h"
#include "window/windowsession.h"

#include <QAccessible>
#include <QWidget>

PictureDescription::PictureDescription(QWidget& picture, const WindowSession& session)
    : QObject(&picture)
    , m_picture(picture)
    , m_session(session)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(kPictureWordsRestMilliseconds);
    connect(&m_rest, &QTimer::timeout, this, &PictureDescription::describe);
    describe();
}

// Only a sentence that differs is set and announced: a rest after a change
// that left the view as it was says nothing.
void PictureDescription::describe()
{
    const QString words = toQString(m_session.pictureWords());
    if (words == m_picture.accessibleDescription())
        return;
    m_picture.setAccessibleDescription(words);
}
