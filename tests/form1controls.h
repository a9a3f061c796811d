#pragma once
// Tests reach the main window's controls, timers and menu commands by the
// object names the window gives them, as the program's users see them named
// in the stored layout: control<QRadioButton>(form, "optAnim", 2) is the
// button optAnim(2).

#include "ui/form1.h"
#include "ui/picturewidget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

template <class T> T* control(const Form1& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "the main window has no " << name.toStdString();
    return found;
}

template <class T> T* control(const Form1& form, const char* name)
{
    return control<T>(form, QString::fromLatin1(name));
}

// One member of a control array, "name(index)".
template <class T> T* control(const Form1& form, const char* name, int index)
{
    return control<T>(form, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
}

inline PictureWidget* picDisplay(const Form1& form)
{
    return control<PictureWidget>(form, "picDisplay");
}

// A pointer move over the drawing area with the buttons held (intents.h's
// mask), as the window hands it to its session.
inline void moveOver(Form1& form, int buttons, float x, float y)
{
    form.apply(PointerEvent{PointerSurface::DrawingArea, PointerAction::Move, buttons, 0, x, y});
}

// The drawing area's picture as it stands now, kept when the window redraws.
inline QImage picture(const Form1& form)
{
    return imageOf(picDisplay(form)->box().Image()).copy();
}
