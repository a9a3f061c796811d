#include "ui/commandline.h"

#include "ui/programversion.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"

#include <QCoreApplication>

CommandLineResult runCommandLine(const CommandLineRequest& request)
{
    const auto write = [](const std::string& path, std::string_view bytes) -> std::optional<std::string> {
        const auto failure
            = writeWholeFile(toQString(path), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return failure ? std::optional(failure->toStdString()) : std::nullopt;
    };
    return runCommandLine(request, kProgramVersion, write);
}

CommandLineResult runCommandLine(const QStringList& arguments)
{
    ArgumentList words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    return runCommandLine(readCommandLine(words));
}

int runCommandLine(const CommandLineRequest& request, int& argc, char** argv)
{
    // No window system at all: the pictures are made in memory.
    const QCoreApplication application(argc, argv);
    return printCommandLineResult(runCommandLine(request), request.program);
}
