#include "ClipboardGlyph.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace artwork {
namespace {

// W pure white (the margin and the sheet's frame), b/B/h the board's edge, face and
// lit edge, k/m/l the clip's outline, metal and shine, p the sheet, t its lines.
// clang-format off
constexpr std::array<std::string_view, 16> Pixels{
    "WWWWWkkkkkWWWWW",
    "WbbbkllllmkbbbW",
    "WhBBkmmmmmkBBbW",
    "WhBWkkkkkkkWBbW",
    "WhBWpppppppWBbW",
    "WhBWptttttpWBbW",
    "WhBWpppppppWBbW",
    "WhBWptttttpWBbW",
    "WhBWpppppppWBbW",
    "WhBWptttttpWBbW",
    "WhBWpppppppWBbW",
    "WhBWptttpppWBbW",
    "WhBWpppppppWBbW",
    "WhBWWWWWWWWWBbW",
    "WhBBBBBBBBBBBbW",
    "WbbbbbbbbbbbbbW",
};
// clang-format on

QRgb colour(char code)
{
    switch (code) {
    case 'W':
        return qRgb(255, 255, 255);
    case 'b':
        return qRgb(98, 58, 24);
    case 'B':
        return qRgb(158, 100, 44);
    case 'h':
        return qRgb(190, 132, 68);
    case 'k':
        return qRgb(70, 72, 80);
    case 'm':
        return qRgb(158, 160, 170);
    case 'l':
        return qRgb(214, 216, 224);
    case 'p':
        return qRgb(236, 236, 236);
    case 't':
        return qRgb(128, 128, 128);
    }
    throw std::logic_error("unknown colour code in the clipboard glyph");
}

} // namespace

QImage clipboardGlyph()
{
    QImage image(15, int(Pixels.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colour(Pixels[y][x]));
    }
    return image;
}

} // namespace artwork
