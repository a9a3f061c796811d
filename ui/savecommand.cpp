#include "ui/savecommand.h"

#include "export/osdialog.h"
#include "export/picturepath.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "ui/qtext.h"
#include "ui/qtfiledialog.h"
#include "ui/wholefile.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

const QString kMessageTitle = toQString(SaveTexts::kMessageTitle);

bool askToReplace(QWidget* owner, const QString& chosen, const QString& real)
{
    const QString question = toQString(SaveTexts::replaceQuestion(chosen.toStdString(), real.toStdString()));
    QMessageBox box(QMessageBox::Question, kMessageTitle, question, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText); // a name like "<font size=7>" is shown as typed
    QPushButton* yes = box.addButton(toQString(SaveTexts::kYesButton), QMessageBox::YesRole);
    QPushButton* no = box.addButton(toQString(SaveTexts::kNoButton), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

// A failure or a refusal, told with the name and the reason in the core's
// sentence.
SavePrompts::Notice warning(std::string (*message)(std::string_view name, std::string_view reason))
{
    return [message](QWidget* owner, const QString& path, const QString& reason) {
        showPlainWarning(owner, kMessageTitle, toQString(message(path.toStdString(), reason.toStdString())));
    };
}

} // namespace

SaveDialogs qtSaveDialogs()
{
    return {[](QWidget* owner, FileDialogKind kind, FileDialogRecord& record) {
                return showQtFileDialog(owner, kind, record);
            },
            {askToReplace, warning(SaveTexts::notWrittenMessage), warning(SaveTexts::refusedNameMessage)}};
}

std::optional<QString> chooseTarget(QWidget* owner, const SavePrompts& prompts, const QString& chosen)
{
    const SaveTarget target = vetSaveTarget(chosen.toStdString());
    if (target.refused()) {
        if (prompts.refuseName)
            prompts.refuseName(owner, chosen, toQString(target.refusal));
        return std::nullopt;
    }
    const QString real = toQString(target.path);
    if (target.replaces && !(prompts.confirmReplace && prompts.confirmReplace(owner, chosen, real)))
        return std::nullopt;
    return real;
}

SaveCommand::SaveCommand(QWidget* owner, const SaveDialogs& dialogs, PictureFileKind kind,
                         PictureFileMemory& memory)
    : m_owner(owner)
    , m_dialogs(dialogs)
    , m_kind(std::move(kind))
    , m_memory(memory)
{
}

SaveCommand::Outcome SaveCommand::run()
{
    for (;;) {
        const std::optional<PictureName> target = choose();
        if (!target)
            return Outcome::Cancelled;
        // A refusal or a "no": back to the dialog with that name, so the
        // user can change it.
        if (const auto path = confirmedPath(*target))
            return write(*target, *path);
    }
}

std::optional<PictureName> SaveCommand::choose()
{
    std::string path = m_memory.path.toStdString();
    const std::string folder = folderOf(path);
    // A forced extension can push a path the dialog allowed past its
    // buffer; such a name would be refused, so that dialog starts with the
    // folder alone.
    if (path.size() > OSDialog::kBufferLength)
        path.clear();

    auto filterIndex = static_cast<std::int32_t>(m_memory.type + 1);
    // One dialog object per question, with the owner bound to its dialogs;
    // it keeps nothing worth holding on to.
    OSDialog dialog([this](FileDialogKind kind, FileDialogRecord& record) {
        return m_dialogs.fileDialogs && m_dialogs.fileDialogs(m_owner, kind, record);
    });
    dialog.ShowSave(path, m_kind.dialogTitle, m_kind.filter, folder, {}, -1, filterIndex, {}, true, 0);
    m_memory.path = toQString(path);
    if (path.empty())
        return std::nullopt;
    PictureName target = m_kind.target(path, filterIndex);
    m_memory.path = toQString(target.path);
    return target;
}

std::optional<QString> SaveCommand::confirmedPath(const PictureName& target)
{
    if (target.refusal.empty())
        return chooseTarget(m_owner, m_dialogs.prompts, m_memory.path);
    if (m_dialogs.prompts.refuseName)
        m_dialogs.prompts.refuseName(m_owner, m_memory.path, toQString(target.refusal));
    return std::nullopt;
}

SaveCommand::Outcome SaveCommand::write(const PictureName& target, const QString& path)
{
    m_memory.type = target.type;
    // Encoded in memory first, so that every failure left is the disk's.
    const std::vector<std::uint8_t> bytes = m_kind.bytes(target);
    const auto failure = bytes.empty() ? std::optional(toQString(SaveTexts::encodingFailure(target.format)))
                                       : writeWholeFile(path, toQByteArray(bytes));
    if (!failure)
        return Outcome::Saved;
    m_memory.path.clear();
    if (m_dialogs.prompts.reportFailure)
        m_dialogs.prompts.reportFailure(m_owner, path, *failure);
    return Outcome::Failed;
}
