#include "export/osdialog.h"

#include "platform/commondialog.h"

#include <string>

namespace {

using ruvex::win::GetOpenFileNameA;
using ruvex::win::GetSaveFileNameA;
using ruvex::win::OPENFILENAME;

// "desc|*.a|desc|*.b" (or with ":") to desc NUL *.a NUL desc NUL *.b NUL NUL.
std::string nulSeparatedFilter(const std::string& filter)
{
    std::string converted = filter;
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

OPENFILENAME makeRecord(const std::string& fileName, const std::string& dialogTitle,
                        const std::string& filter, const std::string& initialDir,
                        const std::string& defaultExt, std::int32_t owner, std::int32_t filterIndex,
                        const std::string& fileTitle, std::uint32_t flags)
{
    OPENFILENAME record;
    record.lStructSize = ruvex::win::kOpenFileNameSize;
    // -1 is the callers' way of saying "no owner".
    if (owner != -1)
        record.hwndOwner = owner;
    record.lpstrFilter = nulSeparatedFilter(filter);
    record.nFilterIndex = static_cast<std::uint32_t>(filterIndex);
    record.lpstrFile = paddedBuffer(fileName);
    record.nMaxFile = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrFileTitle = paddedBuffer(fileTitle);
    record.nMaxFileTitle = static_cast<std::uint32_t>(OSDialog::kBufferLength);
    record.lpstrInitialDir = initialDir;
    record.lpstrTitle = dialogTitle;
    record.lpstrDefExt = defaultExt;
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

std::string OSDialog::ShowOpen(std::string& fileName, const std::string& dialogTitle,
                               const std::string& filter, const std::string& initialDir,
                               const std::string& defaultExt, std::int32_t owner, std::int32_t& filterIndex,
                               bool allowMultiSelect, std::int32_t, const std::string& fileTitle,
                               bool fileMustExist, bool readOnly, bool hideReadOnly, std::int32_t)
{
    refuseOverlong(fileName, fileTitle);

    std::uint32_t flags = ruvex::win::OFN_EXPLORER;
    if (fileMustExist)
        flags |= ruvex::win::OFN_FILEMUSTEXIST;
    if (hideReadOnly)
        flags |= ruvex::win::OFN_HIDEREADONLY;
    if (allowMultiSelect)
        flags |= ruvex::win::OFN_ALLOWMULTISELECT;
    if (readOnly)
        flags |= ruvex::win::OFN_READONLY;

    OPENFILENAME record = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, owner,
                                     filterIndex, fileTitle, flags);
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

std::string OSDialog::ShowSave(std::string& fileName, const std::string& dialogTitle,
                               const std::string& filter, const std::string& initialDir,
                               const std::string& defaultExt, std::int32_t owner, std::int32_t& filterIndex,
                               const std::string& fileTitle, bool overwritePrompt, std::int32_t extraFlags)
{
    refuseOverlong(fileName, fileTitle);

    std::uint32_t flags = static_cast<std::uint32_t>(extraFlags);
    flags &= ~(ruvex::win::OFN_ENABLEHOOK | ruvex::win::OFN_ENABLETEMPLATE);
    flags |= ruvex::win::OFN_HIDEREADONLY;
    if (overwritePrompt)
        flags |= ruvex::win::OFN_OVERWRITEPROMPT;

    OPENFILENAME record = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, owner,
                                     filterIndex, fileTitle, flags);
    if (GetSaveFileNameA(&record) == 1) {
        fileName = CutAtNull(record.lpstrFile);
        filterIndex = static_cast<std::int32_t>(record.nFilterIndex);
    } else {
        fileName.clear();
    }
    return fileName;
}

// The NUL ends the name whatever bytes precede it.
std::string OSDialog::CutAtNull(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}
