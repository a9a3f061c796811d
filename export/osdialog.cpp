#include "export/osdialog.h"

#include "platform/commondialog.h"

#include <string>

namespace {

constexpr QChar kNul(u'\0');

// The record carries UTF-8; both sides of the dialog call agree on that.
std::string toDialogText(const QString& text)
{
    return text.toStdString();
}

QString fromDialogText(const std::string& text)
{
    return QString::fromStdString(text);
}

// "desc|*.a|desc|*.b" (or with ":") to desc NUL *.a NUL desc NUL *.b NUL NUL.
QString nulSeparatedFilter(const QString& filter)
{
    QString converted;
    converted.reserve(filter.size() + 2);
    for (const QChar c : filter)
        converted += (c == u'|' || c == u':') ? kNul : c;
    converted += kNul;
    converted += kNul;
    return converted;
}

// `text` followed by NULs up to the buffer's length. Callers have checked
// that it fits.
QString paddedBuffer(const QString& text)
{
    return text + QString(OSDialog::kBufferLength - text.size(), kNul);
}

void refuseOverlong(const QString& fileName, const QString& fileTitle)
{
    if (fileName.size() > OSDialog::kBufferLength)
        throw FileNameTooLong("file name", fileName.size());
    if (fileTitle.size() > OSDialog::kBufferLength)
        throw FileNameTooLong("file title", fileTitle.size());
}

OPENFILENAME makeRecord(const QString& fileName, const QString& dialogTitle, const QString& filter,
                        const QString& initialDir, const QString& defaultExt, std::int32_t owner,
                        std::int32_t filterIndex, const QString& fileTitle, std::uint32_t flags)
{
    OPENFILENAME record;
    record.lStructSize = kOpenFileNameSize;
    // -1 is the callers' way of saying "no owner".
    if (owner != -1)
        record.hwndOwner = owner;
    record.lpstrFilter = toDialogText(nulSeparatedFilter(filter));
    record.nFilterIndex = static_cast<std::uint32_t>(filterIndex);
    record.lpstrFile = toDialogText(paddedBuffer(fileName));
    record.nMaxFile = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrFileTitle = toDialogText(paddedBuffer(fileTitle));
    record.nMaxFileTitle = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrInitialDir = toDialogText(initialDir);
    record.lpstrTitle = toDialogText(dialogTitle);
    record.lpstrDefExt = toDialogText(defaultExt);
    record.Flags = flags;
    return record;
}

} // namespace

FileNameTooLong::FileNameTooLong(const char* argument, qsizetype length)
    : std::length_error(std::string("initial ") + argument + " of " + std::to_string(length)
                        + " characters does not fit the dialog buffer of "
                        + std::to_string(OSDialog::kBufferLength))
{
}

QString OSDialog::ShowOpen(QString& fileName, const QString& dialogTitle, const QString& filter,
                           const QString& initialDir, const QString& defaultExt, std::int32_t owner,
                           std::int32_t& filterIndex, bool allowMultiSelect, std::int32_t,
                           const QString& fileTitle, bool fileMustExist, bool readOnly,
                           bool hideReadOnly, std::int32_t)
{
    refuseOverlong(fileName, fileTitle);

    std::uint32_t flags = OFN_EXPLORER;
    if (fileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    if (hideReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (allowMultiSelect)
        flags |= OFN_ALLOWMULTISELECT;
    if (readOnly)
        flags |= OFN_READONLY;

    OPENFILENAME record = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, owner,
                                     filterIndex, fileTitle, flags);
    if (GetOpenFileNameA(&record) == 1) {
        const QString buffer = fromDialogText(record.lpstrFile);
        // Two NULs in a row end a properly terminated answer (and a list of
        // several files). Without them the answer filled the buffer: the
        // index is then not trusted, but the name still ends at its NUL.
        if (buffer.contains(QString(2, kNul)))
            filterIndex = static_cast<std::int32_t>(record.nFilterIndex);
        fileName = CutAtNull(buffer);
    } else {
        fileName.clear();
    }
    return fileName;
}

QString OSDialog::ShowSave(QString& fileName, const QString& dialogTitle, const QString& filter,
                           const QString& initialDir, const QString& defaultExt, std::int32_t owner,
                           std::int32_t& filterIndex, const QString& fileTitle, bool overwritePrompt,
                           std::int32_t extraFlags)
{
    refuseOverlong(fileName, fileTitle);

    std::uint32_t flags = static_cast<std::uint32_t>(extraFlags);
    flags &= ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);
    flags |= OFN_HIDEREADONLY;
    if (overwritePrompt)
        flags |= OFN_OVERWRITEPROMPT;

    OPENFILENAME record = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, owner,
                                     filterIndex, fileTitle, flags);
    if (GetSaveFileNameA(&record) == 1) {
        fileName = CutAtNull(fromDialogText(record.lpstrFile));
        filterIndex = static_cast<std::int32_t>(record.nFilterIndex);
    } else {
        fileName.clear();
    }
    return fileName;
}

// Counts characters, not bytes of the UTF-8 form: a name with accented
// letters must not drag NULs of the buffer along.
QString OSDialog::CutAtNull(const QString& text)
{
    const qsizetype end = text.indexOf(kNul);
    return end < 0 ? text : text.left(end);
}
