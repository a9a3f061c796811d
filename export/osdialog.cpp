#include "export/osdialog.h"

#include "platform/commondialog.h"

#include <string>

namespace {

// The record carries UTF-8; both sides of the dialog call agree on that, and
// its buffer sizes count bytes of that form.
std::string toDialogText(const QString& text)
{
    return text.toStdString();
}

// "desc|*.a|desc|*.b" (or with ":") to desc NUL *.a NUL desc NUL *.b NUL NUL.
std::string nulSeparatedFilter(const QString& filter)
{
    std::string converted = toDialogText(filter);
    for (char& c : converted) {
        if (c == '|' || c == ':')
            c = '\0';
    }
    converted.append(2, '\0');
    return converted;
}

// `text` followed by NULs up to the buffer's size. Callers have checked that
// it fits.
std::string paddedBuffer(const std::string& text)
{
    return text + std::string(static_cast<std::size_t>(OSDialog::kBufferLength) - text.size(), '\0');
}

void refuseOverlong(const std::string& fileName, const std::string& fileTitle)
{
    const auto capacity = static_cast<std::size_t>(OSDialog::kBufferLength);
    if (fileName.size() > capacity)
        throw FileNameTooLong("file name", fileName.size());
    if (fileTitle.size() > capacity)
        throw FileNameTooLong("file title", fileTitle.size());
}

OPENFILENAME makeRecord(const std::string& fileName, const QString& dialogTitle, const QString& filter,
                        const QString& initialDir, const QString& defaultExt, std::int32_t owner,
                        std::int32_t filterIndex, const std::string& fileTitle, std::uint32_t flags)
{
    OPENFILENAME record;
    record.lStructSize = kOpenFileNameSize;
    // -1 is the callers' way of saying "no owner".
    if (owner != -1)
        record.hwndOwner = owner;
    record.lpstrFilter = nulSeparatedFilter(filter);
    record.nFilterIndex = static_cast<std::uint32_t>(filterIndex);
    record.lpstrFile = paddedBuffer(fileName);
    record.nMaxFile = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrFileTitle = paddedBuffer(fileTitle);
    record.nMaxFileTitle = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrInitialDir = toDialogText(initialDir);
    record.lpstrTitle = toDialogText(dialogTitle);
    record.lpstrDefExt = toDialogText(defaultExt);
    record.Flags = flags;
    return record;
}

} // namespace

FileNameTooLong::FileNameTooLong(const char* argument, std::size_t bytes)
    : std::length_error(std::string("initial ") + argument + " of " + std::to_string(bytes)
                        + " bytes does not fit the dialog buffer of "
                        + std::to_string(OSDialog::kBufferLength) + " bytes")
{
}

QString OSDialog::ShowOpen(QString& fileName, const QString& dialogTitle, const QString& filter,
                           const QString& initialDir, const QString& defaultExt, std::int32_t owner,
                           std::int32_t& filterIndex, bool allowMultiSelect, std::int32_t,
                           const QString& fileTitle, bool fileMustExist, bool readOnly,
                           bool hideReadOnly, std::int32_t)
{
    const std::string name = toDialogText(fileName);
    const std::string title = toDialogText(fileTitle);
    refuseOverlong(name, title);

    std::uint32_t flags = OFN_EXPLORER;
    if (fileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    if (hideReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (allowMultiSelect)
        flags |= OFN_ALLOWMULTISELECT;
    if (readOnly)
        flags |= OFN_READONLY;

    OPENFILENAME record
        = makeRecord(name, dialogTitle, filter, initialDir, defaultExt, owner, filterIndex, title, flags);
    if (GetOpenFileNameA(&record) == 1) {
        // Two NULs in a row end a properly terminated answer (and a list of
        // several files). Without them the answer filled the buffer: the
        // index is then not trusted, but the name still ends at its NUL.
        if (record.lpstrFile.find(std::string(2, '\0')) != std::string::npos)
            filterIndex = static_cast<std::int32_t>(record.nFilterIndex);
        fileName = CutAtNull(record.lpstrFile);
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
    const std::string name = toDialogText(fileName);
    const std::string title = toDialogText(fileTitle);
    refuseOverlong(name, title);

    std::uint32_t flags = static_cast<std::uint32_t>(extraFlags);
    flags &= ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);
    flags |= OFN_HIDEREADONLY;
    if (overwritePrompt)
        flags |= OFN_OVERWRITEPROMPT;

    OPENFILENAME record
        = makeRecord(name, dialogTitle, filter, initialDir, defaultExt, owner, filterIndex, title, flags);
    if (GetSaveFileNameA(&record) == 1) {
        fileName = CutAtNull(record.lpstrFile);
        filterIndex = static_cast<std::int32_t>(record.nFilterIndex);
    } else {
        fileName.clear();
    }
    return fileName;
}

// Cuts the record's bytes, then decodes them: the NUL ends the name whatever
// characters precede it.
QString OSDialog::CutAtNull(const std::string& text)
{
    return QString::fromStdString(text.substr(0, text.find('\0')));
}
