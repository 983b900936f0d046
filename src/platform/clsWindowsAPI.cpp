#include "clsWindowsAPI.h"

#include "Cp932.h"
#include "FileWrite.h"
#include "ProfileCache.h"
#include "ProfileEdit.h"
#include "ProfileIndex.h"
#include "ProfileSyntax.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

// The read buffer of the Windows profile routines holds 4096 bytes with the terminating NUL.
constexpr qsizetype kMaxValueBytes = 4095;

QStringView orFallback(const QString& argument, const QString& property)
{
    return ProfileSyntax::isBlankArgument(argument) ? QStringView(property) : QStringView(argument);
}

// What a read hands back of a stored value: the text before the first NUL, cut to the buffer.
QStringView cutValue(QStringView value)
{
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0)
        value = value.first(nul);
    return value.first(Cp932::prefixFittingBytes(value, kMaxValueBytes));
}

bool survivesEncoding(QStringView text) { return Cp932::decode(Cp932::encode(text)) == text; }

bool hasLineEnd(QStringView text) { return text.contains(u'\r') || text.contains(u'\n'); }

// Writes one key into a profile file. Names that could not be read back as written (a "]" in a
// section name, a key opening with "[" or holding "=", line ends anywhere) are refused rather
// than written into a line of another meaning.
bool writeProfileValue(const QString& path, QStringView section, QStringView key, QStringView value)
{
    section = ProfileSyntax::trimmed(section);
    key = ProfileSyntax::trimmed(key);
    if (section.isEmpty() || key.isEmpty() || section.contains(u']') || key.startsWith(u'[') ||
        key.contains(u'=') || hasLineEnd(section) || hasLineEnd(key) || hasLineEnd(value) ||
        !survivesEncoding(section) || !survivesEncoding(key))
        return false;

    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        QFile in(path);
        if (!QFileInfo(path).isFile() || !in.open(QIODevice::ReadOnly))
            return false;
        bytes = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return false;
    }
    const std::optional<QByteArray> edited = ProfileEdit::setValue(bytes, section, key, Cp932::encode(value));
    if (!edited)
        return true;  // the file already says so

    // Atomic replacement only: a failed write must leave the old file whole.
    return writeFileAtomically(path, *edited).ok();
}

QString registryFile()
{
    const QString configured = qEnvironmentVariable("TESSARIN_REGISTRY");
    if (!configured.isEmpty())
        return configured;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + u"/tessarin-registry.ini"_s;
}

// A registry key becomes a section "<root as 8 hex digits>\<path>"; the unnamed value, "@".
QString registrySection(qint32 root, const QString& path)
{
    return QString::number(quint32(root), 16).rightJustified(8, u'0').toUpper() + u'\\' + path;
}

QString registryValueName(const QString& name) { return name.isEmpty() ? u"@"_s : name; }

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
    const QStringView sectionName = ProfileSyntax::isBlankArgument(section) ? QStringView(appName_) : section;
    const QStringView keyName = ProfileSyntax::isBlankArgument(key) ? QStringView(keyName_) : key;
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
    const bool written = writeProfileValue(iniFileName_, orFallback(istrAppName, appName_),
                                           orFallback(istrKeyName, keyName_), istrValue);
    index_.reset();
    return written;
}

QString clsWindowsAPI::GetRegStrValue(const QString& istrValueName, const QString& istrSubKey, qint32 ilngRootKey)
{
    const QString path = istrSubKey.isEmpty() ? subKey_ : istrSubKey;
    const ProfileIndex registry(registryFile());
    const std::optional<QStringView> value =
        registry.find(registrySection(ilngRootKey, path), registryValueName(istrValueName));
    return value ? cutValue(*value).toString() : default_;
}

bool clsWindowsAPI::SetRegStrValue(const QString& istrValueName, const QString& istrValue, const QString& istrSubKey,
                                   qint32 ilngRootKey)
{
    const QString path = istrSubKey.isEmpty() ? subKey_ : istrSubKey;
    const QString file = registryFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return writeProfileValue(file, registrySection(ilngRootKey, path), registryValueName(istrValueName), istrValue);
}

QString clsWindowsAPI::ComputerName() const
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? default_ : name;
}
