#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A card picture decoded straight at the size it is drawn (stretched to it), so a large file never
// sits in memory whole and one too large for Qt to decode whole still comes out. A null image when
// path is empty or the file does not decode; an empty size decodes the file at its own size.
QImage decodeCardPicture(const QString& path, const QSize& size);
