#include "FontSetup.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, QStringList{u"IPAGothic"_s, u"IPAゴシック"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, QStringList{u"IPAPGothic"_s, u"IPAPゴシック"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s, QStringList{u"Liberation Serif"_s});
}
