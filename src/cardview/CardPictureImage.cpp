#include "CardPictureImage.h"

#include <QImageReader>

namespace {

// A palette picture in true colour, each k x k block averaged, k as large as keeps it at least twice
// the size shown: what is left for the smooth scaling is small whatever the picture's size.
QImage reduced(const QImage& palette, const QSize& shown)
{
    const int k = std::max(1, std::min(palette.width() / (2 * shown.width()), palette.height() / (2 * shown.height())));
    QImage out((palette.width() + k - 1) / k, (palette.height() + k - 1) / k, QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            qint64 a = 0, r = 0, g = 0, b = 0, n = 0;  // a block may hold millions of pixels
            for (int py = y * k; py < std::min((y + 1) * k, palette.height()); ++py)
                for (int px = x * k; px < std::min((x + 1) * k, palette.width()); ++px, ++n) {
                    const QRgb c = palette.pixel(px, py);
                    a += qAlpha(c), r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            line[x] = qRgba(int(r / n), int(g / n), int(b / n), int(a / n));
        }
    }
    return out;
}

// Qt's scaled read hands a palette picture back in a palette of its own, dithered, and so does a
// smooth scaling of it: such a picture (a byte a pixel) is read whole and reduced here, unless it
// is too large to read whole.
QImage read(const QString& path, const QSize& shown)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (shown.isEmpty())
        return reader.read();
    const QImage::Format format = reader.imageFormat();
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono || format == QImage::Format_MonoLSB) {
        const QImage whole = reader.read();
        if (!whole.isNull())
            return reduced(whole, shown).scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        reader.setFileName(path);  // read anew
    }
    reader.setScaledSize(shown);
    return reader.read();
}

}  // namespace

QImage decodeCardPicture(const QString& path, const QSize& size)
{
    // A damaged or foreign file decodes to nothing; the card then shows without a picture.
    return path.isEmpty() ? QImage() : read(path, size);
}
