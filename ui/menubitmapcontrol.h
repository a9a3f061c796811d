#pragma once
// The control that puts small bitmaps beside menu items (the main window's
// ctxHookMenu1). It is handed its stored settings, a bag of named values, and
// from them puts each bitmap beside the menu item that its key names ("#" +
// the item's object name), with the bitmap's mask or transparent colour
// applied, and gives the drop-down menus the stored font. A key that names no
// item of the window is ignored, as is a bitmap that is missing or empty.
//
// The settings it reads (N counts from 1):
//   "bmpcount"  how many bitmaps there are
//   "bmp:N"     the N-th bitmap, a QImage
//   "key:N"     "#" + the name of the menu item it belongs to
//   "mask:N"    a monochrome QImage of the same size, white where the menu
//               shows through; or an integer colour 0x00BBGGRR that is
//               transparent wherever the bitmap has it; or absent (opaque)
//   "font"      the QFont of the menus' items
// "_extentx" and "_extenty", its size on the design surface, mean nothing
// here. The bag is read once into a table of item, bitmap and mask.
//
// It paints nothing itself: the menus draw the icons, each at its own size.

#include <QObject>
#include <QVariantMap>

class QMainWindow;

class MenuBitmapControl final : public QObject {
    Q_OBJECT
public:
    explicit MenuBitmapControl(QMainWindow* window);

    void ReadProperties(const QVariantMap& settings);

private:
    void fitIconSizes();

    QMainWindow* m_window;
};
