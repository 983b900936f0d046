#include "FilterCatalogue.h"

#include "deck/CardNumber.h"
#include "platform/ProfileIndex.h"

FilterCatalogue::FilterCatalogue(const QString& path)
{
    // The load and the preview parsed this file already; a run takes that parse while the file is
    // unchanged rather than reading and decoding it again.
    api_.setShareParsedFile(true);
    api_.setIniFileName(path);
}

QStringView FilterCatalogue::value(QStringView cardNo, QStringView key)
{
    const ProfileIndex& file = api_.parsedFile();
    // "001", "P01": already the section's name, as the loader writes every card number.
    if (CardNumber::parse(cardNo))
        return clsWindowsAPI::readValue(file.findInColumn(cursor_, cardNo, key));
    return clsWindowsAPI::readValue(file.findInColumn(cursor_, CardNumber::sectionText(cardNo), key));
}
