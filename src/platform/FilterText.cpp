#include "FilterText.h"

using namespace Qt::StringLiterals;

namespace FilterText {

QStringList nameFilters(const QList<QStringView>& parts)
{
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QStringView piece : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            piece = piece.trimmed();
            if (piece.isEmpty())
                continue;
            for (QChar c : piece)
                if (c.isSpace() || c == u'(' || c == u')')
                    return {};
            patterns << (piece == u"*.*" ? u"*"_s : piece.toString());
        }
        if (patterns.isEmpty())
            return {};
        out << parts[i].trimmed().toString() + u" ("_s + patterns.join(u' ') + u')';
    }
    return out;
}

QStringList fromBarSeparated(QStringView filter) { return nameFilters(filter.split(u'|')); }

}  // namespace FilterText
