// The Qt dialogs behind the dialog record: the filter and answer mapping, and
// the real QFileDialog driven on the offscreen platform.

#include "export/osdialog.h"
#include "ui/qtfiledialog.h"
#include "ui/windowhandle.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

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
        m_previous = ruvex::win::setFileDialogFunction(showQtFileDialog);
        m_owner.show();
    }
    void TearDown() override { ruvex::win::setFileDialogFunction(std::move(m_previous)); }

    QTemporaryDir m_folder;
    QWidget m_owner;
    ruvex::win::FileDialogFunction m_previous;
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
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(QDir(dialog.directory()), QDir(m_folder.path()));
            EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Semua (*.*)"));
            dialog.selectNameFilter(QStringLiteral("Gambar (*.bmp)"));
            dialog.selectFile(QStringLiteral("baru"));
        },
        true);

    std::string name;
    std::int32_t index = 2;
    const std::string result
        = OSDialog().ShowSave(name, "Simpan", "Gambar|*.bmp|Semua|*.*", m_folder.path().toStdString(), "bmp",
                              hWndOf(&m_owner), index, {}, true, 0);

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
    OSDialog().ShowOpen(name, {}, "Teks|*.txt", m_folder.path().toStdString(), ".txt", -1, index, true, 0, {},
                        true, false, true, 0);
    EXPECT_EQ(name, "");
}
