#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

class ProfileIndex;

// The profile-file reader and writer through which every catalogue and image-map access goes,
// with the registry and machine-name members of the same object.
//
// The file is parsed once per object, on the first read, and every key is answered from that index
// until the object is released, IniFileName changes, or the object writes.
class clsWindowsAPI {
public:
    clsWindowsAPI();
    ~clsWindowsAPI();
    clsWindowsAPI(const clsWindowsAPI&) = delete;
    clsWindowsAPI& operator=(const clsWindowsAPI&) = delete;

    QString IniFileName() const { return iniFileName_; }
    void setIniFileName(const QString& vData);
    QString AppName() const { return appName_; }
    void setAppName(const QString& vData) { appName_ = vData; }
    QString KeyName() const { return keyName_; }
    void setKeyName(const QString& vData) { keyName_ = vData; }
    QString Default() const { return default_; }
    void setDefault(const QString& vData) { default_ = vData; }
    QString SubKey() const { return subKey_; }
    void setSubKey(const QString& vData) { subKey_ = vData; }

    // Readers that repeat quickly take the parsed file from ProfileCache instead of reading it
    // themselves; an edit of the file still shows at the next read.
    void setShareParsedFile(bool on) { shareParsedFile_ = on; }

    // Blank section or key arguments fall back to AppName and KeyName; a missing file, section or
    // key, and an empty value, answer Default; values are cut at 4095 CP932 bytes.
    QString GetInitValue(const QString& istrKeyName, const QString& istrAppName);
    // Changes only the key's line (or adds it, or adds the section at the end) and replaces the file
    // atomically; true on success.
    bool SetInitValue(const QString& istrKeyName, const QString& istrValue, const QString& istrAppName);

    // The registry, kept in a profile file of the user's own (see the implementation).
    QString GetRegStrValue(const QString& istrValueName, const QString& istrSubKey, qint32 ilngRootKey);
    bool SetRegStrValue(const QString& istrValueName, const QString& istrValue, const QString& istrSubKey,
                        qint32 ilngRootKey);
    QString ComputerName() const;

    // File and folder choosers over the installed FileChooser (DesktopServices.h): the chosen
    // full path, or the empty text when the user cancels or there is no chooser. The filter is
    // in the platform's NUL-separated form; a malformed one offers every file.
    void OpenDialog(quintptr wlngHWnd, QString& ostrFilePath, const QString& istrDefaultPath,
                    const QString& istrFilter);
    void SaveDialog(quintptr wlngHWnd, QString& ostrFilePath, const QString& istrDefaultPath,
                    const QString& istrFilter);
    QString GetFolderDialog(quintptr lngHwnd, qint32 lngRoot, const QString& strIniPath, const QString& strTitle,
                            qint32 lngFlg);

    // Sleep in steps and let pending events run between them. WaitProcess returns after one step
    // for a process that is not there, or not ours to signal.
    void WaitProcess(qint64 vProcessID, qint32 vInterval);
    void WaitTime(qint32 ilngWaitSec, qint32 ilngIntervalMilliSec);
    // Kills one process; ids naming a group, every process or init are left alone. Always 0.
    qint32 TerminateProc(qint32 ilngProcID);
    // Shut down (1), restart (2), power off (8) or log off (anything else) through the installed
    // SessionControl; false when it refuses or there is none.
    bool ExitWin(qint32 ExitMode);

    // The fast path of bulk readers: GetInitValue's answer for explicit, non-blank names, as a view
    // into storage() that stays valid as long as the caller holds storage(). An empty view stands
    // for Default (which bulk readers leave empty).
    QStringView valueView(QStringView key, QStringView section);
    std::shared_ptr<const QString> storage();
    // The parsed file, for bulk readers that read it with cursors of their own (on several
    // threads); readValue turns what such a reader found into valueView's answer.
    const ProfileIndex& parsedFile() { return index(); }
    static QStringView readValue(std::optional<QStringView> found);

private:
    const ProfileIndex& index();

    QString iniFileName_;
    QString appName_;
    QString keyName_;
    QString default_;
    QString subKey_;
    std::shared_ptr<ProfileIndex> index_;
    bool shareParsedFile_ = false;
};
