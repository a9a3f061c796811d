#include "ui/infowindow.h"

#include "pictures/programpictures.h"
#include "ui/fonts.h"
#include "ui/qtcolours.h"
#include "ui/qtext.h"
#include "ui/qtrects.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

InfoWindow::InfoWindow(const InfoWindowLayout& layout, QWidget* parent)
    : ModelessDialog(parent, layout.name, layout.caption)
    , m_layout(layout)
{
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));

    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     layout.background == InfoBackground::White ? qColourOf(ruvex::win::kWhite)
                                                                : colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    if (!layout.picture.empty())
        m_picture = QPixmap(ProgramPictures::picturePath(layout.picture));

    createOkButton();
    createLabel();
    // The OK button is first in the tab order and the label takes no focus.
    m_ok->setFocus();
}

void InfoWindow::createOkButton()
{
    m_ok = new QPushButton(toQString(InfoWindowTexts::kOkCaption), this);
    m_ok->setObjectName(toQString(m_layout.okButton.name));
    m_ok->setGeometry(twipsRect(m_layout.okButton.place));
    // An about window's cmdOK closes it, a dialog's OKButton only hides it.
    m_ok->setDefault(m_layout.aboutWindow);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_layout.aboutWindow)
            close();
        else
            hide();
    });
}

void InfoWindow::createLabel()
{
    m_label = new QLabel(toQString(m_layout.text), this);
    m_label->setObjectName(toQString(m_layout.label.name));
    m_label->setGeometry(twipsRect(m_layout.label.place));
    m_label->setWordWrap(true);
    // Its text can be selected and copied (Ctrl+C), as the help's can; a
    // click gives it the keys, Tab does not.
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ControlFont font = InfoWindowTexts::kLabelFont;
    font.italic = m_layout.labelItalic;
    m_label->setFont(fontOf(font));
    if (m_layout.labelColours != LabelColours::Default) {
        QPalette colours = m_label->palette();
        colours.setColor(QPalette::Window, qColourOf(ruvex::win::kWhite));
        if (m_layout.labelColours == LabelColours::BlackOnWhite)
            colours.setColor(QPalette::WindowText, qColourOf(ruvex::win::kBlack));
        m_label->setPalette(colours);
        m_label->setAutoFillBackground(true);
    }
    // The OK button was made first, so the label would cover it where they
    // overlap; the button stays on top as a windowed control does.
    m_label->lower();
}

void InfoWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    for (const ColouredLine& line : m_layout.lines) {
        const LinePlacement& p = line.placement;
        painter.fillRect(qRectOf(horizontalLineRect(p.x1, p.y, p.x2, p.widthPixels)),
                         QColor::fromRgb(line.rgb));
    }
}

// Only an about window has a cancel button; QDialog would hide any.
void InfoWindow::escape()
{
    if (m_layout.aboutWindow)
        m_ok->click();
}
