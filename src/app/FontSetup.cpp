#include "FontSetup.h"

#include "cardview/CardFonts.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, QStringList{u"IPAGothic"_s});
    QFont::insertSubstitutions(u"ＭＳ Ｐゴシック"_s, CardFonts::gothic());
    QFont::insertSubstitutions(u"Times New Roman"_s, CardFonts::serif());
}
