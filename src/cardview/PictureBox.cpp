#include "PictureBox.h"

#include <QImageReader>
#include <QPixmap>

void PictureBox::setPicture(const QString& path)
{
    path_ = path;
    decode();
}

void PictureBox::decode()
{
    decodedRatio_ = devicePixelRatioF();
    QImage image;
    if (!path_.isEmpty()) {
        // A damaged or foreign file decodes to nothing; the card then shows without a picture.
        QImageReader reader(path_);
        reader.setDecideFormatFromContent(true);
        const QSize shown = (QSizeF(size()) * decodedRatio_).toSize();
        if (!shown.isEmpty())
            reader.setScaledSize(shown);
        image = reader.read();
    }
    if (image.isNull()) {
        clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(decodedRatio_);
    setPixmap(pixmap);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another pixel density: decoded anew, so it stays sharp there.
    if (!path_.isEmpty() && devicePixelRatioF() != decodedRatio_)
        decode();
    QLabel::paintEvent(event);
}
