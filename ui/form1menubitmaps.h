#pragma once
// The stored settings of the main window's menu-bitmap control ctxHookMenu1:
// eight bitmaps, each keyed to a menu item by "#" + its name, with their masks
// or transparent colour, and the menus' font. The main window hands them to
// MenuBitmapControl and does nothing else with that control.

#include <QVariantMap>

QVariantMap ctxHookMenu1Settings();
