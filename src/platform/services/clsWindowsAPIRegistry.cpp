#include "platform/clsWindowsAPI.h"

#include "platform/ProfileEdit.h"
#include "platform/ProfileIndex.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

using namespace Qt::StringLiterals;

// The registry members, over a profile file of the user's own, and the machine's name.

namespace {

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

QString clsWindowsAPI::GetRegStrValue(const QString& istrValueName, const QString& istrSubKey, qint32 ilngRootKey)
{
    const QString path = istrSubKey.isEmpty() ? subKey_ : istrSubKey;
    const ProfileIndex registry(registryFile());
    const std::optional<QStringView> value =
        registry.find(registrySection(ilngRootKey, path), registryValueName(istrValueName));
    return value ? readValue(value).toString() : default_;
}

bool clsWindowsAPI::SetRegStrValue(const QString& istrValueName, const QString& istrValue, const QString& istrSubKey,
                                   qint32 ilngRootKey)
{
    const QString path = istrSubKey.isEmpty() ? subKey_ : istrSubKey;
    const QString file = registryFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return ProfileEdit::writeValue(file, registrySection(ilngRootKey, path), registryValueName(istrValueName), istrValue);
}

QString clsWindowsAPI::ComputerName() const
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? default_ : name;
}
