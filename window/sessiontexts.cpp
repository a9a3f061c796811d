// The window session's view as text: the page's address, which follows the
// view, the picture in words and the name a shared picture goes by.

#include "export/picturetypes.h"
#include "surface/shapecatalogue.h"
#include "window/picturewords.h"
#include "window/windowsession.h"

std::string WindowSession::viewAddress() const
{
    return '#' + viewFragment(m_model.viewSettings());
}

std::string WindowSession::addressToWrite()
{
    const std::string address = viewAddress();
    if (m_ended || address == m_writtenAddress)
        return {};
    m_writtenAddress = address;
    return address;
}

std::string WindowSession::pictureWords() const
{
    return m_pointerHeld ? std::string() : pictureInWords(m_model.viewSettings());
}

std::string WindowSession::pictureName() const
{
    return sharedPictureName(shapeCaption(m_model.shapeIndex()));
}
