// "Ekspor Gambar…" end to end: the main window with a view set up through its
// controls, a fake file dialog answering temporary paths, fake prompts. Each
// file is read back and held against the drawing area, and against the bytes
// the command line writes for the same view.

#include "export/picturefilekind.h"
#include "tests/fakefiledialog.h"
#include "tests/form1controls.h"
#include "tests/readfile.h"
#include "tests/windowsessionfixture.h"
#include "ui/animationtimer.h"
#include "ui/picturewidget.h"
#include "ui/qtext.h"
#include "ui/savecommand.h"
#include "ui/storedrangescrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <charconv>
#include <functional>
#include <memory>

using namespace std::string_literals;

namespace {

// The view every test looks at, set in the window below and given to the
// command line's picture.
const PictureSettings kView{3, 120.0f, 60.0f, true, 200, 12, {}};

// True when every pixel of `a` for which `inA` holds has, within one pixel, a
// pixel of `b` (in `b`'s blocks of `blockB` pixels) for which `inB` holds.
bool coveredWithinAPixel(const QImage& a, const std::function<bool(QRgb)>& inA, const QImage& b, int blockB,
                         const std::function<bool(QRgb)>& inB)
{
    const auto blockHas = [&](int bx, int by) {
        for (int y = by * blockB; y < (by + 1) * blockB; ++y)
            for (int x = bx * blockB; x < (bx + 1) * blockB; ++x)
                if (inB(b.pixel(x, y)))
                    return true;
        return false;
    };
    const int width = b.width() / blockB;
    const int height = b.height() / blockB;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!inA(a.pixel(x, y)))
                continue;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = x + dx >= 0 && y + dy >= 0 && x + dx < width && y + dy < height
                        && blockHas(x + dx, y + dy);
            if (!found)
                return false;
        }
    }
    return true;
}

bool inked(QRgb pixel)
{
    return pixel != qRgb(255, 255, 255);
}
bool black(QRgb pixel)
{
    return pixel == qRgb(0, 0, 0);
}
bool blue(QRgb pixel)
{
    return pixel == qRgb(0, 0, 255);
}

struct SvgLine {
    QString stroke;
    QString width;
    std::vector<std::pair<float, float>> points;
    friend bool operator==(const SvgLine&, const SvgLine&) = default;
};

QString attribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toString();
}

float number(QStringView text)
{
    const QByteArray bytes = text.toLatin1();
    float value = 0.0f;
    std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    return value;
}

std::vector<std::pair<float, float>> pointsOf(const QString& points)
{
    std::vector<std::pair<float, float>> read;
    for (const QString& pair : points.split(u' ')) {
        const qsizetype comma = pair.indexOf(u',');
        read.emplace_back(number(pair.left(comma)), number(pair.mid(comma + 1)));
    }
    return read;
}

// An SVG picture read back: its polylines with their group's stroke, and
// whether a white rectangle as wide as the picture lies under them. The
// picture's size is checked on the way.
struct SvgReading {
    std::vector<SvgLine> lines;
    bool whiteBackground = false;
};

SvgReading readSvg(const QByteArray& svg)
{
    SvgReading reading;
    QXmlStreamReader xml(svg);
    QString stroke, width;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == u"svg") {
            EXPECT_EQ(attribute(attributes, "width"), QStringLiteral("396"));
            EXPECT_EQ(attribute(attributes, "height"), QStringLiteral("396"));
            EXPECT_EQ(attribute(attributes, "viewBox"), QStringLiteral("0 0 396 396"));
        } else if (xml.name() == u"rect") {
            reading.whiteBackground = attribute(attributes, "fill") == QStringLiteral("#ffffff")
                && attribute(attributes, "width") == QStringLiteral("396");
        } else if (xml.name() == u"g") {
            stroke = attribute(attributes, "stroke");
            width = attribute(attributes, "stroke-width");
            EXPECT_EQ(attribute(attributes, "stroke-linecap"), QStringLiteral("round"));
        } else if (xml.name() == u"polyline") {
            reading.lines.push_back({stroke, width, pointsOf(attribute(attributes, "points"))});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return reading;
}

class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_form = std::make_unique<Form1>();
        m_form->setSaveDialogs(saveDialogs());
        // The view of kView, through the window's own controls.
        control<QRadioButton>(*m_form, "Option1", kView.shapeIndex)->click();
        control<QCheckBox>(*m_form, "chkPerspective")->setChecked(true);
        control<StoredRangeScrollBar>(*m_form, "VScroll2")->setStoredValue(kView.perspectiveDistance);
        control<StoredRangeScrollBar>(*m_form, "VScroll1")->setStoredValue(kView.aspectTenths);
        moveOver(*m_form, 0, kView.pointerX, kView.pointerY);
    }
    // The fake dialog; refusals and failures are both kept in `failures`,
    // and no file is replaced.
    SaveDialogs saveDialogs()
    {
        const auto keep = [this](QWidget*, const QString& path, const QString& reason) {
            failures.push_back({path, reason});
        };
        return {[this](QWidget*, FileDialogKind kind, FileDialogRecord& record) {
                    return m_dialog.answer(kind, record);
                },
                {[](QWidget*, const QString&, const QString&) { return false; }, keep, keep}};
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    void exportAs(const QString& name, std::uint32_t filterIndex)
    {
        m_dialog.choose(path(name).toStdString(), filterIndex);
        control<QAction>(*m_form, "mnuExport")->trigger();
    }
    QImage picture() const { return ::picture(*m_form); }
    // What the command line writes for the same view.
    static QByteArray commandLineFile(PictureFormat format, int scale)
    {
        const Session opened(kView);
        const Form1Model& view = opened.model();
        return toQByteArray(
            pictureFileBytes({view.area().Image(), view.pictureLines(), kView.shapeIndex}, format, scale));
    }

    std::vector<SvgLine> expectedSvgLines() const
    {
        const PointGrid& grid = m_form->pointGrid();
        const auto line = [&](const char* stroke, const char* width, int j0, int i0, int dj, int di) {
            SvgLine result{QString::fromLatin1(stroke), QString::fromLatin1(width), {}};
            for (int j = j0, i = i0; j <= 25 && i <= 25; j += dj, i += di)
                result.points.emplace_back(grid.ScreenX(j, i), grid.ScreenY(j, i));
            return result;
        };
        std::vector<SvgLine> lines;
        for (int i = 1; i <= 25; ++i)
            lines.push_back(line("#000000", "1", 1, i, 1, 0));
        for (int j = 1; j <= 25; ++j)
            lines.push_back(line("#000000", "1", j, 1, 0, 1));
        lines.push_back(line("#0000ff", "2", 1, 7, 1, 0));
        return lines;
    }

    QTemporaryDir m_folder;
    FakeFileDialog m_dialog;
    std::vector<std::pair<QString, QString>> failures;
    std::unique_ptr<Form1> m_form;
};

} // namespace

TEST_F(Export, MenuItemDialogAndStoppedAnimation)
{
    const QList<QAction*> items = control<QMenu>(*m_form, "mF")->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("mnuSave"));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("mnuExport"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Ekspor Gambar\u2026"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));

    control<QRadioButton>(*m_form, "optAnim", 0)->click();
    ASSERT_TRUE(control<AnimationTimer>(*m_form, "Timer1")->isEnabled());
    control<QAction>(*m_form, "mnuExport")->trigger(); // the fake dialog cancels

    ASSERT_EQ(m_dialog.calls().size(), 1u);
    const auto& record = m_dialog.last();
    EXPECT_EQ(record.title, "Ekspor Gambar Bangun Ruang");
    EXPECT_EQ(record.filter,
              "PNG\0*.png\0PNG untuk dicetak, 4\xc3\x97\0*.png\0SVG, gambar vektor\0*.svg\0\0"s);
    EXPECT_EQ(record.filterIndex, 1u);
    EXPECT_EQ(record.flags, FileDialogRecord::OverwritePrompt | FileDialogRecord::HideReadOnly);
    EXPECT_FALSE(control<AnimationTimer>(*m_form, "Timer1")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(*m_form, "optAnim", 2)->isChecked());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
}

TEST_F(Export, EachTypeHoldsTheDrawingAreasViewAsTheCommandLineWritesIt)
{
    exportAs(QStringLiteral("layar"), 1);
    exportAs(QStringLiteral("cetak"), 2);
    exportAs(QStringLiteral("vektor"), 3);
    // The dialog opens the next time with the last type and file.
    EXPECT_EQ(m_dialog.last().filterIndex, 2u);
    EXPECT_EQ(m_form->exportPath(), path(QStringLiteral("vektor.svg")));
    control<QAction>(*m_form, "mnuSave")->trigger();
    ASSERT_TRUE(failures.empty());

    const QByteArray png = readAll(path(QStringLiteral("layar.png")));
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(png, commandLineFile(PictureFormat::Png, 1));

    const QByteArray print = readAll(path(QStringLiteral("cetak.png")));
    const QImage large = QImage::fromData(print, "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(large.size(), QSize(1584, 1584));
    EXPECT_EQ(qRound(large.dotsPerMeterX() * 0.0254), 4 * 96); // prints at the size of the picture
    // Shrunk four times it is the picture, within a pixel, colour for colour.
    EXPECT_TRUE(coveredWithinAPixel(picture(), black, large, 4, black));
    EXPECT_TRUE(coveredWithinAPixel(picture(), blue, large, 4, blue));
    EXPECT_TRUE(coveredWithinAPixel(large.scaled(396, 396), inked, picture(), 1, inked));
    EXPECT_EQ(print, commandLineFile(PictureFormat::Png, 4));

    const QByteArray svg = readAll(path(QStringLiteral("vektor.svg")));
    EXPECT_EQ(svg, commandLineFile(PictureFormat::Svg, 1));
    const SvgReading reading = readSvg(svg);
    EXPECT_TRUE(reading.whiteBackground);
    EXPECT_TRUE(reading.lines == expectedSvgLines());

    // The bitmap of "Save Gambar" is the command line's .bmp, byte for byte.
    m_dialog.choose(path(QStringLiteral("simpan")).toStdString());
    control<QAction>(*m_form, "mnuSave")->trigger();
    EXPECT_EQ(readAll(path(QStringLiteral("simpan.bmp"))), commandLineFile(PictureFormat::Bitmap, 1));
}

// With "Garis Belakang Putus-putus" and "Sumbu Koordinat" on, every picture
// the window writes is the program's own with --back-lines dashed --axes,
// run as users run it: no display, so the toolkit knows no screen resolution.
TEST_F(Export, WithTheAidsOnEveryPictureIsTheCommandLinesByteForByte)
{
    const QImage plain = picture().copy();
    for (const char* item : {"mnuBackLines", "mnuAxes"})
        control<QAction>(*m_form, item)->trigger();
    ASSERT_NE(picture(), plain);
    m_dialog.choose(path(QStringLiteral("simpan")).toStdString());
    control<QAction>(*m_form, "mnuSave")->trigger();
    exportAs(QStringLiteral("layar.png"), 1);
    exportAs(QStringLiteral("cetak.png"), 2);
    exportAs(QStringLiteral("vektor.svg"), 3);
    ASSERT_TRUE(failures.empty());

    const std::pair<const char*, const char*> files[]
        = {{"simpan.bmp", "1"}, {"layar.png", "1"}, {"cetak.png", "4"}, {"vektor.svg", "1"}};
    for (const auto& [name, scale] : files) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(variable));
        program.setProcessEnvironment(environment);
        const QString written = path(QStringLiteral("program-") + QLatin1String(name));
        program.start(QStringLiteral(RUVEX3D_PROGRAM),
                      {QStringLiteral("--export"), written, QStringLiteral("--shape"), QStringLiteral("3"),
                       QStringLiteral("--view"), QStringLiteral("120,60"), QStringLiteral("--perspective"),
                       QStringLiteral("200"), QStringLiteral("--aspect"), QStringLiteral("1,2"),
                       QStringLiteral("--back-lines"), QStringLiteral("dashed"), QStringLiteral("--axes"),
                       QStringLiteral("--scale"), QLatin1String(scale)});
        ASSERT_TRUE(program.waitForFinished(20000));
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_EQ(readAll(path(QLatin1String(name))), readAll(written)) << name;
    }
    EXPECT_TRUE(readAll(path(QStringLiteral("vektor.svg"))).contains("stroke-dasharray"));
}

TEST_F(Export, SvgRenderedByAnotherProgramLiesOnThePicture)
{
    const QString renderer = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (renderer.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    exportAs(QStringLiteral("vektor.svg"), 1);
    QProcess render;
    render.start(
        renderer,
        {QStringLiteral("--width=396"), QStringLiteral("--height=396"), path(QStringLiteral("vektor.svg"))});
    ASSERT_TRUE(render.waitForFinished(20000));
    const QImage rendered
        = QImage::fromData(render.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(rendered.size(), QSize(396, 396));
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 128; };
    const auto touched = [](QRgb pixel) { return qGray(pixel) < 245; };
    const auto bluish = [](QRgb pixel) { return qBlue(pixel) - qRed(pixel) > 64; };
    EXPECT_TRUE(coveredWithinAPixel(picture(), inked, rendered, 1, touched));
    EXPECT_TRUE(coveredWithinAPixel(rendered, dark, picture(), 1, inked));
    EXPECT_TRUE(coveredWithinAPixel(picture(), blue, rendered, 1, bluish));
}

TEST_F(Export, AFailedWriteIsToldAndWritesNothing)
{
    exportAs(QStringLiteral("tidak-ada/kerucut.svg"), 3);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].first, path(QStringLiteral("tidak-ada/kerucut.svg")));
    EXPECT_TRUE(failures[0].second.contains(QStringLiteral("tidak ada"))) << failures[0].second.toStdString();
    EXPECT_TRUE(m_form->exportPath().isEmpty());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
}

// The save command's rules hold for exports too: a dangling link is refused
// and nothing is created where it points.
TEST_F(Export, ADanglingLinkIsRefusedAsWhenSaving)
{
    const QString elsewhere = path(QStringLiteral("lain/catatan.conf"));
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("lain")));
    ASSERT_TRUE(QFile::link(elsewhere, path(QStringLiteral("kerucut.svg"))));
    exportAs(QStringLiteral("kerucut.svg"), 3);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures[0].second.contains(QStringLiteral("tautan simbolik")))
        << failures[0].second.toStdString();
    EXPECT_FALSE(QFileInfo::exists(elsewhere));
}

// A picture no encoder takes (one of no pixels) is a failure, not an empty
// file reported as written.
TEST_F(Export, APictureThatCannotBeEncodedIsToldAndWritesNothing)
{
    const Session opened(kView);
    const Form1Model& view = opened.model();
    const PixelBuffer none;
    const PictureFileView empty{none, view.pictureLines(), kView.shapeIndex};
    PictureFileMemory stored;
    m_dialog.choose(path(QStringLiteral("kosong.png")).toStdString(), 1);
    const SaveDialogs fakes = saveDialogs();
    EXPECT_EQ(SaveCommand(m_form.get(), fakes, pictureExport(empty), stored).run(),
              SaveCommand::Outcome::Failed);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures[0].second.contains(QStringLiteral("PNG"))) << failures[0].second.toStdString();
    EXPECT_TRUE(stored.path.isEmpty());
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
}

// The window's export takes the save's rule for names that leave nothing
// visible: a hidden name or one of dots only is refused, and nothing written.
TEST_F(Export, AHiddenOrDotsOnlyNameIsRefusedAsWhenSaving)
{
    for (const char* name : {".tersembunyi", ".png", ".."}) {
        SCOPED_TRACE(name);
        failures.clear();
        exportAs(QString::fromLatin1(name), 1);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_TRUE(failures[0].second.startsWith(
            QStringLiteral("Nama file \u00ab%1\u00bb").arg(QLatin1String(name))))
            << failures[0].second.toStdString();
    }
    EXPECT_TRUE(
        QDir(m_folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
}
