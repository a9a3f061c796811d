#include "ui/qtfiledialog.h"

#include "export/dialoganswer.h"
#include "export/savetexts.h"
#include "ui/qtext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace {

// The chosen files as the record takes them.
DialogAnswer dialogAnswer(const QStringList& files)
{
    return {selectionText(files), static_cast<std::size_t>(files.size()),
            QFileInfo(files.front()).fileName().toStdString()};
}

// The dialog with the checks of answerRefusal before it closes, so that a
// refused name is explained and the user can change it in place.
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, FileDialogKind kind, std::size_t capacity,
                      const FileDialogNotice& notice)
        : QFileDialog(parent)
        , m_kind(kind)
        , m_capacity(capacity)
        , m_notice(notice)
    {
    }

    // Qt greys out its Save button for a name longer than the file system
    // allows, without saying why; it stays usable, and accept() says it. The
    // widget dialog has one name field and one button box, found by their
    // types (a platform's own dialog has neither, and needs nothing here).
    void keepSaveButtonForRefusals()
    {
        auto* name = findChild<QLineEdit*>();
        auto* buttons = findChild<QDialogButtonBox*>();
        QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        if (!name || !save)
            return;
        // Connected after the dialog's own update, so it has the last word.
        connect(name, &QLineEdit::textChanged, save, [this, save](const QString& text) {
            if (!text.isEmpty() && !save->isEnabled() && !refusal().isEmpty())
                save->setEnabled(true);
        });
    }

    QString refusal() const { return answerRefusal(m_kind, selectedFiles(), m_capacity); }

    void notify(const QString& text)
    {
        if (m_notice)
            m_notice(this, text);
    }

    void accept() override
    {
        const QString refused = refusal();
        if (!refused.isEmpty()) {
            notify(refused);
            return;
        }
        QFileDialog::accept();
    }

private:
    FileDialogKind m_kind;
    std::size_t m_capacity;
    const FileDialogNotice& m_notice;
};

void configure(QFileDialog& dialog, FileDialogKind kind, const FileDialogRecord& record,
               const QStringList& filters)
{
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The caller asks before replacing (see the header), never the
        // dialog itself.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (record.flags & FileDialogRecord::AllowMultiSelect)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else if (record.flags & FileDialogRecord::FileMustExist)
            dialog.setFileMode(QFileDialog::ExistingFile);
        else
            dialog.setFileMode(QFileDialog::AnyFile);
    }
    // Set after the accept mode, which would otherwise put its default back.
    if (!record.title.empty())
        dialog.setWindowTitle(toQString(record.title));

    QString suffix = toQString(record.defaultExt);
    while (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = static_cast<qsizetype>(record.filterIndex);
        dialog.selectNameFilter(filters.at(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }

    if (!record.initialDir.empty())
        dialog.setDirectory(toQString(record.initialDir));
    const QString name = toQString(record.file.substr(0, record.file.find('\0'))); // the buffer up to its NUL
    if (!name.isEmpty())
        dialog.selectFile(name);
}

} // namespace

void showPlainWarning(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText); // a name is shown as typed, never as rich text
    box.addButton(toQString(SaveTexts::kOkButton), QMessageBox::AcceptRole);
    box.exec();
}

void showRefusalBox(QWidget* dialog, const QString& text)
{
    showPlainWarning(dialog, dialog->windowTitle(), text);
}

QStringList qtNameFilters(const std::string& filter)
{
    const QStringList pieces = toQString(filter).split(QChar(u'\0'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype n = 0; n + 1 < pieces.size(); n += 2) {
        const QString& description = pieces[n];
        // Several patterns are joined by ";" in the record, by spaces in Qt.
        const QString patterns = QStringLiteral("(%1)").arg(QString(pieces[n + 1]).replace(u';', u' '));
        filters << (description.endsWith(patterns) ? description : description + u' ' + patterns);
    }
    return filters;
}

std::string selectionText(const QStringList& files)
{
    if (files.size() == 1)
        return QDir::toNativeSeparators(files.front()).toStdString();
    std::string text = QDir::toNativeSeparators(QFileInfo(files.front()).absolutePath()).toStdString();
    for (const QString& file : files) {
        text += '\0';
        text += QFileInfo(file).fileName().toStdString();
    }
    return text;
}

QString answerRefusal(FileDialogKind kind, const QStringList& files, std::size_t capacity)
{
    return files.isEmpty() ? QString() : toQString(dialogAnswerRefusal(kind, dialogAnswer(files), capacity));
}

namespace {

// Runs the dialog until it is cancelled or gives an answer it accepts. A
// native dialog closes before the answer is checked: the user is told why and
// gets the dialog back with the refused answer.
QStringList acceptedFiles(CheckedFileDialog& dialog)
{
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            return {};
        const QString refused = dialog.refusal();
        if (refused.isEmpty())
            return files;
        dialog.notify(refused);
        dialog.selectFile(files.front());
    }
}

} // namespace

bool showQtFileDialog(QWidget* owner, FileDialogKind kind, FileDialogRecord& record,
                      const FileDialogNotice& notice)
{
    CheckedFileDialog dialog(owner ? owner->window() : nullptr, kind, record.file.size(), notice);
    const QStringList filters = qtNameFilters(record.filter);
    configure(dialog, kind, record, filters);
    if (owner)
        dialog.setWindowModality(Qt::WindowModal);
    dialog.keepSaveButtonForRefusals();

    const QStringList files = acceptedFiles(dialog);
    if (files.isEmpty())
        return false;
    const auto chosen = static_cast<std::uint32_t>(filters.indexOf(dialog.selectedNameFilter()) + 1);
    return writeDialogAnswer(record, dialogAnswer(files), chosen);
}
