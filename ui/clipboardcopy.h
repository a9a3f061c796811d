#pragma once
// The system clipboard for "Salin Gambar" and "Salin Kode Tampilan": puts an
// image or a text there and reads back whether the clipboard took it, so a
// platform without one (or a clipboard another program holds on to) can be
// told to the user instead of failing quietly.

#include <QImage>
#include <QString>

#include <string_view>

class QWidget;

// True when the clipboard now offers it.
bool copyImageToClipboard(const QImage& image);
bool copyTextToClipboard(const QString& text);

// The message box for a clipboard that refused `what` (the core's name of
// what was copied).
void reportClipboardRefused(QWidget* owner, std::string_view what);
