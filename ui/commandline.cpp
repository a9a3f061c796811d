#include "ui/commandline.h"

#include "export/savetarget.h"

#include "export/picturetypes.h"
#include "surface/shapecatalogue.h"
#include "ui/commandlinetexts.h"
#include "ui/exportcommand.h"
#include "ui/programarguments.h"
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
    // Anchored at the very end: "$" alone would also match before a final
    // newline, and accept "3\n".
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,6}")));
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
    static const QRegularExpression decimal(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{1,3})(?:[.,]([0-9]+))?")));
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

// The options of the parser below that take a value.
QStringList valueOptionNames()
{
    return {QStringLiteral("export"),      QStringLiteral("shape"),  QStringLiteral("view"),
            QStringLiteral("perspective"), QStringLiteral("aspect"), QStringLiteral("scale")};
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
                .arg(typedOption(arguments, unknown.front(), valueOptionNames()), m_program);
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

// False when the text did not all reach the stream (a full disk, a closed
// output).
bool print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written;
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

// A message of the window's, which may name `paths` and their folder, in one
// line: the line breaks within the names are escaped, the message's own ones
// become spaces.
QString oneLine(QString message, const QStringList& paths)
{
    QStringList names = paths;
    names.append(QFileInfo(paths.constLast()).absolutePath());
    for (const QString& name : names)
        message.replace(name, escapedControls(name));
    return message.replace(u'\n', u' ');
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
        return oneLine(QString::fromStdString(target.refusal), {request.path});
    const QString real = QString::fromStdString(target.path);
    if (const auto failure = writePictureFile(real, picture, request.format, request.scale))
        return oneLine(QStringLiteral("gambar tidak dapat ditulis ke file %1. %2").arg(real, *failure),
                       {request.path, real});
    return std::nullopt;
}

CommandLineResult runCommandLine(const QStringList& arguments)
{
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("ruvex3d"))).fileName();
    // Whatever the user typed is shown, never obeyed by the terminal.
    const auto failed = [&program](int status, const QString& sentence) {
        return CommandLineResult{
            status, {}, escapedControls(program + QStringLiteral(": ") + sentence) + u'\n'};
    };
    try {
        Arguments parsed(program);
        parsed.parse(withoutToolkitOptions(arguments, valueOptionNames()));
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
    const QString program = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
    // A name that is not UTF-8 cannot be written as given (the toolkit's file
    // names are UTF-8), and any other name would be the wrong file.
    if (const auto argument = notUtf8Argument(argc, argv)) {
        print(stderr,
              escapedControls(QStringLiteral("%1: argumen \"%2\" bukan teks UTF-8 yang sah; nama file dan "
                                             "nilai pilihan harus ditulis dalam UTF-8.")
                                  .arg(program, *argument))
                  + u'\n');
        return kExitBadArguments;
    }
    const CommandLineResult result = runCommandLine(QCoreApplication::arguments());
    if (!print(stdout, result.output)) {
        print(stderr, QStringLiteral("%1: teks tidak dapat ditulis ke keluaran standar.\n").arg(program));
        return kExitNotWritten;
    }
    print(stderr, result.error);
    return result.status;
}

bool commandLineRequested(int argc, char** argv)
{
    return withoutToolkitOptions(argumentList(argc, argv), valueOptionNames()).size() > 1;
}
