// The save command end to end: the main window, a fake file dialog answering
// temporary paths, and fake message boxes.

#include "tests/fakefiledialog.h"
#include "tests/fakeprompts.h"
#include "tests/form1controls.h"
#include "tests/readfile.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/savecommand.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <sys/stat.h>

using namespace std::string_literals;

namespace {

std::uint32_t u32(const QByteArray& bytes, int at)
{
    std::uint32_t value = 0;
    for (int n = 3; n >= 0; --n)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + n]);
    return value;
}

class SavePicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_form = std::make_unique<Form1>();
        m_form->setSaveDialogs(m_prompts.saveDialogs(m_dialog));
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void save() { control<QAction>(*m_form, "mnuSave")->trigger(); }
    PictureWidget* picDisplay() const { return ::picDisplay(*m_form); }
    QImage picture() const { return ::picture(*m_form); }
    bool timerEnabled(const char* name) const { return control<AnimationTimer>(*m_form, name)->isEnabled(); }

    QTemporaryDir m_folder;
    int m_dialogsOpened = 0;
    FakeFileDialog m_dialog;
    FakePrompts m_prompts;
    std::unique_ptr<Form1> m_form;
};

} // namespace

TEST_F(SavePicture, MenuWritesThePictureAs24BitBitmap)
{
    m_dialog.choose((path(QStringLiteral("gambar"))).toStdString());
    save();

    ASSERT_EQ(m_dialog.calls().size(), 1u);
    const FileDialogRecord& record = m_dialog.last();
    EXPECT_EQ(m_dialog.calls().back().kind, FileDialogKind::Save);
    EXPECT_EQ(record.title, "Save Gambar Bangun Ruang *.bmp");
    EXPECT_EQ(record.filter, "Save Gambar Bangun Ruang\0*.bmp\0\0"s);
    EXPECT_EQ(record.initialDir, "");
    EXPECT_EQ(record.file, nuls(2048));
    EXPECT_EQ(record.defaultExt, "");
    EXPECT_EQ(record.filterIndex, 1u); // the first and only filter
    EXPECT_EQ(record.flags, FileDialogRecord::OverwritePrompt | FileDialogRecord::HideReadOnly);
    EXPECT_EQ(m_prompts.owners, std::vector<QWidget*>{m_form.get()});

    const QString saved = path(QStringLiteral("gambar.bmp"));
    EXPECT_EQ(m_form->PicturePath(), saved);
    const QByteArray file = readAll(saved);
    ASSERT_GE(file.size(), 54);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(file, 18), 396u);
    EXPECT_EQ(u32(file, 22), 396u);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(u32(file, 30), 0u); // BI_RGB
    EXPECT_EQ(file.size(), 54 + 396 * (396 * 3 + 0));

    // The first picture has lines on it, so the comparison means something.
    QImage blank(picture().size(), picture().format());
    blank.fill(Qt::white);
    ASSERT_NE(picture(), blank);
    EXPECT_EQ(QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32), picture());
}

TEST_F(SavePicture, SecondDialogStartsAtTheFirstPicture)
{
    m_dialog.choose((path(QStringLiteral("pertama.png"))).toStdString());
    m_dialog.choose((path(QStringLiteral("kedua"))).toStdString());
    save();
    save();

    ASSERT_EQ(m_dialog.calls().size(), 2u);
    const std::string first = path(QStringLiteral("pertama.bmp")).toStdString();
    const FileDialogRecord& record = m_dialog.last();
    EXPECT_EQ(record.initialDir, m_folder.path().toStdString() + "/");
    EXPECT_EQ(record.file, first + nuls(2048 - first.size()));
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("kedua.bmp"), QStringLiteral("pertama.bmp")}));
}

TEST_F(SavePicture, CancelWritesNothingAndLeavesTheAnimationStopped)
{
    m_dialog.choose((path(QStringLiteral("gambar"))).toStdString());
    save();
    control<QRadioButton>(*m_form, "optAnim", 0)->setChecked(true);
    control<AnimationTimer>(*m_form, "Timer1")->setEnabled(true);
    control<AnimationTimer>(*m_form, "Timer2")->setEnabled(true);

    m_dialog.cancel();
    save();

    EXPECT_EQ(m_form->PicturePath(), QString());
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("gambar.bmp")});
    EXPECT_FALSE(timerEnabled("Timer1"));
    EXPECT_FALSE(timerEnabled("Timer2"));
    EXPECT_TRUE(control<QRadioButton>(*m_form, "optAnim", 2)->isChecked());
}

TEST_F(SavePicture, RightButtonReleaseSavesOtherButtonsDoNot)
{
    const struct {
        Qt::MouseButton button;
        std::size_t dialogs;
    } rows[] = {{Qt::LeftButton, 0}, {Qt::MiddleButton, 0}, {Qt::RightButton, 1}};
    std::size_t before = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        m_dialog.cancel();
        QTest::mouseRelease(picDisplay(), row.button, {}, QPoint(100, 100));
        EXPECT_EQ(m_dialog.calls().size() - before, row.dialogs);
        before = m_dialog.calls().size();
    }
}

TEST_F(SavePicture, WriteFailureIsShownAndTheWindowStaysUsable)
{
    // Tests run as root, so permissions would not stop the write: a regular
    // file where the folder should be does.
    const QString notAFolder = path(QStringLiteral("bukan-folder"));
    {
        QFile file(notAFolder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    m_dialog.choose((notAFolder + QStringLiteral("/gambar")).toStdString());
    save();

    ASSERT_EQ(m_prompts.failures.size(), 1u);
    const QString target = notAFolder + QStringLiteral("/gambar.bmp");
    EXPECT_EQ(m_prompts.failures[0].first, target);
    EXPECT_TRUE(m_prompts.failures[0].second.contains(QStringLiteral("bukan sebuah folder")))
        << m_prompts.failures[0].second.toStdString();
    EXPECT_EQ(m_form->PicturePath(), QString());
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("bukan-folder")});
    EXPECT_EQ(readAll(notAFolder), QByteArray());

    m_dialog.choose((path(QStringLiteral("gambar"))).toStdString());
    save();
    EXPECT_EQ(m_form->PicturePath(), path(QStringLiteral("gambar.bmp")));
    EXPECT_TRUE(QFile::exists(m_form->PicturePath()));
}

TEST_F(SavePicture, ReplacingAnExistingFileIsAskedOnceAboutTheNameWritten)
{
    const struct {
        const char* why;
        const char* chosen;
        bool replace;
        bool asked;
        bool replaced;
    } rows[] = {
        {"forced name, answered no", "gambar.png", false, true, false},
        {"forced name, answered yes", "gambar.png", true, true, true},
        {"name unchanged, answered yes", "gambar.bmp", true, true, true},
    };
    const QString target = path(QStringLiteral("gambar.bmp"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("lama");
        }
        m_prompts.asked.clear();
        m_prompts.replace = row.replace;
        const std::size_t before = m_dialog.calls().size();
        m_dialog.choose((path(QString::fromLatin1(row.chosen))).toStdString());
        // After a "no" the dialog comes back; the user then cancels.
        if (row.asked && !row.replace)
            m_dialog.cancel();

        save();

        EXPECT_EQ(m_prompts.asked, row.asked ? QStringList{target} : QStringList{});
        EXPECT_EQ(readAll(target).startsWith("BM"), row.replaced);
        EXPECT_EQ(m_form->PicturePath(), row.replaced ? target : QString());
        if (!row.replace && row.asked) {
            ASSERT_EQ(m_dialog.calls().size(), before + 2);
            EXPECT_EQ(QString::fromStdString(m_dialog.last().file).section(QChar(u'\0'), 0, 0), target);
        }
    }
}

TEST_F(SavePicture, OverlongStoredPathStartsTheNextDialogWithoutAName)
{
    // A path of 2047 characters, the most the dialog's buffer returns, in
    // folders short enough for the file system; ".bmp" makes it 2051.
    QString folder = m_folder.path();
    qsizetype left = 2047 - folder.size() - 1;
    while (left > 240) {
        folder += u'/' + QString(200, u'd');
        left -= 201;
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString chosen = folder + u'/' + QString(left, u'f');
    ASSERT_EQ(chosen.size(), 2047);

    m_dialog.choose((chosen).toStdString());
    save();
    ASSERT_EQ(m_form->PicturePath(), chosen + QStringLiteral(".bmp"));

    m_dialog.cancel();
    EXPECT_NO_THROW(save());
    ASSERT_EQ(m_dialog.calls().size(), 2u);
    EXPECT_EQ(m_dialog.last().file, nuls(2048));
    EXPECT_EQ(m_dialog.last().initialDir, (folder + u'/').toStdString());
}

TEST_F(SavePicture, OnlyRegularFilesAreWritten)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString conf = elsewhere.filePath(QStringLiteral("not-a-picture.conf"));
    ASSERT_TRUE(QFile::link(conf, path(QStringLiteral("putus.bmp"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), path(QStringLiteral("perangkat.bmp"))));
    ASSERT_EQ(mkfifo(path(QStringLiteral("fifo.bmp")).toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("folder.bmp")));
    const QStringList before = folderEntries();

    const struct {
        std::string chosen;
        const char* refusal; // a part of it
    } rows[] = {
        {"putus", "adalah tautan simbolik ke"},
        {"fifo.txt", "sebuah pipa bernama (FIFO), bukan file biasa"},
        {"perangkat", "sebuah perangkat (device), bukan file biasa"},
        {"folder", "adalah sebuah folder, bukan file biasa"},
        {"gam\nbar", "karakter kendali"},
        {"gam\tbar", "karakter kendali"},
        {std::string(252, 'a') + ".png", "terlalu panjang untuk sistem file: 256 byte"}, // 256 with ".bmp"
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen);
        m_prompts.refusals.clear();
        const std::size_t dialogs = m_dialog.calls().size();
        m_dialog.choose(path(QString::fromStdString(row.chosen)).toStdString());
        m_dialog.cancel(); // the dialog comes back after the refusal
        save();
        ASSERT_EQ(m_prompts.refusals.size(), 1u);
        EXPECT_TRUE(m_prompts.refusals[0].second.contains(QString::fromUtf8(row.refusal)))
            << m_prompts.refusals[0].second.toStdString();
        EXPECT_EQ(m_dialog.calls().size(), dialogs + 2);
        EXPECT_EQ(m_form->PicturePath(), QString());
        EXPECT_EQ(folderEntries(), before);
        EXPECT_FALSE(QFile::exists(conf));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(path(QStringLiteral("fifo.bmp")).toStdString()));
}

// A link to a file elsewhere: the question names that file, which is
// replaced; the link stays a link.
TEST_F(SavePicture, ALinkCountsAsTheFileItLeadsTo)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString original = elsewhere.filePath(QStringLiteral("asli.bmp"));
    {
        QFile file(original);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("lama");
    }
    ASSERT_TRUE(QFile::link(original, path(QStringLiteral("tautan.bmp"))));

    m_prompts.replace = true;
    m_dialog.choose(path(QStringLiteral("tautan")).toStdString());
    save();
    EXPECT_EQ(m_prompts.asked, QStringList{QFileInfo(original).canonicalFilePath()});
    EXPECT_TRUE(readAll(original).startsWith("BM"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("tautan.bmp"))).isSymLink());
    EXPECT_EQ(m_form->PicturePath(), path(QStringLiteral("tautan.bmp")));
}

TEST_F(SavePicture, AClickWhileTheDialogIsOpenStartsNoSecondSave)
{
    // The dialog's answer function stands for the time the dialog is open.
    SaveDialogs dialogs = m_prompts.saveDialogs(m_dialog);
    dialogs.fileDialogs = [this](QWidget*, FileDialogKind, FileDialogRecord&) {
        QTest::mouseRelease(picDisplay(), Qt::RightButton, {}, QPoint(100, 100));
        save();
        ++m_dialogsOpened;
        return false;
    };
    m_form->setSaveDialogs(dialogs);
    save();
    EXPECT_EQ(m_dialogsOpened, 1);
    save();
    EXPECT_EQ(m_dialogsOpened, 2);
}
