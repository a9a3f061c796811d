#include "export/dialoganswer.h"

#include "export/savetarget.h"

#include <optional>

namespace {

// A list of several files ends with two NULs, a single path with one.
std::size_t terminators(const DialogAnswer& answer)
{
    return answer.fileCount > 1 ? 2 : 1;
}

// `text` followed by NULs to `capacity` bytes, or nothing when it does not fit
// with the `ending` NULs it needs.
std::optional<std::string> fillBuffer(const std::string& text, std::size_t capacity, std::size_t ending)
{
    if (text.size() + ending > capacity)
        return std::nullopt;
    return text + std::string(capacity - text.size(), '\0');
}

} // namespace

std::string dialogAnswerRefusal(FileDialogKind kind, const DialogAnswer& answer, std::size_t capacity)
{
    const std::size_t ending = terminators(answer);
    const std::size_t limit = capacity >= ending ? capacity - ending : 0;
    if (kind == FileDialogKind::Save || answer.selection.size() > limit)
        return refuseName(answer.selection, limit);
    return {};
}

bool writeDialogAnswer(FileDialogRecord& record, const DialogAnswer& answer, std::uint32_t filterIndex)
{
    const auto file = fillBuffer(answer.selection, record.file.size(), terminators(answer));
    if (!file)
        return false;
    record.file = *file;
    if (answer.fileCount == 1) {
        if (const auto title = fillBuffer(answer.fileName, record.fileTitle.size(), 1))
            record.fileTitle = *title;
    }
    if (filterIndex > 0)
        record.filterIndex = filterIndex;
    return true;
}
