#pragma once

#include <QFont>
#include <QStringList>

// The faces the card windows, the preview pane and the deck sheet draw with, each a fixed list:
// the first face that has a character draws it. Named outright, so that a card looks the same
// whatever the desktop's default font is; the packages that install them are the program's
// dependencies.
namespace CardFonts {

// The forms' "ＭＳ Ｐゴシック": proportional Gothic, Latin included.
inline QStringList gothic() { return {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}; }
// The preview pane's own texts: Latin from DejaVu Sans, the rest from IPA Gothic.
inline QStringList sans() { return {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic")}; }
// The forms' "Times New Roman": Liberation Serif, with IPA Mincho for the Japanese.
inline QStringList serif() { return {QStringLiteral("Liberation Serif"), QStringLiteral("IPAMincho")}; }

inline QFont font(const QStringList& families, qreal points)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    return f;
}

}  // namespace CardFonts
