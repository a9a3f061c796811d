#include "ui/commandline.h"

#include "export/savetarget.h"

#include "export/picturetypes.h"
#include "surface/shapecatalogue.h"
#include "ui/exportcommand.h"
#include "ui/programversion.h"
#include "ui/qtext.h"
#include "ui/savecommand.h"
#include "view/standaloneview.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

constexpr int kMinDistance = 100;
constexpr int kMaxDistance = 350;
constexpr int kMaxAspectTenths = 16;
constexpr int kMaxScale = 8;

// The pointer lies on the drawing area's interior.
int largestPointerPosition()
{
    PictureBox area;
    area.setOuterSize(StartupDefaults::kPictureSize, StartupDefaults::kPictureSize);
    return area.ScaleWidth() - 1;
}

// Texts of the help and the errors, the ranges named once.
QString shapeRange()
{
    return QStringLiteral("bilangan bulat 0 sampai %1").arg(kShapeCount - 1);
}
QString viewRange()
{
    return QStringLiteral("dua bilangan bulat X,Y, masing-masing 0 sampai %1").arg(largestPointerPosition());
}
QString distanceRange()
{
    return QStringLiteral("bilangan bulat %1 sampai %2").arg(kMinDistance).arg(kMaxDistance);
}
QString aspectRange()
{
    return QStringLiteral("0 sampai 1,6 dalam kelipatan 0,1 (misalnya 0,5 atau 1.2)");
}
QString scaleRange()
{
    return QStringLiteral("bilangan bulat 1 sampai %1").arg(kMaxScale);
}

struct Option {
    QCommandLineOption option;
    QString range; // empty for the options without a value
};

class BadArguments {
public:
    explicit BadArguments(QString sentence)
        : text(std::move(sentence))
    {
    }
    QString text;
};

std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// "1", "1.2", "1,2", "0.50": tenths of the stretch factor, as the window's
// scroll bar counts them. A value between two tenths is refused rather than
// rounded, so every picture written is one the window can show.
std::optional<int> aspectTenths(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]{1,3})(?:[.,]([0-9]+))?$"));
    const QRegularExpressionMatch match = decimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = match.captured(2);
    for (qsizetype n = 1; n < fraction.size(); ++n) {
        if (fraction[n] != u'0')
            return std::nullopt;
    }
    const int tenths = match.captured(1).toInt() * 10 + (fraction.isEmpty() ? 0 : fraction[0].digitValue());
    if (tenths > kMaxAspectTenths)
        return std::nullopt;
    return tenths;
}

QString displayed(const QString& optionName)
{
    return (optionName.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + optionName;
}

QString helpText(const QString& program)
{
    QString text
        = QStringLiteral("Pemakaian: %1 [--export FILE [PILIHAN...]]\n"
                         "Menampilkan bangun ruang geometri analitik sebagai kerangka kawat yang dapat\n"
                         "diputar. Tanpa pilihan, jendela program dibuka. Dengan --export, gambar ditulis\n"
                         "ke FILE tanpa jendela dan tanpa layar: gambar yang sama dengan yang disimpan\n"
                         "jendela untuk tampilan yang sama.\n\n"
                         "Pilihan:\n"
                         "  --export FILE      tulis gambar ke FILE lalu selesai; jenisnya menurut akhiran\n"
                         "                     FILE: .bmp (seperti \"Save Gambar\"), .png, .svg (vektor)\n"
                         "  --shape N          bangun ruang nomor, 0 sampai %2 (bawaan 0; daftar di bawah)\n"
                         "  --view X,Y         posisi penunjuk di atas bidang gambar, X dan Y 0 sampai %3\n"
                         "                     (bawaan 0,0, seperti bangun ruang yang baru dipilih)\n"
                         "  --perspective D    perspektif pada jarak D, %4 sampai %5 (bawaan: tanpa)\n"
                         "  --aspect A         faktor aspek, 0 sampai 1,6 dalam kelipatan 0,1; koma atau\n"
                         "                     titik sebagai tanda desimal (bawaan 1)\n"
                         "  --scale K          pembesaran gambar .png, 1 sampai %6 (bawaan 1; 4 untuk\n"
                         "                     dicetak)\n"
                         "  -h, --help         tampilkan bantuan ini lalu selesai\n"
                         "      --version      tampilkan versi program lalu selesai\n\n"
                         "Bangun ruang (N):\n")
              .arg(program)
              .arg(kShapeCount - 1)
              .arg(largestPointerPosition())
              .arg(kMinDistance)
              .arg(kMaxDistance)
              .arg(kMaxScale);
    for (int n = 0; n < kShapeCount; ++n)
        text += QStringLiteral("  %1  %2\n").arg(n, 2).arg(toQString(shapeCaption(n)));
    text += QStringLiteral("\nContoh:\n"
                           "  %1 --export kerucut.png --shape 3 --view 120,60 --scale 4\n"
                           "  %1 --export tabung.svg --shape 6 --perspective 200\n\n"
                           "Status keluar: 0 gambar tertulis, 1 file tidak dapat ditulis, 2 pilihan "
                           "salah.\n")
                .arg(program);
    return text;
}

class Arguments {
public:
    explicit Arguments(const QString& program)
        : m_program(program)
    {
        // Short words after one dash are options of their own letters.
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
        for (const Option& option : m_options)
            m_parser.addOption(option.option);
    }

    // Throws BadArguments for anything the parser refuses.
    void parse(const QStringList& arguments)
    {
        // The parser's own messages are English; ours name what went wrong.
        if (!m_parser.parse(arguments))
            throw BadArguments(parseFailure(arguments));
        for (const Option& option : m_options) {
            const QString name = option.option.names().constLast();
            if (m_parser.values(name).size() > 1)
                throw BadArguments(QStringLiteral("pilihan --%1 hanya boleh diberikan sekali.").arg(name));
        }
    }

    bool isSet(const char* name) const { return m_parser.isSet(QLatin1String(name)); }
    QString value(const char* name) const { return m_parser.value(QLatin1String(name)); }
    QStringList positional() const { return m_parser.positionalArguments(); }

private:
    QString parseFailure(const QStringList& arguments) const
    {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return QStringLiteral("pilihan %1 tidak dikenal; pilihan yang ada tercantum di \"%2 --help\".")
                .arg(displayed(unknown.front()), m_program);
        // The other refusals: a value missing at the end, or one given to an
        // option that takes none.
        const QString last = arguments.size() > 1 ? arguments.back() : QString();
        for (const Option& option : m_options) {
            for (const QString& name : option.option.names()) {
                if (!option.range.isEmpty() && last == displayed(name))
                    return QStringLiteral("pilihan %1 memerlukan nilai: %2.").arg(last, option.range);
            }
        }
        for (const QString& argument : arguments.mid(1)) {
            const QString name = argument.section(u'=', 0, 0);
            if (argument.contains(u'=')
                && (name == QStringLiteral("--help") || name == QStringLiteral("--version")))
                return QStringLiteral("pilihan %1 tidak menerima nilai.").arg(name);
        }
        return QStringLiteral("argumen tidak dapat dibaca; pilihan yang ada tercantum di \"%1 --help\".")
            .arg(m_program);
    }

    QString m_program;
    QCommandLineParser m_parser;
    const std::vector<Option> m_options{
        {QCommandLineOption(QStringLiteral("export"), {}, QStringLiteral("FILE")),
         QStringLiteral("nama file .bmp, .png atau .svg")},
        {QCommandLineOption(QStringLiteral("shape"), {}, QStringLiteral("N")), shapeRange()},
        {QCommandLineOption(QStringLiteral("view"), {}, QStringLiteral("X,Y")), viewRange()},
        {QCommandLineOption(QStringLiteral("perspective"), {}, QStringLiteral("D")), distanceRange()},
        {QCommandLineOption(QStringLiteral("aspect"), {}, QStringLiteral("A")), aspectRange()},
        {QCommandLineOption(QStringLiteral("scale"), {}, QStringLiteral("K")), scaleRange()},
        {QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}), {}},
        {QCommandLineOption(QStringLiteral("version")), {}},
    };
};

struct ExportRequest {
    QString path;
    PictureFormat format = PictureFormat::Png;
    int scale = 1;
    PictureSettings view;
};

QString refused(const char* option, const QString& range, const QString& given)
{
    return QStringLiteral("--%1 harus %2, bukan \"%3\".").arg(QLatin1String(option), range, given);
}

void readView(const Arguments& arguments, PictureSettings& view)
{
    if (arguments.isSet("shape")) {
        const auto shape = wholeNumber(arguments.value("shape"), 0, kShapeCount - 1);
        if (!shape)
            throw BadArguments(refused("shape", shapeRange(), arguments.value("shape")));
        view.shapeIndex = *shape;
    }
    if (arguments.isSet("view")) {
        const QString text = arguments.value("view");
        const QStringList parts = text.split(u',');
        const int largest = largestPointerPosition();
        const auto x = parts.size() == 2 ? wholeNumber(parts[0], 0, largest) : std::nullopt;
        const auto y = parts.size() == 2 ? wholeNumber(parts[1], 0, largest) : std::nullopt;
        if (!x || !y)
            throw BadArguments(refused("view", viewRange(), text));
        view.pointerX = static_cast<float>(*x);
        view.pointerY = static_cast<float>(*y);
    }
}

void readProjection(const Arguments& arguments, PictureSettings& view)
{
    if (arguments.isSet("perspective")) {
        const auto distance = wholeNumber(arguments.value("perspective"), kMinDistance, kMaxDistance);
        if (!distance)
            throw BadArguments(refused("perspective", distanceRange(), arguments.value("perspective")));
        view.perspective = true;
        view.perspectiveDistance = *distance;
    }
    if (arguments.isSet("aspect")) {
        const auto tenths = aspectTenths(arguments.value("aspect"));
        if (!tenths)
            throw BadArguments(refused("aspect", aspectRange(), arguments.value("aspect")));
        view.aspectTenths = *tenths;
    }
}

int readScale(const Arguments& arguments, PictureFormat format)
{
    if (!arguments.isSet("scale"))
        return 1;
    const auto scale = wholeNumber(arguments.value("scale"), 1, kMaxScale);
    if (!scale)
        throw BadArguments(refused("scale", scaleRange(), arguments.value("scale")));
    if (*scale > 1 && format != PictureFormat::Png)
        throw BadArguments(QStringLiteral("--scale di atas 1 hanya untuk file .png; gambar .bmp dan .svg "
                                          "selalu seukuran bidang gambar."));
    return *scale;
}

ExportRequest exportRequest(const Arguments& arguments)
{
    ExportRequest request;
    request.path = arguments.value("export");
    const auto format = formatOfPath(request.path.toStdString());
    if (!format)
        throw BadArguments(refused("export", QStringLiteral("nama file yang berakhiran .bmp, .png atau .svg"),
                                   request.path));
    request.format = *format;
    readView(arguments, request.view);
    readProjection(arguments, request.view);
    request.scale = readScale(arguments, request.format);
    return request;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

// Arguments that ask for no picture, or for one in the wrong way.
void refuseWithoutExport(const Arguments& parsed)
{
    if (!parsed.positional().isEmpty())
        throw BadArguments(QStringLiteral("program ini tidak membuka file (\"%1\"); gambar ditulis "
                                          "dengan --export FILE.")
                               .arg(parsed.positional().front()));
    if (parsed.isSet("export"))
        return;
    for (const char* name : {"shape", "view", "perspective", "aspect", "scale"}) {
        if (parsed.isSet(name))
            throw BadArguments(
                QStringLiteral("pilihan --%1 hanya berlaku bersama --export FILE.").arg(QLatin1String(name)));
    }
    throw BadArguments(QStringLiteral("tidak ada yang dikerjakan; gambar ditulis dengan --export FILE, "
                                      "dan tanpa argumen jendela program dibuka."));
}

// Writes the picture asked for, under the same rules as in the window: only
// regular files, links as the file they lead to, names the file system
// takes. The failure in one line, or nothing.
std::optional<QString> writeRequestedPicture(const ExportRequest& request)
{
    const StandaloneView view(request.view);
    const ExportView picture{view.grid(), view.state(), view.area().Image()};
    const SaveTarget target = vetSaveTarget(request.path.toStdString());
    if (target.refused())
        return QString::fromStdString(target.refusal).replace(u'\n', u' ');
    const QString real = QString::fromStdString(target.path);
    if (const auto failure = writePictureFile(real, picture, request.format, request.scale))
        return QStringLiteral("gambar tidak dapat ditulis ke file %1. %2")
            .arg(real, *failure)
            .replace(u'\n', u' ');
    return std::nullopt;
}

CommandLineResult runCommandLine(const QStringList& arguments)
{
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("ruvex3d"))).fileName();
    const auto failed = [&program](int status, const QString& sentence) {
        return CommandLineResult{status, {}, program + QStringLiteral(": ") + sentence + u'\n'};
    };
    try {
        Arguments parsed(program);
        parsed.parse(arguments);
        if (parsed.isSet("help"))
            return {kExitWritten, helpText(program), {}};
        if (parsed.isSet("version"))
            return {kExitWritten,
                    QStringLiteral("%1 (RUVEX Display 3D) %2\n").arg(program, QLatin1String(kProgramVersion)),
                    {}};
        refuseWithoutExport(parsed);
        if (const auto failure = writeRequestedPicture(exportRequest(parsed)))
            return failed(kExitNotWritten, *failure);
        return {};
    } catch (const BadArguments& bad) {
        return failed(kExitBadArguments, bad.text);
    }
}

int runCommandLine(int& argc, char** argv)
{
    // No window system at all: the pictures are made in memory.
    const QCoreApplication application(argc, argv);
    const CommandLineResult result = runCommandLine(QCoreApplication::arguments());
    print(stdout, result.output);
    print(stderr, result.error);
    return result.status;
}
