#include "FontSetup.h"

#include <QFont>

using namespace Qt::StringLiterals;

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, {u"IPAGothic"_s, u"IPAゴシック"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, {u"IPAPGothic"_s, u"IPAPゴシック"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s, {u"Liberation Serif"_s});
}
