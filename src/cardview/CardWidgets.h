#pragma once

#include "platform/Twips.h"

#include <QColor>
#include <QString>
#include <QStringList>

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

// What the preview pane and the card windows build their elements from. Positions are design
// values in twips, turned into pixels at the screen's DPI.
namespace CardWidgets {

Twips screenTwips();

struct Rect {
    qint32 left, top, width, height;
};

void place(QWidget* w, const Twips& twips, const Rect& r);

// A label named name, its text aligned horizontally as given; transparent until given a background.
QLabel* label(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r,
              Qt::Alignment align = Qt::AlignLeft);
// Fore colour, and a background (an invalid colour keeps the label transparent).
void colour(QWidget* w, const QColor& fore, const QColor& back = QColor());
// The size and style given; the faces too when given, else the ones the widget inherits.
void typeface(QWidget* w, qreal points, bool bold = false, bool italic = false, const QStringList& families = {});
// Single-line border, the colours given, the text centred vertically and kept off the border.
QLabel* borderedLabel(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, Qt::Alignment align,
                      const QColor& fore, const QColor& back);
// Single-line border, the system's window colours, centred text.
QLabel* valueBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, qreal points,
                 const QStringList& families = {});
// A read-only multi-line text box without border, in the window colours.
QPlainTextEdit* textBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, bool scrollBar);

// The picture box named name, empty until given a picture.
PictureBox* pictureBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r);
// Catalogue texts break lines with CR LF; a text box takes them as one break.
void setBoxText(QPlainTextEdit* box, const QString& text);

}  // namespace CardWidgets
