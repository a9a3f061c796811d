#include "ui/picturewriting.h"

#include "export/picturefile.h"
#include "export/picturename.h"
#include "export/savetarget.h"
#include "export/savetexts.h"
#include "ui/programarguments.h"
#include "ui/qtext.h"
#include "ui/wholefile.h"

#include <QFileInfo>

#include <cstdint>
#include <vector>

namespace {

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

// Writes the file of `view` whole to `path`: nothing when it is written,
// otherwise why not. It is encoded in memory first, so that every failure
// left is the disk's.
std::optional<QString> writePictureFile(const QString& path, const PictureFileView& view,
                                        PictureFormat format, int scale)
{
    const std::vector<std::uint8_t> bytes = pictureFileBytes(view, format, scale);
    if (bytes.empty())
        return toQString(SaveTexts::encodingFailure(format));
    return writeWholeFile(path, toQByteArray(bytes));
}

} // namespace

// Writes the picture asked for from the view opened on the window's model,
// under the same rules as in the window and the page: a name that shows
// (export/picturename.h), only regular files, links as the file they lead
// to, names the file system takes. The failure in one line, or nothing.
std::optional<QString> writeRequestedPicture(const PictureFileRequest& request, const Form1Model& model)
{
    const PictureFileView picture{model.area().Image(), model.pictureLines(), model.shapeIndex()};
    const PictureName named = givenPictureName(request.path.toStdString());
    if (named.refused())
        return oneLine(toQString(named.refusal), {request.path});
    const SaveTarget target = vetSaveTarget(named.path);
    if (target.refused())
        return oneLine(toQString(target.refusal), {request.path});
    const QString real = toQString(target.path);
    if (const auto failure = writePictureFile(real, picture, request.format, request.scale))
        return oneLine(QStringLiteral("gambar tidak dapat ditulis ke file %1. %2").arg(real, *failure),
                       {request.path, real});
    return std::nullopt;
}
