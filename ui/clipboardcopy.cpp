#include "ui/clipboardcopy.h"

#include "ui/qtext.h"
#include "window/desktoptexts.h"
#include "window/form1layout.h"
#include "window/pagetexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>

namespace {

// Read back rather than trusted: setting the data reports no failure, and a
// platform without a clipboard, or one whose owner cannot be taken, simply
// does not offer it afterwards.
const QMimeData* clipboardData()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

bool copied(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull())
        return false;
    clipboard->setImage(image);
    const QMimeData* data = clipboardData();
    return data && data->hasImage();
}

bool copied(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    const QMimeData* data = clipboardData();
    return data && data->hasText() && data->text() == text;
}

// `what` is the core's name of what was copied.
void reportRefused(QWidget* owner, std::string_view what)
{
    QMessageBox::warning(owner, toQString(Form1Layout::kCaption),
                         toQString(DesktopTexts::kClipboardRefused).arg(toQString(what)));
}

} // namespace

void copyToClipboard(QWidget* owner, const QImage& image)
{
    if (!copied(image))
        reportRefused(owner, PageTexts::kCopiedPicture);
}

void copyToClipboard(QWidget* owner, const QString& text)
{
    if (!copied(text))
        reportRefused(owner, PageTexts::kCopiedViewCode);
}
