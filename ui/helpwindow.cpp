#include "ui/helpwindow.h"

#include "ui/fonts.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "window/helptext.h"
#include "window/infowindowlayout.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTextEdit>

HelpWindow::HelpWindow(QWidget* parent)
    : ModelessDialog(parent, kHelpWindowName, kHelpCaption)
{
    setFixedSize(kHelpClientWidth, kHelpClientHeight);
    setColours(this, qColourOf(ruvex::win::kYellow), qColourOf(ruvex::win::kBlack), true);

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
