#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The byte-level edit behind writing one profile key: every byte of the file but the one line
// stays as it was.
namespace ProfileEdit {

// The file bytes with key set to value (CP932 bytes) in the first section named section: the
// key's line rewritten as the key as written, "=", the value; or "key=value" added after the
// section's last key line; or the section and key appended at the end. Matches are decided on
// the decoded text of each line, since a CP932 trail byte can be "[", "\" or "]". nullopt when
// the file already holds exactly that line.
std::optional<QByteArray> setValue(const QByteArray& file, QStringView section, QStringView key,
                                   const QByteArray& value);

// Sets one key in the profile file at path, replacing the file atomically (a missing file is
// made); true on success, and when the file already says so. Names that could not be read back
// as written (a "]" in a section name, a key opening with "[" or holding "=", line ends anywhere,
// a character CP932 lacks) are refused rather than written into a line of another meaning.
bool writeValue(const QString& path, QStringView section, QStringView key, QStringView value);

}  // namespace ProfileEdit
