#include "CardPictureImage.h"

#include <QImageReader>

QImage decodeCardPicture(const QString& path, const QSize& size)
{
    if (path.isEmpty())
        return {};
    // A damaged or foreign file decodes to nothing; the card then shows without a picture.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!size.isEmpty())
        reader.setScaledSize(size);
    return reader.read();
}
