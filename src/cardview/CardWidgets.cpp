#include "CardWidgets.h"

#include "PictureBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace CardWidgets {

Twips screenTwips()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return Twips(s ? s->logicalDotsPerInchX() : 96.0);
}

void place(QWidget* w, const Twips& twips, const Rect& r)
{
    w->setGeometry(twips.toPx(r.left), twips.toPx(r.top), twips.toPx(r.width), twips.toPx(r.height));
}

QLabel* label(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, Qt::Alignment align)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf16(name));
    // Label text sits at the top of its box, as on the forms these windows were drawn after.
    l->setAlignment((align & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);  // a card name is never markup
    place(l, twips, r);
    return l;
}

void colour(QWidget* w, const QColor& fore, const QColor& back)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    if (back.isValid()) {
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::Base, back);
    }
    w->setPalette(pal);
    w->setAutoFillBackground(back.isValid());
}

void typeface(QWidget* w, qreal points, bool bold, bool italic, const QStringList& families)
{
    QFont f = w->font();
    if (!families.isEmpty())
        f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    w->setFont(f);
}

QLabel* borderedLabel(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, Qt::Alignment align,
                      const QColor& fore, const QColor& back)
{
    QLabel* l = label(parent, twips, name, r, align);
    // The box is barely taller than its text: at the top, the text would sit on the lower border.
    l->setAlignment((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    l->setIndent(2);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    colour(l, fore, back);
    return l;
}

QLabel* valueBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, qreal points,
                 const QStringList& families)
{
    QLabel* l = label(parent, twips, name, r);
    // Centred both ways: the large digits fill the box, and the substituted fonts run taller than
    // the box was drawn for, so at the top they would lose their foot.
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setLineWidth(1);
    const QPalette system = QGuiApplication::palette();
    colour(l, system.color(QPalette::Text), system.color(QPalette::Base));
    typeface(l, points, false, false, families);
    return l;
}

QPlainTextEdit* textBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r, bool scrollBar)
{
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(QString::fromUtf16(name));
    t->setReadOnly(true);
    t->setFrameShape(QFrame::NoFrame);
    t->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->document()->setDocumentMargin(1);
    place(t, twips, r);
    return t;
}

PictureBox* pictureBox(QWidget* parent, const Twips& twips, const char16_t* name, const Rect& r)
{
    auto* box = new PictureBox(parent);
    box->setObjectName(QString::fromUtf16(name));
    box->setScaledContents(true);
    place(box, twips, r);
    return box;
}

void setBoxText(QPlainTextEdit* box, const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(plain);
}

}  // namespace CardWidgets
