#include "export/picturepath.h"

namespace {

qsizetype fileNameStart(const QString& path)
{
    for (qsizetype n = path.size(); n > 0; --n) {
        if (isFolderSeparator(path[n - 1]))
            return n;
    }
    return 0;
}

} // namespace

bool isFolderSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

QString folderOf(const QString& path)
{
    return path.left(fileNameStart(path));
}

void ForceExtension(QString& path, QString& extension)
{
    if (path.isEmpty())
        return;
    extension = extension.toLower();
    // The first dot, not the last: "peta.lama.bmp" becomes "peta" + extension.
    const qsizetype dot = path.indexOf(u'.', fileNameStart(path));
    if (dot >= 0)
        path.truncate(dot);
    path += extension;
}
