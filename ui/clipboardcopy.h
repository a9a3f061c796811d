#pragma once
// The system clipboard for "Salin Gambar" and "Salin Kode Tampilan": puts an
// image or a text there and reads back whether the clipboard took it, so a
// platform without one (or a clipboard another program holds on to) can be
// told to the user instead of failing quietly.

#include <QImage>
#include <QString>

class QEvent;
class QWidget;

// True when the clipboard now offers it.
bool copyImageToClipboard(const QImage& image);
bool copyTextToClipboard(const QString& text);

// The Indonesian message box for a clipboard that refused `what` ("gambar",
// "kode tampilan").
void reportClipboardRefused(QWidget* owner, const QString& what);

// Whether `event` asks for the copy key (Ctrl+C) while a text has the keys:
// the definition box, the help's text, an information window's label, the
// section's lines. Such a text copies its own selection, so it keeps the key
// rather than "Salin Gambar"'s shortcut taking it.
bool textKeepsCopyKey(const QWidget* focus, const QEvent* event);
