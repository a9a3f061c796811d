#include "ui/savecommand.h"

#include "export/osdialog.h"
#include "export/picturepath.h"
#include "ui/picturewidget.h"
#include "ui/windowhandle.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include <utility>

namespace {

const std::string kDialogTitle = "Save Gambar Bangun Ruang *.bmp";
const std::string kFilter = "Save Gambar Bangun Ruang|*.bmp";
const QString kMessageTitle = QStringLiteral("Save Gambar");

bool askToReplace(QWidget* owner, const QString& path)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle,
                    QStringLiteral("File %1 sudah ada.\nApakah file itu akan diganti?").arg(path),
                    QMessageBox::NoButton, owner);
    QPushButton* yes = box.addButton(QStringLiteral("Ya"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Tidak"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void showFailure(QWidget* owner, const QString& path, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, kMessageTitle,
                    QStringLiteral("Gambar tidak dapat disimpan ke file\n%1\n\n%2").arg(path, reason),
                    QMessageBox::Ok, owner);
    box.exec();
}

// The prompts setSavePrompts installed; see there why this is global.
SavePrompts& installedPrompts()
{
    static SavePrompts prompts{askToReplace, showFailure};
    return prompts;
}

// The common causes in the user's words; the system's own text follows for
// everything else (a full disk, a device error).
QString failureReason(const QString& path, const QString& systemReason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (file.isDir())
        reason = QStringLiteral("Nama itu sudah dipakai oleh sebuah folder.");
    else if (!folder.exists())
        reason = QStringLiteral("Folder %1 tidak ada.").arg(folder.filePath());
    else if (!folder.isDir())
        reason = QStringLiteral("%1 bukan sebuah folder, melainkan sebuah file.").arg(folder.filePath());
    else if (!folder.isWritable())
        reason = QStringLiteral("Tidak ada izin untuk menulis di folder %1.").arg(folder.filePath());
    else
        reason = QStringLiteral("Penulisan file gagal.");
    return reason + QStringLiteral("\nKeterangan sistem: ") + systemReason;
}

} // namespace

std::optional<QString> writeBitmapFile(const QString& path, const QImage& image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Qt writes a 32-bit RGB image as exactly the 24-bit bitmap described.
    if (!image.save(&file, "BMP")) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

SavePrompts setSavePrompts(SavePrompts prompts)
{
    return std::exchange(installedPrompts(), std::move(prompts));
}

const SavePrompts& savePrompts()
{
    return installedPrompts();
}

QString writeFailureReason(const QString& path, const QString& systemReason)
{
    return failureReason(path, systemReason);
}

SaveCommand::SaveCommand(QWidget* owner, QString& picturePath)
    : m_owner(owner)
    , m_path(picturePath)
{
}

SaveCommand::Outcome SaveCommand::run(const PixelBuffer& picture)
{
    for (;;) {
        if (!chooseFile())
            return Outcome::Cancelled;
        const QString chosen = m_path;
        std::string path = m_path.toStdString();
        std::string extension = ".bmp";
        ForceExtension(path, extension);
        m_path = QString::fromStdString(path);
        if (mayWrite(chosen))
            break;
        // "No": back to the dialog with the name that was refused, as after
        // the dialog's own question.
    }

    if (const auto failure = writeBitmapFile(m_path, imageOf(picture))) {
        const QString path = std::exchange(m_path, QString());
        if (const auto& report = installedPrompts().reportFailure)
            report(m_owner, path, failureReason(path, *failure));
        return Outcome::Failed;
    }
    return Outcome::Saved;
}

bool SaveCommand::chooseFile()
{
    std::string path = m_path.toStdString();
    const std::string folder = folderOf(path);
    // The forced extension can push a path the dialog allowed past its
    // buffer; such a name would be refused, so that dialog starts with the
    // folder alone.
    if (path.size() > OSDialog::kBufferLength)
        path.clear();

    // One dialog object per question; it keeps nothing worth holding on to.
    OSDialog dialog;
    std::int32_t filterIndex = 0;
    dialog.ShowSave(path, kDialogTitle, kFilter, folder, {}, hWndOf(m_owner), filterIndex, {}, true, 0);
    m_path = QString::fromStdString(path);
    return !m_path.isEmpty();
}

// The dialog asked before overwriting the name chosen in it. When the forced
// extension made another name out of it, a file of that name has not been
// asked about yet.
bool SaveCommand::mayWrite(const QString& chosen) const
{
    const QFileInfo target(m_path);
    if (m_path == chosen || !target.exists() || target.isDir())
        return true;
    const auto& confirm = installedPrompts().confirmReplace;
    return confirm && confirm(m_owner, m_path);
}
