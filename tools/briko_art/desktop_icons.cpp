#include "tools/briko_art/desktop_icons.h"

#include <QPainter>

#include "tools/briko_art/pictures.h"
#include "tools/pixel_map/pixel_map.h"

namespace briko_art {
namespace {

// The icon is four cells square and each cell a whole number of pixels, so
// every size stays sharp: a size that four does not divide gets the next smaller
// picture, centred.
QImage desktopIcon(int size) {
    const int drawn = size / 4 * 4;
    if (drawn == size)
        return icon(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage((size - drawn) / 2, (size - drawn) / 2, icon(drawn));
    return image;
}

}  // namespace

bool saveDesktopIcons(const QString& folder) {
    return fallpack_art::saveDesktopIcons(folder, desktopIcon);
}

}  // namespace briko_art
