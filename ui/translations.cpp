#include "ui/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool installIndonesianTexts()
{
    static QTranslator* catalogue = nullptr;
    if (catalogue)
        return true;
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/i18n/qtbase_id.qm"))) {
        delete loaded;
        return false;
    }
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    QCoreApplication::installTranslator(loaded);
    catalogue = loaded;
    return true;
}
