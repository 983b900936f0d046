#include "FilterCatalogue.h"

#include "catalogue/CatalogueText.h"
#include "platform/NumericText.h"

#include <limits>

FilterCatalogue::FilterCatalogue(const QString& path) { api_.setIniFileName(path); }

QString FilterCatalogue::sectionOf(QStringView cardNo)
{
    if (!NumericText::isNumeric(cardNo))
        return cardNo.toString();
    const double n = NumericText::roundHalfEven(NumericText::leadingValue(cardNo));
    // A number no section can be named after stays as written.
    if (!(n >= 0 && n <= double(std::numeric_limits<qint32>::max())))
        return cardNo.toString();
    return CatalogueText::regularCardNumber(qint32(n));
}

QStringView FilterCatalogue::value(QStringView cardNo, QStringView key)
{
    return api_.valueView(key, sectionOf(cardNo));
}
