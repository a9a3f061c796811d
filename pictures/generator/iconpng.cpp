// Writes the program icon as PNG files for the desktop's icon theme and the
// installable page, one per size, from the same drawing as the icon inside
// the program:
//
//   iconpng OUTPUT_FOLDER      -> OUTPUT_FOLDER/{16,32,48,192,512}/ruvex3d.png

#include "artwork.h"

#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconpng OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 48, 192, 512}) {
        const QString sizeFolder = QString::number(size);
        if (!folder.mkpath(sizeFolder)
            || !programIcon(size).save(folder.filePath(sizeFolder + QStringLiteral("/ruvex3d.png")), "PNG")) {
            std::fprintf(stderr, "iconpng: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
