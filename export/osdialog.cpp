#include "export/osdialog.h"

#include <string>
#include <utility>

namespace {

constexpr std::uint32_t flagIf(bool wanted, std::uint32_t flag)
{
    return wanted ? flag : 0u;
}

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

FileDialogRecord makeRecord(const std::string& fileName, const std::string& dialogTitle,
                            const std::string& filter, const std::string& initialDir,
                            const std::string& defaultExt, std::int32_t filterIndex,
                            const std::string& fileTitle, std::uint32_t flags)
{
    FileDialogRecord record;
    record.filter = nulSeparatedFilter(filter);
    record.filterIndex = static_cast<std::uint32_t>(filterIndex);
    record.file = paddedBuffer(fileName);
    record.fileTitle = paddedBuffer(fileTitle);
    record.initialDir = initialDir;
    record.title = dialogTitle;
    record.defaultExt = defaultExt;
    record.flags = flags;
    return record;
}

} // namespace

FileNameTooLong::FileNameTooLong(const char* argument, std::size_t bytes)
    : std::length_error(std::string("initial ") + argument + " of " + std::to_string(bytes)
                        + " bytes does not fit the dialog buffer of "
                        + std::to_string(OSDialog::kBufferLength) + " bytes")
{
}

OSDialog::OSDialog(FileDialogFunction dialogs)
    : m_dialogs(std::move(dialogs))
{
}

bool OSDialog::show(FileDialogKind kind, FileDialogRecord& record) const
{
    return m_dialogs && m_dialogs(kind, record);
}

std::string OSDialog::ShowOpen(std::string& fileName, const std::string& dialogTitle,
                               const std::string& filter, const std::string& initialDir,
                               const std::string& defaultExt, std::int32_t, std::int32_t& filterIndex,
                               bool allowMultiSelect, std::int32_t, const std::string& fileTitle,
                               bool fileMustExist, bool readOnly, bool hideReadOnly, std::int32_t)
{
    refuseOverlong(fileName, fileTitle);

    const std::uint32_t flags = FileDialogRecord::Explorer
        | flagIf(fileMustExist, FileDialogRecord::FileMustExist)
        | flagIf(hideReadOnly, FileDialogRecord::HideReadOnly)
        | flagIf(allowMultiSelect, FileDialogRecord::AllowMultiSelect)
        | flagIf(readOnly, FileDialogRecord::ReadOnly);

    FileDialogRecord record
        = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, filterIndex, fileTitle, flags);
    if (show(FileDialogKind::Open, record)) {
        // Two NULs in a row end a properly terminated answer (and a list of
        // several files). Without them the answer filled the buffer: the
        // index is then not trusted, but the name still ends at its NUL.
        if (record.file.find(std::string(2, '\0')) != std::string::npos)
            filterIndex = static_cast<std::int32_t>(record.filterIndex);
        fileName = CutAtNull(record.file);
    } else {
        fileName.clear();
    }
    return fileName;
}

std::string OSDialog::ShowSave(std::string& fileName, const std::string& dialogTitle,
                               const std::string& filter, const std::string& initialDir,
                               const std::string& defaultExt, std::int32_t, std::int32_t& filterIndex,
                               const std::string& fileTitle, bool overwritePrompt, std::int32_t extraFlags)
{
    refuseOverlong(fileName, fileTitle);

    const std::uint32_t flags = (static_cast<std::uint32_t>(extraFlags)
                                 & ~(FileDialogRecord::EnableHook | FileDialogRecord::EnableTemplate))
        | FileDialogRecord::HideReadOnly | flagIf(overwritePrompt, FileDialogRecord::OverwritePrompt);

    FileDialogRecord record
        = makeRecord(fileName, dialogTitle, filter, initialDir, defaultExt, filterIndex, fileTitle, flags);
    if (show(FileDialogKind::Save, record)) {
        fileName = CutAtNull(record.file);
        filterIndex = static_cast<std::int32_t>(record.filterIndex);
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
