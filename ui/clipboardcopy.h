#pragma once
// The system clipboard for "Salin Gambar" and "Salin Kode Tampilan": puts an
// image or a text there and reads back whether the clipboard took it, so a
// platform without one (or a clipboard another program holds on to) can be
// told to the user instead of failing quietly.

#include <QImage>
#include <QString>

class QWidget;

// Puts it on the clipboard; one that does not take it is told in a message
// box over `owner`.
void copyToClipboard(QWidget* owner, const QImage& image);
void copyToClipboard(QWidget* owner, const QString& text);
