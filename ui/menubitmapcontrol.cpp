#include "ui/menubitmapcontrol.h"

#include <QAction>
#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>
#include <vector>

namespace {

// Menus size every icon to the style's small-icon size; a menu holding a
// larger bitmap gets this style so that bitmap shows at its own size (smaller
// ones are never enlarged).
class MenuIconStyle final : public QProxyStyle {
public:
    MenuIconStyle(QStyle* base, int iconSize, QObject* parent)
        : QProxyStyle(base)
        , m_iconSize(iconSize)
    {
        setParent(parent);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_SmallIconSize)
            return m_iconSize;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_iconSize;
};

bool isInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// Makes the pixels of `image` in `region` transparent black.
void clear(QImage& image, const QRegion& region)
{
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setClipRegion(region);
    painter.fillRect(image.rect(), Qt::transparent);
}

// The bitmap as ARGB with its mask (see "mask:N" in the header) turned into
// alpha.
QImage maskedBitmap(const QImage& bitmap, const QVariant& mask)
{
    QImage result = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (mask.typeId() == QMetaType::QImage) {
        // The bitmap of a mask is set where the mask is dark (grey below
        // 128); the rest of the mask's square shows through.
        const QImage maskImage = mask.value<QImage>();
        const QBitmap dark = QBitmap::fromImage(maskImage, Qt::ThresholdDither);
        clear(result, QRegion(maskImage.rect()).subtracted(QRegion(dark)));
    } else if (isInteger(mask)) {
        // Stored as 0x00BBGGRR; compared without the bitmap's alpha.
        const auto value = mask.toLongLong();
        const QRgb transparent = qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                                      static_cast<int>((value >> 16) & 0xFF));
        const QImage opaque = bitmap.convertToFormat(QImage::Format_RGB32);
        clear(result, QRegion(QBitmap::fromImage(opaque.createMaskFromColor(transparent, Qt::MaskOutColor))));
    }
    return result;
}

// One bitmap of the stored settings, as read once from them.
struct MenuBitmap {
    QString itemName; // the key without its "#"
    QImage bitmap;
    QVariant mask;
};

// The settings' bitmaps with a key that can name an item ("#" + name) and a
// bitmap that is not empty.
std::vector<MenuBitmap> menuBitmaps(const QVariantMap& settings)
{
    std::vector<MenuBitmap> table;
    const int count = settings.value(QStringLiteral("bmpcount")).toInt();
    for (int number = 1; number <= count; ++number) {
        const QString key = settings.value(QStringLiteral("key:%1").arg(number)).toString();
        const QImage bitmap = settings.value(QStringLiteral("bmp:%1").arg(number)).value<QImage>();
        if (key.startsWith(QLatin1Char('#')) && !bitmap.isNull())
            table.push_back({key.mid(1), bitmap, settings.value(QStringLiteral("mask:%1").arg(number))});
    }
    return table;
}

} // namespace

MenuBitmapControl::MenuBitmapControl(QMainWindow* window)
    : QObject(window)
    , m_window(window)
{
}

void MenuBitmapControl::ReadProperties(const QVariantMap& settings)
{
    QMenuBar* bar = m_window->menuBar();
    for (const MenuBitmap& entry : menuBitmaps(settings)) {
        if (QAction* item = bar->findChild<QAction*>(entry.itemName))
            item->setIcon(QIcon(QPixmap::fromImage(maskedBitmap(entry.bitmap, entry.mask))));
    }

    const QVariant font = settings.value(QStringLiteral("font"));
    if (font.typeId() == QMetaType::QFont) {
        for (QMenu* menu : bar->findChildren<QMenu*>())
            menu->setFont(font.value<QFont>());
    }
    fitIconSizes();
}

void MenuBitmapControl::fitIconSizes()
{
    for (QMenu* menu : m_window->menuBar()->findChildren<QMenu*>()) {
        int largest = 0;
        for (const QAction* item : menu->actions())
            for (const QSize size : item->icon().availableSizes())
                largest = std::max({largest, size.width(), size.height()});
        QStyle* current = menu->style();
        if (largest <= current->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu))
            continue;
        QStyle* base = QStyleFactory::create(current->name());
        if (!base)
            continue;
        menu->setStyle(new MenuIconStyle(base, largest, this));
    }
}
