#include "FilterCatalogue.h"

#include "catalogue/CatalogueText.h"
#include "platform/NumericText.h"
#include "platform/ProfileIndex.h"

#include <limits>

FilterCatalogue::FilterCatalogue(const QString& path)
{
    // The load and the preview parsed this file already; a run takes that parse while the file is
    // unchanged rather than reading and decoding it again.
    api_.setShareParsedFile(true);
    api_.setIniFileName(path);
}

namespace {

QString sectionOf(QStringView cardNo)
{
    if (!NumericText::isNumeric(cardNo))
        return cardNo.toString();
    const double n = NumericText::roundHalfEven(NumericText::leadingValue(cardNo));
    // A number no section can be named after stays as written.
    if (!(n >= 0 && n <= double(std::numeric_limits<qint32>::max())))
        return cardNo.toString();
    return CatalogueText::regularCardNumber(qint32(n));
}


// "001", "470", "1000", "P01": already the section's name, as the loader writes every card number.
bool namesItsSection(QStringView cardNo)
{
    if (cardNo.startsWith(u'P'))
        return true;
    if (cardNo.size() < 3 || cardNo.size() > 9 || (cardNo.size() > 3 && cardNo.front() == u'0'))
        return false;
    for (QChar c : cardNo)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}  // namespace

QStringView FilterCatalogue::value(QStringView cardNo, QStringView key)
{
    const ProfileIndex& file = api_.parsedFile();
    if (namesItsSection(cardNo))
        return clsWindowsAPI::readValue(file.findInColumn(cursor_, cardNo, key));
    return clsWindowsAPI::readValue(file.findInColumn(cursor_, sectionOf(cardNo), key));
}
