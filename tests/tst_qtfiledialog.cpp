// The Qt dialogs behind the dialog record: the filter and answer mapping, and
// the real QFileDialog driven on the offscreen platform.

#include "export/osdialog.h"
#include "ui/qtfiledialog.h"
#include "ui/translations.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace std::string_literals;

namespace {

// Runs `drive` on the file dialog once it is open, then closes it with
// `accept`; the dialog is found among the windows, never waited for.
void whenDialogOpens(std::function<void(QFileDialog&)> drive, bool accept)
{
    QTimer::singleShot(0, qApp, [drive = std::move(drive), accept] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            if (!dialog || !dialog->isVisible())
                continue;
            drive(*dialog);
            // Through QDialog: the file dialog's own accept() checks the typed
            // name like the Save button does, but is not public.
            if (accept)
                static_cast<QDialog*>(dialog)->accept();
            if (dialog->isVisible())
                dialog->reject();
            return;
        }
        ADD_FAILURE() << "no file dialog open";
    });
}

class QtDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(installIndonesianTexts());
        m_owner.show();
    }

    // The Qt dialogs over `owner`, their notices kept in m_notices.
    OSDialog dialogOver(QWidget* owner)
    {
        return OSDialog([this, owner](FileDialogKind kind, FileDialogRecord& record) {
            return showQtFileDialog(owner, kind, record,
                                    [this](QWidget*, const QString& text) { m_notices << text; });
        });
    }

    std::string save(const std::string& initial = {})
    {
        std::string name = initial;
        std::int32_t index = 1;
        dialogOver(&m_owner).ShowSave(name, "Save Gambar Bangun Ruang *.bmp",
                                      "Save Gambar Bangun Ruang|*.bmp", m_folder.path().toStdString(), {}, -1,
                                      index, {}, true, 0);
        return name;
    }

    QTemporaryDir m_folder;
    QWidget m_owner;
    QStringList m_notices;
};

} // namespace

TEST(QtNameFilters, FromThePairs)
{
    const struct {
        const char* why;
        std::string filter;
        QStringList expected;
    } rows[] = {
        {"one pair",
         "Save Gambar Bangun Ruang\0*.bmp\0\0"s,
         {QStringLiteral("Save Gambar Bangun Ruang (*.bmp)")}},
        {"several patterns, two pairs",
         "Gambar\0*.bmp;*.dib\0Semua\0*.*\0\0"s,
         {QStringLiteral("Gambar (*.bmp *.dib)"), QStringLiteral("Semua (*.*)")}},
        {"patterns already in the description",
         "Bitmap (*.bmp)\0*.bmp\0\0"s,
         {QStringLiteral("Bitmap (*.bmp)")}},
        {"description without a pattern dropped",
         "Gambar\0*.bmp\0Sisa\0\0"s,
         {QStringLiteral("Gambar (*.bmp)")}},
        {"empty", "\0\0"s, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(qtNameFilters(row.filter), row.expected);
    }
}

TEST(SelectionText, OnePathOrFolderAndNames)
{
    EXPECT_EQ(selectionText({QStringLiteral("/data/a.txt")}), "/data/a.txt");
    EXPECT_EQ(selectionText({QStringLiteral("/data/a.txt"), QStringLiteral("/data/b.txt")}),
              "/data\0a.txt\0b.txt"s);
}

TEST_F(QtDialogs, SaveDialogIsBuiltFromTheRecordAndAnswersIntoIt)
{
    whenDialogOpens(
        [this](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Simpan"));
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(dialog.parentWidget(), &m_owner);
            EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
            // The caller asks before replacing, about the name it writes.
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(QDir(dialog.directory()), QDir(m_folder.path()));
            EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Semua (*.*)"));
            dialog.selectNameFilter(QStringLiteral("Gambar (*.bmp)"));
            dialog.selectFile(QStringLiteral("baru"));
        },
        true);

    std::string name;
    std::int32_t index = 2;
    const std::string result
        = dialogOver(&m_owner).ShowSave(name, "Simpan", "Gambar|*.bmp|Semua|*.*",
                                        m_folder.path().toStdString(), "bmp", -1, index, {}, true, 0);

    EXPECT_EQ(result, m_folder.filePath(QStringLiteral("baru.bmp")).toStdString());
    EXPECT_EQ(index, 1);
}

TEST_F(QtDialogs, OpenDialogFlagsAndCancel)
{
    whenDialogOpens(
        [](QFileDialog& dialog) {
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
            EXPECT_EQ(dialog.parentWidget(), nullptr);
            EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("txt"));
        },
        false);

    std::string name = m_folder.filePath(QStringLiteral("lama.txt")).toStdString();
    std::int32_t index = 1;
    dialogOver(nullptr).ShowOpen(name, {}, "Teks|*.txt", m_folder.path().toStdString(), ".txt", -1, index,
                                 true, 0, {}, true, false, true, 0);
    EXPECT_EQ(name, "");
}

TEST_F(QtDialogs, TheDialogSpeaksIndonesian)
{
    whenDialogOpens(
        [](QFileDialog& dialog) {
            const auto text = [&dialog](const char* name) {
                auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
                return label ? label->text() : QString();
            };
            EXPECT_EQ(text("lookInLabel"), QStringLiteral("Cari di:"));
            EXPECT_EQ(text("fileNameLabel"), QStringLiteral("&Nama file:"));
            EXPECT_EQ(text("fileTypeLabel"), QStringLiteral("Jenis file:"));
            auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            ASSERT_NE(buttons, nullptr);
            EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Simpan"));
            EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Batal"));
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            std::unique_ptr<QMenu> menu(name->createStandardContextMenu());
            QStringList items;
            for (const QAction* action : menu->actions())
                items << action->text().section(u'\t', 0, 0);
            EXPECT_TRUE(items.contains(QStringLiteral("&Salin"))) << items.join(u'|').toStdString();
            EXPECT_TRUE(items.contains(QStringLiteral("Pilih Semua"))) << items.join(u'|').toStdString();
            const auto* model = dialog.findChild<QAbstractItemModel*>(QStringLiteral("qt_filesystem_model"));
            ASSERT_NE(model, nullptr);
            EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nama"));
        },
        false);
    save();
}

TEST_F(QtDialogs, RefusedNamesAreExplainedAndTheDialogStaysOpen)
{
    std::string deep; // short folder names, 2100 bytes in all
    for (int n = 0; n < 21; ++n)
        deep += "/" + std::string(99, 'd');
    const struct {
        const char* why;
        QString typed;
        const char* notice; // a part of it
    } rows[] = {
        {"300 characters: Qt alone greys out its button", QString(300, u'a'),
         "terlalu panjang untuk sistem file: 300 byte, sedangkan sistem file menerima paling banyak 255 "
         "byte"},
        {"new-line pasted", QStringLiteral("gam\nbar"), "karakter kendali"},
        {"longer than the record's buffer", QString::fromStdString(deep),
         "terlalu panjang untuk program ini: 2100 byte, sedangkan batasnya 2047 byte"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        m_notices.clear();
        whenDialogOpens(
            [&row](QFileDialog& dialog) {
                auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                name->setText(row.typed);
                auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
                EXPECT_TRUE(buttons->button(QDialogButtonBox::Save)->isEnabled());
                static_cast<QDialog*>(&dialog)->accept();
                EXPECT_TRUE(dialog.isVisible());
            },
            false);
        EXPECT_EQ(save(), "");
        ASSERT_EQ(m_notices.size(), 1);
        EXPECT_TRUE(m_notices[0].contains(QString::fromUtf8(row.notice))) << m_notices[0].toStdString();
    }
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}
