#include "ui/qtfiledialog.h"

#include "ui/windowhandle.h"

#include "export/savetarget.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <utility>

namespace {

using ruvex::win::FileDialogKind;
using ruvex::win::OFN_ALLOWMULTISELECT;
using ruvex::win::OFN_FILEMUSTEXIST;
using ruvex::win::OPENFILENAME;

QString fromDialogText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The record's file buffer up to its first NUL.
QString initialName(const std::string& buffer)
{
    return fromDialogText(buffer.substr(0, buffer.find('\0')));
}

// `text` followed by NULs to `capacity` bytes, or nothing when it does not fit
// with the `terminators` NULs it needs.
std::optional<std::string> fillBuffer(const std::string& text, std::uint32_t capacity,
                                      std::size_t terminators)
{
    if (text.size() + terminators > capacity)
        return std::nullopt;
    return text + std::string(capacity - text.size(), '\0');
}

void showNotice(QWidget* dialog, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, dialog->windowTitle(), text, QMessageBox::NoButton, dialog);
    box.setTextFormat(Qt::PlainText); // the refused name is shown as typed, never as rich text
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

FileDialogNotice& installedNotice()
{
    static FileDialogNotice notice = showNotice;
    return notice;
}

void notify(QWidget* dialog, const QString& text)
{
    if (const auto& notice = installedNotice())
        notice(dialog, text);
}

// The dialog with the checks of answerRefusal before it closes, so that a
// refused name is explained and the user can change it in place.
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, FileDialogKind kind, std::uint32_t capacity)
        : QFileDialog(parent)
        , m_kind(kind)
        , m_capacity(capacity)
    {
    }

    // Qt greys out its Save button for a name longer than the file system
    // allows, without saying why; it stays usable, and accept() says it.
    void keepSaveButtonForRefusals()
    {
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
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

    void accept() override
    {
        const QString refused = refusal();
        if (!refused.isEmpty()) {
            notify(this, refused);
            return;
        }
        QFileDialog::accept();
    }

private:
    FileDialogKind m_kind;
    std::uint32_t m_capacity;
};

void configure(QFileDialog& dialog, FileDialogKind kind, const OPENFILENAME& record,
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
        if (record.Flags & OFN_ALLOWMULTISELECT)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else if (record.Flags & OFN_FILEMUSTEXIST)
            dialog.setFileMode(QFileDialog::ExistingFile);
        else
            dialog.setFileMode(QFileDialog::AnyFile);
    }
    // Set after the accept mode, which would otherwise put its default back.
    if (!record.lpstrTitle.empty())
        dialog.setWindowTitle(fromDialogText(record.lpstrTitle));

    QString suffix = fromDialogText(record.lpstrDefExt);
    while (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = static_cast<qsizetype>(record.nFilterIndex);
        dialog.selectNameFilter(filters.at(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }

    if (!record.lpstrInitialDir.empty())
        dialog.setDirectory(fromDialogText(record.lpstrInitialDir));
    const QString name = initialName(record.lpstrFile);
    if (!name.isEmpty())
        dialog.selectFile(name);
}

} // namespace

void installQtFileDialogs()
{
    ruvex::win::setFileDialogFunction(showQtFileDialog);
}

QStringList qtNameFilters(const std::string& filter)
{
    const QStringList pieces = fromDialogText(filter).split(QChar(u'\0'), Qt::SkipEmptyParts);
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

FileDialogNotice setFileDialogNotice(FileDialogNotice notice)
{
    return std::exchange(installedNotice(), std::move(notice));
}

QString answerRefusal(ruvex::win::FileDialogKind kind, const QStringList& files, std::uint32_t capacity)
{
    if (files.isEmpty())
        return {};
    // A list of several files ends with two NULs, a single path with one.
    const std::size_t terminators = files.size() > 1 ? 2 : 1;
    const std::size_t limit = capacity >= terminators ? capacity - terminators : 0;
    const std::string text = selectionText(files);
    if (kind == FileDialogKind::Save)
        return QString::fromStdString(refuseName(text, limit));
    return text.size() > limit ? QString::fromStdString(refuseName(text, limit)) : QString();
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
        notify(&dialog, refused);
        dialog.selectFile(files.front());
    }
}

// Writes the answer into the record; false when it does not fit its buffer.
bool answerInto(ruvex::win::OPENFILENAME& record, const QStringList& files, const QStringList& filters,
                const QString& chosenFilter)
{
    // A list of several files ends with two NULs, a single path with one.
    const std::size_t terminators = files.size() > 1 ? 2 : 1;
    const auto file = fillBuffer(selectionText(files), record.nMaxFile, terminators);
    if (!file)
        return false;
    record.lpstrFile = *file;
    if (files.size() == 1) {
        const auto title
            = fillBuffer(QFileInfo(files.front()).fileName().toStdString(), record.nMaxFileTitle, 1);
        if (title)
            record.lpstrFileTitle = *title;
    }
    const qsizetype chosen = filters.indexOf(chosenFilter);
    if (chosen >= 0)
        record.nFilterIndex = static_cast<std::uint32_t>(chosen + 1);
    return true;
}

} // namespace

int showQtFileDialog(ruvex::win::FileDialogKind kind, ruvex::win::OPENFILENAME& record)
{
    auto* owner = qobject_cast<QWidget*>(windowOf(record.hwndOwner));
    CheckedFileDialog dialog(owner ? owner->window() : nullptr, kind, record.nMaxFile);
    const QStringList filters = qtNameFilters(record.lpstrFilter);
    configure(dialog, kind, record, filters);
    if (owner)
        dialog.setWindowModality(Qt::WindowModal);
    dialog.keepSaveButtonForRefusals();

    const QStringList files = acceptedFiles(dialog);
    if (files.isEmpty())
        return 0;
    return answerInto(record, files, filters, dialog.selectedNameFilter()) ? 1 : 0;
}
