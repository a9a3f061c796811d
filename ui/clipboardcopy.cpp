#include "ui/clipboardcopy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Read back rather than trusted: setting the data reports no failure, and a
// platform without a clipboard, or one whose owner cannot be taken, simply
// does not offer it afterwards.
const QMimeData* clipboardData()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

} // namespace

bool copyImageToClipboard(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull())
        return false;
    clipboard->setImage(image);
    const QMimeData* data = clipboardData();
    return data && data->hasImage();
}

bool copyTextToClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    const QMimeData* data = clipboardData();
    return data && data->hasText() && data->text() == text;
}

void reportClipboardRefused(QWidget* owner, const QString& what)
{
    QMessageBox::warning(
        owner, QStringLiteral("RUVEX Display 3D"),
        QStringLiteral("Papan klip tidak dapat menerima %1, jadi %1 tidak tersalin.").arg(what));
}

bool textKeepsCopyKey(const QWidget* focus, const QEvent* event)
{
    if (!focus || event->type() != QEvent::ShortcutOverride
        || !static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false;
    if (qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus)
        || qobject_cast<const QLineEdit*>(focus))
        return true;
    const auto* label = qobject_cast<const QLabel*>(focus);
    return label && label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
}
