#pragma once
// A stand-in for the file dialogs, handed to OSDialog (function()) or through
// a SaveDialogs (tests/fakeprompts.h): it keeps a copy of every record it is
// shown and answers from a queue: a path (written into the file buffer like a
// real dialog would) or a cancel. With the queue empty it cancels, so a test
// can never block on a dialog.

#include "export/osdialog.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class FakeFileDialog {
public:
    struct Call {
        FileDialogKind kind;
        FileDialogRecord record;
    };
    struct Answer {
        std::optional<std::string> buffer; // nothing: the user cancelled
        std::uint32_t filterIndex = 1;
    };

    FakeFileDialog() = default;
    FakeFileDialog(const FakeFileDialog&) = delete;
    FakeFileDialog& operator=(const FakeFileDialog&) = delete;

    // `path` in UTF-8.
    void choose(const std::string& path, std::uint32_t filterIndex = 1)
    {
        m_answers.push_back({path, filterIndex});
    }
    // The raw buffer, NULs and all, padded to the record's size.
    void answerBuffer(std::string buffer, std::uint32_t filterIndex = 1)
    {
        m_answers.push_back({std::move(buffer), filterIndex});
    }
    void cancel() { m_answers.push_back({}); }

    const std::vector<Call>& calls() const { return m_calls; }
    const FileDialogRecord& last() const { return m_calls.back().record; }

    FileDialogFunction function()
    {
        return [this](FileDialogKind kind, FileDialogRecord& record) { return answer(kind, record); };
    }

    bool answer(FileDialogKind kind, FileDialogRecord& record)
    {
        m_calls.push_back({kind, record});
        if (m_answers.empty())
            return false;
        const Answer next = m_answers.front();
        m_answers.pop_front();
        if (!next.buffer)
            return false;
        std::string buffer = *next.buffer;
        if (buffer.size() < record.file.size())
            buffer.resize(record.file.size(), '\0');
        record.file = buffer;
        record.filterIndex = next.filterIndex;
        return true;
    }

private:
    std::deque<Answer> m_answers;
    std::vector<Call> m_calls;
};

inline std::string nuls(std::size_t count)
{
    return std::string(count, '\0');
}
