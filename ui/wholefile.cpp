#include "ui/wholefile.h"

#include "export/wholefile.h"
#include "ui/qtext.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if RUVEX_STOP_SIGNALS

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const std::optional<std::string> failure
        = writeWholeFile(QFile::encodeName(path).toStdString(),
                         std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return failure ? std::optional(toQString(*failure)) : std::nullopt;
}

#else

namespace {

// The toolkit names a failed call by the system's text alone, not by its
// number: that text is shown as it is.
QString writeFailureReason(const QString& systemText)
{
    return toQString(unknownWriteFailure(systemText.toStdString()));
}

} // namespace

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isWritable())
        return toQString(readOnlyReason(path.toStdString()));
    // Unbuffered, so that a write stopping short comes back to this loop
    // instead of failing later inside a flush, and the system names the cause.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailureReason(file.errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = writeFailureReason(file.errorString());
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    if (!file.commit())
        return writeFailureReason(file.errorString());
    return std::nullopt;
}

#endif
