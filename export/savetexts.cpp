#include "export/savetexts.h"

#include "export/escapedtext.h"

namespace SaveTexts {

std::string refusedNameMessage(std::string_view name, std::string_view reason)
{
    return fillIn(kRefusedName, escapedControls(name), reason);
}

std::string notWrittenMessage(std::string_view name, std::string_view reason)
{
    return fillIn(kNotWritten, escapedControls(name), reason);
}

std::string replaceQuestion(std::string_view chosen, std::string_view real)
{
    if (chosen == real)
        return fillIn(kReplaceQuestion, quotedName(real), {});
    return fillIn(kReplaceThroughLinkQuestion, quotedName(chosen), quotedName(real));
}

std::string encodingFailure(PictureFormat format)
{
    const std::string_view kind = format == PictureFormat::Bitmap ? "bitmap"
        : format == PictureFormat::Png                            ? "PNG"
                                                                  : "SVG";
    return fillIn(kNotEncoded, kind, {});
}

} // namespace SaveTexts
