#pragma once
// A stand-in for the file dialogs: installed for the lifetime of the object,
// it keeps a copy of every record it is shown and answers from a queue:
// a path (written into the file buffer like a real dialog would) or a cancel.
// With the queue empty it cancels, so a test can never block on a dialog.

#include "platform/commondialog.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class FakeFileDialog {
public:
    struct Call {
        ruvex::win::FileDialogKind kind;
        ruvex::win::OPENFILENAME record;
    };
    struct Answer {
        std::optional<std::string> buffer; // nothing: the user cancelled
        std::uint32_t filterIndex = 1;
    };

    FakeFileDialog()
        : m_previous(ruvex::win::setFileDialogFunction(
            [this](ruvex::win::FileDialogKind kind, ruvex::win::OPENFILENAME& record) {
                return answer(kind, record);
            }))
    {
    }
    ~FakeFileDialog() { ruvex::win::setFileDialogFunction(std::move(m_previous)); }
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
    const ruvex::win::OPENFILENAME& last() const { return m_calls.back().record; }

private:
    int answer(ruvex::win::FileDialogKind kind, ruvex::win::OPENFILENAME& record)
    {
        m_calls.push_back({kind, record});
        if (m_answers.empty())
            return 0;
        const Answer next = m_answers.front();
        m_answers.pop_front();
        if (!next.buffer)
            return 0;
        std::string buffer = *next.buffer;
        if (buffer.size() < record.nMaxFile)
            buffer.resize(record.nMaxFile, '\0');
        record.lpstrFile = buffer;
        record.nFilterIndex = next.filterIndex;
        return 1;
    }

    ruvex::win::FileDialogFunction m_previous;
    std::deque<Answer> m_answers;
    std::vector<Call> m_calls;
};

inline std::string nuls(std::size_t count)
{
    return std::string(count, '\0');
}
