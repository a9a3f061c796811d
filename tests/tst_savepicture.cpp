// The save command end to end: the main window, a fake file dialog answering
// temporary paths, and fake message boxes.

#include "tests/fakefiledialog.h"
#include "tests/form1controls.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/savecommand.h"
#include "ui/windowhandle.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace std::string_literals;
using ruvex::win::FileDialogKind;
using ruvex::win::OFN_HIDEREADONLY;
using ruvex::win::OFN_OVERWRITEPROMPT;
using ruvex::win::OPENFILENAME;

namespace {

class FakePrompts {
public:
    FakePrompts()
        : m_previous(setSavePrompts({[this](QWidget*, const QString& path) {
                                         asked << path;
                                         return replace;
                                     },
                                     [this](QWidget*, const QString& path, const QString& reason) {
                                         failures.push_back({path, reason});
                                     }}))
    {
    }
    ~FakePrompts() { setSavePrompts(std::move(m_previous)); }

    bool replace = false;
    QStringList asked;
    std::vector<std::pair<QString, QString>> failures;

private:
    SavePrompts m_previous;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void save() { control<QAction>(*m_form, "mnuSave")->trigger(); }
    PictureWidget* picDisplay() const { return control<PictureWidget>(*m_form, "picDisplay"); }
    QImage picture() const { return imageOf(picDisplay()->box().Image()); }
    bool timerEnabled(const char* name) const { return control<AnimationTimer>(*m_form, name)->isEnabled(); }

    QTemporaryDir m_folder;
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
    const OPENFILENAME& record = m_dialog.last();
    EXPECT_EQ(m_dialog.calls().back().kind, FileDialogKind::Save);
    EXPECT_EQ(record.lpstrTitle, "Save Gambar Bangun Ruang *.bmp");
    EXPECT_EQ(record.lpstrFilter, "Save Gambar Bangun Ruang\0*.bmp\0\0"s);
    EXPECT_EQ(record.lpstrInitialDir, "");
    EXPECT_EQ(record.lpstrFile, nuls(2048));
    EXPECT_EQ(record.lpstrDefExt, "");
    EXPECT_EQ(record.nFilterIndex, 0u);
    EXPECT_EQ(record.Flags, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
    EXPECT_EQ(windowOf(record.hwndOwner), m_form.get());

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
    const OPENFILENAME& record = m_dialog.last();
    EXPECT_EQ(record.lpstrInitialDir, m_folder.path().toStdString() + "/");
    EXPECT_EQ(record.lpstrFile, first + nuls(2048 - first.size()));
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

TEST_F(SavePicture, ReplacingAFileOnlyTheForcedNameHitsIsAskedFirst)
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
        {"name unchanged: the dialog asked already", "gambar.bmp", false, false, true},
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
            EXPECT_EQ(QString::fromStdString(m_dialog.last().lpstrFile).section(QChar(u'\0'), 0, 0), target);
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
    EXPECT_EQ(m_dialog.last().lpstrFile, nuls(2048));
    EXPECT_EQ(m_dialog.last().lpstrInitialDir, (folder + u'/').toStdString());
}
