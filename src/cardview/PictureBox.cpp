#include "PictureBox.h"

#include "CardPictureImage.h"

#include <QPixmap>

void PictureBox::setPicture(const QString& path)
{
    path_ = path;
    decode();
}

void PictureBox::decode()
{
    decodedRatio_ = devicePixelRatioF();
    const QImage image = decodeCardPicture(path_, (QSizeF(size()) * decodedRatio_).toSize());
    if (image.isNull()) {
        clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
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
