#include "DesktopServices.h"

using namespace Qt::StringLiterals;

namespace {
FileChooser* gChooser = nullptr;
SessionControl* gSession = nullptr;

// "*.txt;*.log" as "*.txt *.log"; "" when a pattern could not stand in a Qt name filter, which
// separates patterns by blanks and closes them with the first ")".
QString qtPatterns(QStringView platformPatterns)
{
    QStringList out;
    for (QStringView piece : platformPatterns.split(u';', Qt::SkipEmptyParts)) {
        piece = piece.trimmed();
        if (piece.isEmpty())
            continue;
        for (QChar c : piece)
            if (c.isSpace() || c == u'(' || c == u')')
                return {};
        out << (piece == u"*.*" ? u"*"_s : piece.toString());  // "*.*" takes names without a dot on Windows
    }
    return out.join(u' ');
}
}  // namespace

namespace DesktopServices {

Installation::Installation(FileChooser* chooser, SessionControl* session)
    : previousChooser_(gChooser), previousSession_(gSession)
{
    gChooser = chooser;
    gSession = session;
}

Installation::~Installation()
{
    gChooser = previousChooser_;
    gSession = previousSession_;
}

FileChooser* fileChooser()
{
    return gChooser;
}
SessionControl* session()
{
    return gSession;
}

SessionRequest requestForExitMode(qint32 exitMode)
{
    switch (exitMode) {
    case 1:
    case 8:
        return SessionRequest::PowerOff;
    case 2:
        return SessionRequest::Reboot;
    default:
        return SessionRequest::TerminateSession;
    }
}

QStringList nameFiltersFromPlatform(QStringView filter)
{
    // Every part must end in a NUL; an empty part closes the list and the platform reads no
    // further. The end of the text closes it too, as the NUL after a string does.
    QList<QStringView> parts;
    for (qsizetype pos = 0; pos < filter.size();) {
        const qsizetype nul = filter.indexOf(QChar(u'\0'), pos);
        if (nul < 0)
            return {};
        if (nul == pos)
            break;
        parts << filter.sliced(pos, nul - pos);
        pos = nul + 1;
    }
    if (parts.size() % 2 != 0)
        return {};
    QStringList out;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty())
            return {};
        out << parts[i].trimmed().toString() + u" ("_s + patterns + u')';
    }
    return out;
}

}  // namespace DesktopServices
