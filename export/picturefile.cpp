#include "export/picturefile.h"

#include "export/bitmapfile.h"
#include "export/pngfile.h"
#include "export/svgpicture.h"
#include "surface/shapecatalogue.h"

#include <string>

namespace {

std::vector<std::uint8_t> svgFileBytes(const PictureFileView& view)
{
    const std::string title = svgPictureTitle(shapeCaption(view.shapeIndex));
    const std::string svg
        = svgPicture(view.lines, view.picture.width(), view.picture.height(), title, view.caption);
    return {svg.begin(), svg.end()};
}

} // namespace

std::vector<std::uint8_t> pictureFileBytes(const PictureFileView& view, PictureFormat format, int scale)
{
    switch (format) {
    case PictureFormat::Bitmap:
        return bitmapFileBytes(view.picture);
    case PictureFormat::Png:
        return viewPngFile(view.picture, view.lines, scale);
    case PictureFormat::Svg:
        return svgFileBytes(view);
    }
    return {};
}
