// Writing the file a picture goes to: the name is what was checked up to the
// moment the file takes its place (links swapped in meanwhile, racing or
// while the question is open), the cause of a failure told in Indonesian
// (a full small disk), names the extension rule leaves empty, and paths shown
// literally in the message boxes.

#include "tests/fakefiledialog.h"
#include "tests/fakeprompts.h"
#include "tests/readfile.h"
#include "ui/qtfiledialog.h"
#include "ui/savecommand.h"
#include "ui/wholefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
}

PixelBuffer smallPicture()
{
    PixelBuffer picture;
    picture.reset(8, 8, 0xffffffffu);
    return picture;
}

// Another process's loop, as a thread: puts a link to `target` at `name` and
// takes it away again, until it is destroyed. A picture saved there is taken
// away too, so the link can come back.
class LinkRacer {
public:
    LinkRacer(const QString& name, const QString& target)
        : m_name(QFile::encodeName(name))
        , m_target(QFile::encodeName(target))
        , m_thread([this] { race(); })
    {
    }
    ~LinkRacer()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    void race()
    {
        while (!m_stop) {
            symlink(m_target.constData(), m_name.constData());
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            unlink(m_name.constData());
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

    const QByteArray m_name;
    const QByteArray m_target;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

} // namespace

// Markup in a name must not be drawn, and a text-direction control would
// show the rest of the message reversed: every box shows the name as plain
// text, the control escaped.
TEST(MessageBoxes, PathsAreShownLiterallyWithDirectionControlsEscaped)
{
    const QString name = QStringLiteral("/tmp/<font size=7 color=red>besar</font>\u202egnp.bmp");
    QList<Qt::TextFormat> formats;
    QStringList texts;
    const auto closeTheNextBox = [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    formats << box->textFormat();
                    texts << box->text();
                    box->reject();
                }
            }
        });
    };
    const SavePrompts prompts = qtSaveDialogs().prompts;
    closeTheNextBox();
    EXPECT_FALSE(prompts.confirmReplace(nullptr, name, name));
    closeTheNextBox();
    prompts.reportFailure(nullptr, name, QStringLiteral("sebab"));
    closeTheNextBox();
    prompts.refuseName(nullptr, name, QStringLiteral("sebab"));
    ASSERT_EQ(texts.size(), 3);
    for (const QString& text : texts) {
        EXPECT_FALSE(text.contains(QChar(0x202e))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("besar</font>\\u202Egnp.bmp"))) << text.toStdString();
    }
    QWidget dialog;
    closeTheNextBox();
    showRefusalBox(&dialog, name);
    EXPECT_EQ(formats, QList<Qt::TextFormat>(4, Qt::PlainText));
}

TEST(SaveCommandNames, ANameTheExtensionRuleLeavesEmptyIsRefused)
{
    QTemporaryDir folder;
    FakeFileDialog dialog;
    FakePrompts prompts;
    PictureFileMemory stored;
    dialog.choose(folder.filePath(QStringLiteral(".tersembunyi")).toStdString());
    dialog.choose(folder.filePath(QStringLiteral(".a.b")).toStdString());
    dialog.choose(folder.filePath(QStringLiteral("peta.lama")).toStdString());

    const PixelBuffer picture = smallPicture();
    const SaveDialogs dialogs = prompts.saveDialogs(dialog);
    EXPECT_EQ(SaveCommand(nullptr, dialogs, bitmapSave(picture), stored).run(), SaveCommand::Outcome::Saved);

    ASSERT_EQ(prompts.refusals.size(), 2u);
    EXPECT_TRUE(prompts.refusals[0].second.startsWith(QStringLiteral("Nama file \u00ab.tersembunyi\u00bb")))
        << prompts.refusals[0].second.toStdString();
    EXPECT_EQ(dialog.calls().size(), 3u);
    // Every other name keeps the cut at its first dot.
    EXPECT_EQ(stored.path, folder.filePath(QStringLiteral("peta.bmp")));
    EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("peta.bmp")});
}

// The file exists when checked; while "replace?" is open it becomes a link
// to a file elsewhere, or to one that does not exist. "Ya" must write neither.
TEST(WriteWholeFile, ALinkSwappedInWhileTheQuestionIsOpenIsRefused)
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString existing = elsewhere.filePath(QStringLiteral("asli.bmp"));
    const QString missing = elsewhere.filePath(QStringLiteral("baru.bmp"));
    writeFile(existing, "asli");
    const QString chosen = folder.filePath(QStringLiteral("gambar.bmp"));
    for (const QString& leadsTo : {existing, missing}) {
        SCOPED_TRACE(leadsTo.toStdString());
        writeFile(chosen, "lama");
        FakeFileDialog dialog;
        FakePrompts prompts;
        prompts.replace = true;
        prompts.whileAsking = [&] { QFile::remove(chosen) && QFile::link(leadsTo, chosen); };
        dialog.choose(chosen.toStdString());
        PictureFileMemory stored;
        const PixelBuffer picture = smallPicture();
        const SaveDialogs dialogs = prompts.saveDialogs(dialog);

        EXPECT_EQ(SaveCommand(nullptr, dialogs, bitmapSave(picture), stored).run(),
                  SaveCommand::Outcome::Failed);
        ASSERT_EQ(prompts.failures.size(), 1u);
        EXPECT_TRUE(prompts.failures[0].second.contains(QStringLiteral("tautan simbolik")))
            << prompts.failures[0].second.toStdString();
        EXPECT_EQ(readAll(existing), QByteArray("asli"));
        EXPECT_FALSE(QFileInfo::exists(missing));
        EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("gambar.bmp")}); // no temporary left
        QFile::remove(chosen);
    }
}

// Another process's loop puts a link to a file elsewhere at the chosen name
// and takes it away again while pictures are saved there. Whenever the link
// is seen it is refused; it must never be written through.
TEST(WriteWholeFile, ALinkRacingAtTheNameNeverTakesTheWriteOutsideTheFolder)
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString chosen = folder.filePath(QStringLiteral("balapan.png"));
    const QString secret = elsewhere.filePath(QStringLiteral("rahasia.png"));
    FakePrompts prompts;
    prompts.replace = true;
    int written = 0;
    int throughTheLink = 0;
    int run = 0;
    {
        const LinkRacer racer(chosen, secret);
        for (; run < 300 || (written < 10 && run < 5000); ++run) {
            if (const auto target = chooseTarget(nullptr, prompts.prompts(), chosen)) {
                // The time the picture takes to encode between the check and the write.
                std::this_thread::sleep_for(std::chrono::microseconds(run % 7 * 50));
                const auto failure = writeWholeFile(*target, QByteArray(4096, 'x'));
                written += failure ? 0 : 1;
            }
            if (QFile::exists(secret)) {
                ++throughTheLink;
                QFile::remove(secret);
            }
        }
    }
    std::printf("%d of %d saves written, %zu refused when checked, %d through the link\n", written, run,
                prompts.refusals.size(), throughTheLink);
    EXPECT_EQ(throughTheLink, 0);
    EXPECT_GT(written, 0);
    EXPECT_TRUE(entries(elsewhere.path()).isEmpty());
}

TEST(WriteWholeFile, AFullSmallDiskIsNamedAndLeavesNothing)
{
    QTemporaryDir disk;
    const int mounted
        = QProcess::execute(QStringLiteral("mount"),
                            {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                             QStringLiteral("size=64k"), QStringLiteral("ruvex-test"), disk.path()});
    if (mounted != 0)
        GTEST_SKIP() << "no small tmpfs could be mounted (needs root and the right to mount)";
    // A few KiB left, fewer than a print picture needs.
    writeFile(disk.filePath(QStringLiteral("isi")), QByteArray(56 * 1024, 'i'));
    const auto failure
        = writeWholeFile(disk.filePath(QStringLiteral("kerucut.png")), QByteArray(16 * 1024, 'x'));
    const QStringList left = entries(disk.path());
    QProcess::execute(QStringLiteral("umount"), {disk.path()});
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->startsWith(QStringLiteral("Disk penuh"))) << failure->toStdString();
    EXPECT_EQ(left, QStringList{QStringLiteral("isi")});
}
