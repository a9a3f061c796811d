#include "ui/menubitmapcontrol.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>

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

bool isWhite(QRgb pixel)
{
    return qGray(pixel) >= 128;
}

} // namespace

MenuBitmapControl::MenuBitmapControl(QMainWindow* window)
    : QObject(window)
    , m_window(window)
{
}

QImage MenuBitmapControl::maskedBitmap(const QImage& bitmap, const QVariant& mask)
{
    QImage result = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (mask.typeId() == QMetaType::QImage) {
        const QImage maskImage = mask.value<QImage>();
        const int width = std::min(result.width(), maskImage.width());
        const int height = std::min(result.height(), maskImage.height());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (isWhite(maskImage.pixel(x, y)))
                    result.setPixel(x, y, qRgba(0, 0, 0, 0));
    } else if (isInteger(mask)) {
        // Stored as 0x00BBGGRR.
        const auto value = mask.toLongLong();
        const QRgb transparent = qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                                      static_cast<int>((value >> 16) & 0xFF));
        for (int y = 0; y < result.height(); ++y)
            for (int x = 0; x < result.width(); ++x)
                if ((result.pixel(x, y) & RGB_MASK) == (transparent & RGB_MASK))
                    result.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    return result;
}

void MenuBitmapControl::ReadProperties(const QVariantMap& settings)
{
    QMenuBar* bar = m_window->menuBar();
    const int count = settings.value(QStringLiteral("bmpcount")).toInt();
    for (int number = 1; number <= count; ++number) {
        const QString key = settings.value(QStringLiteral("key:%1").arg(number)).toString();
        const QImage bitmap = settings.value(QStringLiteral("bmp:%1").arg(number)).value<QImage>();
        if (!key.startsWith(QLatin1Char('#')) || bitmap.isNull())
            continue;
        QAction* item = bar->findChild<QAction*>(key.mid(1));
        if (!item)
            continue;
        const QImage picture = maskedBitmap(bitmap, settings.value(QStringLiteral("mask:%1").arg(number)));
        item->setIcon(QIcon(QPixmap::fromImage(picture)));
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
