#include "ui/savecommand.h"

#include "export/bitmapfile.h"
#include "export/osdialog.h"
#include "export/picturepath.h"
#include "export/savetarget.h"
#include "ui/qtext.h"
#include "ui/windowhandle.h"

#include <QMessageBox>
#include <QPushButton>

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
    box.setTextFormat(Qt::PlainText); // a name like "<font size=7>" is shown as typed
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
    box.setTextFormat(Qt::PlainText);
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

} // namespace

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
        // A refusal or a "no": back to the dialog with that name, so the
        // user can change it.
        target = forcedTarget();
    }

    if (const auto failure = writeBitmapFile(*target, picture)) {
        m_path.clear();
        if (const auto& report = installedPrompts().reportFailure)
            report(m_owner, *target, *failure);
        return Outcome::Failed;
    }
    return Outcome::Saved;
}

std::optional<QString> SaveCommand::forcedTarget()
{
    const std::string chosen = m_path.toStdString();
    std::string path = chosen;
    std::string extension = ".bmp";
    ForceExtension(path, extension);
    // A name that starts with its first dot keeps nothing before the
    // extension: ".tersembunyi" would become the hidden file ".bmp".
    if (path.size() - folderOf(path).size() == extension.size()) {
        const QString name = QString::fromStdString(chosen.substr(folderOf(chosen).size()));
        if (const auto& refuse = installedPrompts().refuseName)
            refuse(m_owner, m_path,
                   QStringLiteral("Nama file %1 dimulai dengan titik, sehingga setelah akhiran .bmp dipasang "
                                  "tidak tersisa nama apa pun (hanya %2, sebuah file tersembunyi). Tulis "
                                  "nama sebelum titik, misalnya %3.")
                       .arg(quoted(name), quoted(QString::fromStdString(extension)),
                            quoted(QStringLiteral("gambar.bmp"))));
        return std::nullopt;
    }
    m_path = QString::fromStdString(path);
    return chooseTarget(m_owner, m_path);
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
