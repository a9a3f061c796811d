#include "ui/transientsettings.h"

#include <QSettings>

TransientSettings::TransientSettings()
{
    // On Windows the native format is the registry, which has no path to
    // redirect; the dialog used there is the system's own, which keeps its
    // history in the system's own place.
    if (!m_folder.isValid())
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
}
