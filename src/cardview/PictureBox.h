#pragma once

#include <QLabel>

// A card's picture stretched to its box. The file is decoded at the size the box has on the
// screen, device pixels included, so a window keeps a box-sized picture whatever the file's size,
// and a picture too large for Qt to decode whole still shows.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Shows the picture in the file, or none when path is empty or the file does not decode.
    void setPicture(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void decode();

    QString path_;
    qreal decodedRatio_ = 0;  // the device pixel ratio the shown picture was decoded for
};
