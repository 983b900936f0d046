#include "DesktopServices.h"

#include "platform/FilterText.h"

using namespace Qt::StringLiterals;

namespace {
FileChooser* gChooser = nullptr;
SessionControl* gSession = nullptr;

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
    return FilterText::nameFilters(parts);
}

}  // namespace DesktopServices
