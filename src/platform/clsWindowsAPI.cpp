#include "clsWindowsAPI.h"

#include "Cp932.h"
#include "ProfileCache.h"
#include "ProfileEdit.h"
#include "ProfileIndex.h"
#include "ProfileSyntax.h"


using namespace Qt::StringLiterals;

namespace {

// The read buffer of the Windows profile routines holds 4096 bytes with the terminating NUL.
constexpr qsizetype kMaxValueBytes = 4095;

QStringView orFallback(const QString& argument, const QString& property)
{
    return ProfileSyntax::onlySpaces(argument) ? QStringView(property) : QStringView(argument);
}

// What a read hands back of a stored value: the text before the first NUL, cut to the buffer.
QStringView cutValue(QStringView value)
{
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0)
        value = value.first(nul);
    return value.first(Cp932::prefixFittingBytes(value, kMaxValueBytes));
}

}  // namespace

clsWindowsAPI::clsWindowsAPI() = default;
clsWindowsAPI::~clsWindowsAPI() = default;

void clsWindowsAPI::setIniFileName(const QString& vData)
{
    // Callers may set the same name once per card: only a new name makes the index stale.
    if (vData == iniFileName_)
        return;
    iniFileName_ = vData;
    index_.reset();
}

const ProfileIndex& clsWindowsAPI::index()
{
    if (!index_)
        index_ = shareParsedFile_ ? ProfileCache::index(iniFileName_) : std::make_shared<ProfileIndex>(iniFileName_);
    return *index_;
}

QStringView clsWindowsAPI::valueView(QStringView key, QStringView section)
{
    const QStringView sectionName = ProfileSyntax::onlySpaces(section) ? QStringView(appName_) : section;
    const QStringView keyName = ProfileSyntax::onlySpaces(key) ? QStringView(keyName_) : key;
    return readValue(index().find(sectionName, keyName));
}

QStringView clsWindowsAPI::readValue(std::optional<QStringView> found) { return found ? cutValue(*found) : QStringView(); }

std::shared_ptr<const QString> clsWindowsAPI::storage() { return index().storage(); }

QString clsWindowsAPI::GetInitValue(const QString& istrKeyName, const QString& istrAppName)
{
    const QStringView value = valueView(istrKeyName, istrAppName);
    return value.isEmpty() ? default_ : value.toString();
}

bool clsWindowsAPI::SetInitValue(const QString& istrKeyName, const QString& istrValue, const QString& istrAppName)
{
    const bool written = ProfileEdit::writeValue(iniFileName_, orFallback(istrAppName, appName_),
                                           orFallback(istrKeyName, keyName_), istrValue);
    index_.reset();
    return written;
}

