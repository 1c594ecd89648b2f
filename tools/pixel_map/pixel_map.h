#pragma once

#include <QImage>

#include <cstring>
#include <initializer_list>
#include <map>

namespace fallpack_art {

// A small picture drawn pixel by pixel, for the sizes where a scaled drawing
// blurs: one text per row, one character per pixel, looked up in `colours`; a
// '.' is see-through. Rows of unequal length or an unknown character give a null
// image, which the tools refuse to save.
inline QImage pixelMap(std::initializer_list<const char*> rows,
                       const std::map<char, QRgb>& colours) {
    const int width = rows.size() == 0 ? 0 : static_cast<int>(std::strlen(*rows.begin()));
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char* row : rows) {
        if (static_cast<int>(std::strlen(row)) != width)
            return {};
        for (int x = 0; x < width; ++x) {
            if (row[x] == '.')
                continue;
            const auto colour = colours.find(row[x]);
            if (colour == colours.end())
                return {};
            image.setPixel(x, y, colour->second);
        }
        ++y;
    }
    return image;
}

// The sizes of the desktop's icon theme folders, smallest first.
inline constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes `draw(size)` as "<size>.png" into `folder` for every desktop size.
template <typename Draw>
bool saveDesktopIcons(const QString& folder, Draw draw) {
    bool ok = true;
    for (const int size : kDesktopIconSizes) {
        const QImage icon = draw(size);
        ok = !icon.isNull() && icon.width() == size && icon.height() == size &&
             icon.save(folder + QStringLiteral("/%1.png").arg(size), "PNG") && ok;
    }
    return ok;
}

}  // namespace fallpack_art
