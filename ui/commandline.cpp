#include "ui/commandline.h"

#include "export/picturefile.h"
#include "export/picturename.h"
#include "export/picturetypes.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "surface/planesection.h"
#include "ui/picturewriting.h"
#include "ui/programarguments.h"
#include "ui/programversion.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"
#include "window/commandlinehelp.h"
#include "window/commandlineoptions.h"
#include "window/openedview.h"
#include "window/sizesettings.h"
#include "window/viewsettings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

class BadArguments {
public:
    explicit BadArguments(QString sentence)
        : text(std::move(sentence))
    {
    }
    QString text;
};

QString displayed(const QString& optionName)
{
    return (optionName.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + optionName;
}

// The option as the parser knows it, under its short name too.
QCommandLineOption parserOption(const CommandLineOption& option)
{
    QStringList names;
    if (!option.shortName.empty())
        names.append(toQString(option.shortName));
    names.append(toQString(option.name));
    if (option.valueName.empty())
        return QCommandLineOption(names);
    return QCommandLineOption(names, {}, toQString(option.valueName));
}

// The option a name given to the parser ("h", "help", "shape") belongs to.
const CommandLineOption* optionNamed(const QString& given)
{
    for (const CommandLineOption& option : commandLineOptions()) {
        if (given == toQString(option.name) || given == toQString(option.shortName))
            return &option;
    }
    return nullptr;
}

// "--axes", "--help": an option that takes no value, as typed.
bool isSwitch(const QString& typed)
{
    const auto& options = commandLineOptions();
    return std::any_of(options.begin(), options.end(), [&typed](const CommandLineOption& option) {
        return option.valueName.empty() && typed == displayed(toQString(option.name));
    });
}

// The options that take a value, named without dashes.
QStringList valueOptionNames()
{
    QStringList names;
    for (const CommandLineOption& option : commandLineOptions()) {
        if (!option.valueName.empty())
            names.append(toQString(option.name));
    }
    return names;
}

class Arguments {
public:
    explicit Arguments(const QString& program)
        : m_program(program)
    {
        // Short words after one dash are options of their own letters.
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
        for (const CommandLineOption& option : commandLineOptions())
            m_parser.addOption(parserOption(option));
    }

    // Throws BadArguments for anything the parser refuses.
    void parse(const QStringList& arguments)
    {
        // The parser's own messages are English; ours name what went wrong.
        if (!m_parser.parse(arguments))
            throw BadArguments(parseFailure(arguments));
        if (const auto repeated = firstRepeatedName(givenSettings()))
            throw BadArguments(
                toQString(repeatedSettingRefusal(displayed(toQString(*repeated)).toStdString())));
        if (const auto lone = loneSettingRefusal(givenSettings(), "--"))
            throw BadArguments(toQString(*lone));
    }

    bool isSet(std::string_view name) const { return m_parser.isSet(toQString(name)); }
    QString value(std::string_view name) const { return m_parser.value(toQString(name)); }
    QStringList positional() const { return m_parser.positionalArguments(); }

private:
    // The options given, in order, that set something: asking twice for one
    // that only prints changes nothing.
    std::vector<std::string> givenSettings() const
    {
        std::vector<std::string> names;
        for (const QString& name : m_parser.optionNames()) {
            if (!optionNamed(name)->printsOnly)
                names.push_back(name.toStdString());
        }
        return names;
    }

    QString parseFailure(const QStringList& arguments) const
    {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return QStringLiteral("pilihan %1 tidak dikenal; pilihan yang ada tercantum di \"%2 --help\".")
                .arg(typedOption(arguments, unknown.front(), valueOptionNames()), m_program);
        // The other refusals: a value missing at the end, or one given to an
        // option that takes none.
        const QString last = arguments.size() > 1 ? arguments.back() : QString();
        for (const CommandLineOption& option : commandLineOptions()) {
            if (!option.valueName.empty() && last == displayed(toQString(option.name)))
                return QStringLiteral("pilihan %1 memerlukan nilai: %2.").arg(last, toQString(option.range));
        }
        for (const QString& argument : arguments.mid(1)) {
            const QString name = argument.section(u'=', 0, 0);
            if (argument.contains(u'=') && isSwitch(name))
                return QStringLiteral("pilihan %1 tidak menerima nilai.").arg(name);
        }
        return QStringLiteral("argumen tidak dapat dibaca; pilihan yang ada tercantum di \"%1 --help\".")
            .arg(m_program);
    }

    QString m_program;
    QCommandLineParser m_parser;
};

QString refused(const char* option, std::string_view range, const QString& given)
{
    return toQString(valueRefusal(std::string("--") + option, range, given.toStdString()));
}

// The view settings given, in the order the options are listed; the first
// one refused ends it.
PictureSettings viewSettings(const Arguments& arguments)
{
    PictureSettings view;
    for (const std::string_view name : viewSettingNames()) {
        if (!arguments.isSet(name))
            continue;
        const QString value = viewSettingTakesValue(name) ? arguments.value(name) : QString();
        const std::string shown = "--" + std::string(name);
        if (const auto refusal = readViewSetting(view, name, value.toStdString(), shown))
            throw BadArguments(toQString(*refusal));
    }
    if (const auto refusal = settleSchoolSolid(view, "--"))
        throw BadArguments(toQString(*refusal));
    return view;
}

int readScale(const Arguments& arguments, PictureFormat format)
{
    if (!arguments.isSet("scale"))
        return 1;
    const auto scale = wholeNumber(arguments.value("scale").toStdString(), kMinScale, kMaxScale);
    if (!scale)
        throw BadArguments(refused("scale", scaleRange(), arguments.value("scale")));
    if (*scale > 1 && format != PictureFormat::Png)
        throw BadArguments(QStringLiteral("--scale di atas 1 hanya untuk file .png; gambar .bmp dan .svg "
                                          "selalu seukuran bidang gambar."));
    return *scale;
}

// --export FILE with its scale, and the view it shows: the file's type is
// refused first, then a view setting, then the scale.
void readPictureFile(const Arguments& arguments, CommandLineRequest& request)
{
    const QString path = arguments.value("export");
    const auto format = formatOfPath(path.toStdString());
    if (!format)
        throw BadArguments(refused("export", "nama file yang berakhiran .bmp, .png atau .svg", path));
    request.view = viewSettings(arguments);
    request.picture = PictureFileRequest{path, *format, readScale(arguments, *format)};
}

// Arguments without --export: true when they give a view to open the window
// on; otherwise they ask for nothing, or for a picture in the wrong way.
bool opensWindow(const Arguments& parsed)
{
    if (!parsed.positional().isEmpty())
        throw BadArguments(QStringLiteral("program ini tidak membuka file (\"%1\"); gambar ditulis "
                                          "dengan --export FILE.")
                               .arg(parsed.positional().front()));
    if (parsed.isSet("export"))
        return false;
    if (parsed.isSet("scale"))
        throw BadArguments(QStringLiteral("pilihan --scale hanya berlaku bersama --export FILE."));
    for (const std::string_view name : viewSettingNames()) {
        if (parsed.isSet(name))
            return true;
    }
    throw BadArguments(QStringLiteral("tidak ada yang dikerjakan; gambar ditulis dengan --export FILE, "
                                      "dan tanpa argumen jendela program dibuka."));
}

// What the parsed arguments ask for; throws BadArguments for the first
// thing refused.
void readTask(const Arguments& parsed, CommandLineRequest& request)
{
    using Task = CommandLineRequest::Task;
    if (parsed.isSet("help")) {
        request.task = Task::Help;
    } else if (parsed.isSet("version")) {
        request.task = Task::Version;
    } else if (parsed.isSet("section-info")) {
        // "--section-info": the section's line, "<nama>: <persamaan>", after
        // the picture when one is asked for too.
        if (!parsed.isSet("section"))
            throw BadArguments(
                QStringLiteral("pilihan --section-info hanya berlaku bersama --section SUDUT,JARAK."));
        request.task = Task::SectionInfo;
        request.view = viewSettings(parsed);
        if (parsed.isSet("export"))
            readPictureFile(parsed, request);
    } else if (parsed.isSet("size-info")) {
        // "--size-info": the worked numbers, after the picture when one is
        // asked for too; --size is there (loneSettingRefusal).
        request.task = Task::SizeInfo;
        request.view = viewSettings(parsed);
        if (parsed.isSet("export"))
            readPictureFile(parsed, request);
    } else if (opensWindow(parsed)) {
        request.view = viewSettings(parsed);
    } else {
        request.task = Task::Picture;
        readPictureFile(parsed, request);
    }
}

// The request for the program's own arguments, `own` (the program first,
// the toolkit's options taken out): nothing but the program is the window.
CommandLineRequest requestOf(const QString& program, const QStringList& own)
{
    CommandLineRequest request;
    request.program = program;
    if (own.size() <= 1)
        return request;
    try {
        Arguments parsed(program);
        parsed.parse(own);
        readTask(parsed, request);
    } catch (const BadArguments& bad) {
        request = {CommandLineRequest::Task::Refused, program, std::nullopt, std::nullopt, bad.text};
    }
    return request;
}

QString programName(const QStringList& arguments)
{
    return QFileInfo(arguments.value(0, QStringLiteral("ruvex3d"))).fileName();
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

// A section asked for where none can be drawn (a further figure, a flat
// solid): the picture is the plain one, and the window's sentence for that
// case says why. Empty otherwise.
QString undrawnSectionNotice(const Form1Model& model)
{
    if (!model.sectionShown())
        return {};
    const PlaneSection& section = model.planeSection();
    return section.available && !section.flat ? QString() : toQString(section.line());
}

// One line on standard error: whatever the user typed is shown, never obeyed
// by the terminal.
QString told(const QString& program, const QString& sentence)
{
    return escapedControls(program + QStringLiteral(": ") + sentence) + u'\n';
}

// The view opened as the window opens it, its picture written when one is
// asked for; then the section's line, or the notice beside the picture.
CommandLineResult openedViewResult(const CommandLineRequest& request)
{
    const OpenedView opened(*request.view);
    const Form1Model& model = opened.model();
    if (request.picture) {
        if (const auto failure = writeRequestedPicture(*request.picture, model))
            return {kExitNotWritten, {}, told(request.program, *failure)};
    }
    if (request.task == CommandLineRequest::Task::SectionInfo)
        return {kExitWritten, toQString(model.planeSection().line()) + u'\n', {}};
    if (request.task == CommandLineRequest::Task::SizeInfo)
        return {kExitWritten, toQString(model.sizeNumbersText()), {}};
    const QString notice = undrawnSectionNotice(model);
    return {kExitWritten, {}, notice.isEmpty() ? QString() : told(request.program, notice)};
}

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments)
{
    return requestOf(programName(arguments), withoutToolkitOptions(arguments, valueOptionNames()));
}

CommandLineRequest readCommandLine(int argc, char** argv)
{
    // Read as they are: the toolkit's own list drops a name's leading U+FEFF.
    const QStringList arguments = argumentList(argc, argv);
    const QStringList own = withoutToolkitOptions(arguments, valueOptionNames());
    // A name that is not UTF-8 cannot be written as given (the toolkit's file
    // names are UTF-8), and any other name would be the wrong file.
    if (own.size() > 1) {
        if (const auto argument = notUtf8Argument(argc, argv))
            return {CommandLineRequest::Task::Refused, programName(arguments), std::nullopt, std::nullopt,
                    QStringLiteral("argumen \"%1\" bukan teks UTF-8 yang sah; nama file dan nilai pilihan "
                                   "harus ditulis dalam UTF-8.")
                        .arg(*argument)};
    }
    return requestOf(programName(arguments), own);
}

CommandLineResult runCommandLine(const CommandLineRequest& request)
{
    using Task = CommandLineRequest::Task;
    switch (request.task) {
    case Task::Window:
        return {kExitWritten, {}, {}, request.view};
    case Task::Refused:
        return {kExitBadArguments, {}, told(request.program, request.refusal)};
    case Task::Help:
        return {kExitWritten, toQString(commandLineHelp(request.program.toStdString())), {}};
    case Task::Version:
        return {
            kExitWritten,
            QStringLiteral("%1 (RUVEX Display 3D) %2\n").arg(request.program, QLatin1String(kProgramVersion)),
            {}};
    case Task::Picture:
    case Task::SectionInfo:
    case Task::SizeInfo:
        return openedViewResult(request);
    }
    return {};
}

CommandLineResult runCommandLine(const QStringList& arguments)
{
    return runCommandLine(readCommandLine(arguments));
}

int runCommandLine(const CommandLineRequest& request, int& argc, char** argv)
{
    // No window system at all: the pictures are made in memory.
    const QCoreApplication application(argc, argv);
    const CommandLineResult result = runCommandLine(request);
    if (!print(stdout, result.output)) {
        print(stderr,
              QStringLiteral("%1: teks tidak dapat ditulis ke keluaran standar.\n").arg(request.program));
        return kExitNotWritten;
    }
    print(stderr, result.error);
    return result.status;
}
