// render_icon: draws an SVG picture into a square PNG of a given size, for the desktop icons
// installed beside the program (one PNG per hicolor size). Run at build time.
// Usage: render_icon <picture.svg> <size in pixels> <output.png>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kSmallestSize = 8;
constexpr int kLargestSize = 1024;

int fail(const char* message, const char* detail) {
    std::fprintf(stderr, "render_icon: %s%s\n", message, detail);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return fail("usage: render_icon <picture.svg> <size in pixels> <output.png>", "");
    }
    const std::string_view sizeText = argv[2];
    int size = 0;
    auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < kSmallestSize ||
        size > kLargestSize) {
        return fail("the size must be a whole number of pixels from 8 to 1024, not ", argv[2]);
    }

    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) return fail("cannot read the SVG picture ", argv[1]);

    // Transparent outside the drawing; the picture fills the square whatever its own size.
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter, QRectF(0, 0, size, size));
    }
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        return fail("cannot write ", argv[3]);
    }
    return 0;
}
