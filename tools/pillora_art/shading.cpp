#include "tools/pillora_art/shading.h"

#include <algorithm>
#include <cmath>

namespace pillora_art {

void paintBody(QImage& image, int left, int top, const RoundBody& body, const Ramp& ramp,
               const QRect& clip) {
    // Light from the upper left and a little in front; the viewer looks straight on.
    const double lx = -0.55, ly = -0.65, lz = 0.52;
    const double hx = lx, hy = ly, hz = lz + 1.0;
    const double hLength = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double dx = body.bx - body.ax, dy = body.by - body.ay;
    const double length2 = dx * dx + dy * dy;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!clip.contains(x, y))
                continue;
            const double px = x + 0.5 - left, py = y + 0.5 - top;
            double t = length2 > 0 ? ((px - body.ax) * dx + (py - body.ay) * dy) / length2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double vx = px - (body.ax + t * dx), vy = py - (body.ay + t * dy);
            const double d = std::sqrt(vx * vx + vy * vy);
            if (d >= body.radius)
                continue;
            const double nx = vx / body.radius, ny = vy / body.radius;
            const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
            const double diffuse = nx * lx + ny * ly + nz * lz;
            const double shine =
                std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hLength), 24);
            Ink ink = ramp.base;
            if (shine > 0.55)
                ink = ramp.shine;
            else if (diffuse > 0.72)
                ink = ramp.light;
            else if (diffuse < 0.05 || d > body.radius - 0.9)
                ink = ramp.shadow;
            image.setPixel(x, y, ink);
        }
    }
}

}  // namespace pillora_art
