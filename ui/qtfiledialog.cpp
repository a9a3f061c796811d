#include "ui/qtfiledialog.h"

#include "ui/windowhandle.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include <optional>

namespace {

using ruvex::win::FileDialogKind;
using ruvex::win::OFN_ALLOWMULTISELECT;
using ruvex::win::OFN_FILEMUSTEXIST;
using ruvex::win::OFN_OVERWRITEPROMPT;
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

void configure(QFileDialog& dialog, FileDialogKind kind, const OPENFILENAME& record,
               const QStringList& filters)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(record.Flags & OFN_OVERWRITEPROMPT));
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

int showQtFileDialog(ruvex::win::FileDialogKind kind, ruvex::win::OPENFILENAME& record)
{
    auto* owner = qobject_cast<QWidget*>(windowOf(record.hwndOwner));
    QFileDialog dialog(owner ? owner->window() : nullptr);
    const QStringList filters = qtNameFilters(record.lpstrFilter);
    configure(dialog, kind, record, filters);
    if (owner)
        dialog.setWindowModality(Qt::WindowModal);

    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return 0;

    // A list of several files ends with two NULs, a single path with one.
    const std::size_t terminators = files.size() > 1 ? 2 : 1;
    const auto file = fillBuffer(selectionText(files), record.nMaxFile, terminators);
    if (!file)
        return 0;
    record.lpstrFile = *file;
    if (files.size() == 1) {
        const auto title
            = fillBuffer(QFileInfo(files.front()).fileName().toStdString(), record.nMaxFileTitle, 1);
        if (title)
            record.lpstrFileTitle = *title;
    }
    if (!filters.isEmpty()) {
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0)
            record.nFilterIndex = static_cast<std::uint32_t>(chosen + 1);
    }
    return 1;
}
