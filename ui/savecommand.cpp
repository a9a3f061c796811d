#include "ui/savecommand.h"

#include "export/bitmapfile.h"
#include "export/osdialog.h"
#include "export/picturepath.h"
#include "export/savetarget.h"
#include "ui/qtext.h"
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

QString quoted(const QString& text)
{
    return u'\u00ab' + text + u'\u00bb';
}

bool askToReplace(QWidget* owner, const QString& chosen, const QString& real)
{
    const QString question = chosen == real
        ? QStringLiteral("File %1 sudah ada.\nApakah file itu akan diganti?").arg(quoted(real))
        : QStringLiteral("%1 adalah tautan ke file %2, yang sudah ada.\nApakah file %2 akan diganti?")
              .arg(quoted(chosen), quoted(real));
    QMessageBox box(QMessageBox::Question, kMessageTitle, question, QMessageBox::NoButton, owner);
    QPushButton* yes = box.addButton(QStringLiteral("Ya"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Tidak"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void showWarning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kMessageTitle, text, QMessageBox::NoButton, owner);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void showFailure(QWidget* owner, const QString& path, const QString& reason)
{
    showWarning(owner, QStringLiteral("Gambar tidak dapat disimpan ke file\n%1\n\n%2").arg(path, reason));
}

void showRefusal(QWidget* owner, const QString& path, const QString& reason)
{
    showWarning(owner, QStringLiteral("Gambar tidak disimpan dengan nama\n%1\n\n%2").arg(path, reason));
}

// The prompts setSavePrompts installed; see there why this is global.
SavePrompts& installedPrompts()
{
    static SavePrompts prompts{askToReplace, showFailure, showRefusal};
    return prompts;
}

// The system error number whose text Qt gave, or 0. Qt reports a failed
// call by that text alone; comparing with the same function's text for each
// number finds the cause whatever the language of the system's texts.
int errorNumberOf(const QString& systemText)
{
    for (int error = 1; error < 256; ++error) {
        if (qt_error_string(error) == systemText)
            return error;
    }
    return 0;
}

} // namespace

QString writeFailureReason(const QString& path, const QString& systemText)
{
    // QSaveFile's own refusal of an existing file it may not write.
    if (systemText == QSaveFile::tr("Existing file %1 is not writable").arg(path))
        return QStringLiteral("File %1 dilindungi dari penulisan (hanya-baca). Hapus perlindungan itu atau "
                              "simpan dengan nama lain.")
            .arg(quoted(path));
    const std::string folder = QFileInfo(path).absolutePath().toStdString();
    const std::string cause = failureCause(errorNumberOf(systemText), folder);
    if (!cause.empty())
        return QString::fromStdString(cause);
    return QStringLiteral("Penulisan file gagal karena sebab yang tidak dikenal.\nKeterangan sistem: ")
        + systemText;
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes)
{
    // Each failure is explained from the call that failed: a later call
    // (the commit above all) no longer knows the system's cause. A write that
    // stops short, as on a nearly full disk, is continued until the system
    // says why it cannot go on.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailureReason(path, file.errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = writeFailureReason(path, file.errorString());
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    if (!file.flush()) {
        const QString reason = writeFailureReason(path, file.errorString());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return writeFailureReason(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> writeBitmapFile(const QString& path, const PixelBuffer& picture)
{
    // Encoded in memory first, so that every failure left is the disk's.
    return writeWholeFile(path, toQByteArray(bitmapFileBytes(picture)));
}

std::optional<QString> chooseTarget(QWidget* owner, const QString& chosen)
{
    const SavePrompts& prompts = installedPrompts();
    const SaveTarget target = vetSaveTarget(chosen.toStdString());
    if (target.refused()) {
        if (prompts.refuseName)
            prompts.refuseName(owner, chosen, QString::fromStdString(target.refusal));
        return std::nullopt;
    }
    const QString real = QString::fromStdString(target.path);
    if (target.replaces && !(prompts.confirmReplace && prompts.confirmReplace(owner, chosen, real)))
        return std::nullopt;
    return real;
}

SavePrompts setSavePrompts(SavePrompts prompts)
{
    return std::exchange(installedPrompts(), std::move(prompts));
}

const SavePrompts& savePrompts()
{
    return installedPrompts();
}

SaveCommand::SaveCommand(QWidget* owner, QString& picturePath)
    : m_owner(owner)
    , m_path(picturePath)
{
}

SaveCommand::Outcome SaveCommand::run(const PixelBuffer& picture)
{
    std::optional<QString> target;
    while (!target) {
        if (!chooseFile())
            return Outcome::Cancelled;
        std::string path = m_path.toStdString();
        std::string extension = ".bmp";
        ForceExtension(path, extension);
        m_path = QString::fromStdString(path);
        // A refusal or a "no": back to the dialog with that name, so the
        // user can change it.
        target = chooseTarget(m_owner, m_path);
    }

    if (const auto failure = writeBitmapFile(*target, picture)) {
        m_path.clear();
        if (const auto& report = installedPrompts().reportFailure)
            report(m_owner, *target, *failure);
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
