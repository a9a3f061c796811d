#include "ui/form1menubitmaps.h"

#include "pictures/programpictures.h"
#include "platform/colours.h"
#include "ui/fonts.h"

#include <QFont>
#include <QImage>

#include <array>

namespace {

// "#MnuHelp" names no item of the main window (its Help menu is MnuHelputama),
// so bitmap 6 shows nowhere; it is kept because the stored settings have it.
constexpr std::array<const char*, 8> kKeys = {
    "#mnuSave",        "#mnuExit", "#MnuFungsi", "#MnuSasaran",
    "#MnuTerimakasih", "#MnuHelp", "#Mnu",       "#MnuInfodancredit",
};

// Bitmap 2 has no mask: white (0x00BBGGRR) is its transparent colour.
constexpr int kTransparentBitmap = 2;
constexpr auto kWhite = static_cast<qlonglong>(ruvex::win::kWhite);

} // namespace

QVariantMap ctxHookMenu1Settings()
{
    QVariantMap settings{
        {QStringLiteral("_extentx"), 900},
        {QStringLiteral("_extenty"), 900},
        {QStringLiteral("bmpcount"), static_cast<int>(kKeys.size())},
        {QStringLiteral("font"), tahomaFont(8.25, true)},
    };
    for (int number = 1; number <= static_cast<int>(kKeys.size()); ++number) {
        settings.insert(QStringLiteral("bmp:%1").arg(number), QImage(ProgramPictures::menuBitmap(number)));
        settings.insert(QStringLiteral("key:%1").arg(number),
                        QString::fromLatin1(kKeys[static_cast<std::size_t>(number - 1)]));
        settings.insert(QStringLiteral("mask:%1").arg(number),
                        number == kTransparentBitmap ? QVariant(kWhite)
                                                     : QVariant(QImage(ProgramPictures::menuMask(number))));
    }
    return settings;
}
