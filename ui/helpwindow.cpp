#include "ui/helpwindow.h"

#include "ui/fonts.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "window/helptext.h"
#include "window/infowindowlayout.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr QSize kClientSize(kHelpClientWidth, kHelpClientHeight);

void setYellowOnBlack(QWidget* widget)
{
    const QColor yellow = qColourOf(ruvex::win::kYellow);
    const QColor black = qColourOf(ruvex::win::kBlack);
    QPalette colours = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, yellow);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        colours.setColor(role, black);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : ModelessDialog(parent)
{
    setObjectName(toQString(kHelpWindowName));
    setWindowTitle(toQString(kHelpCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    setFixedSize(kClientSize);
    setFont(msSansSerifFont());
    setYellowOnBlack(this);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtPetunjuk"));
    m_text->setReadOnly(true);
    // Read by scrolling: the keys page through the text instead of moving a
    // cursor, and Enter is left to the OK button.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setFont(timesNewRomanFont(kHelpTextPointSize));
    m_text->setHtml(toQString(kHelpText));
    // Read whole by a screen reader; unnamed, it would be an empty edit box.
    m_text->setAccessibleName(toQString(kHelpCaption));

    m_ok = new QPushButton(toQString(InfoWindowTexts::kOkCaption), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    m_text->setFocus();
}
