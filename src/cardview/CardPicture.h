#pragma once

#include <QString>

// Where a card's picture is on disk. Catalogues are made on Windows: "File" may use "\" between
// folders and may spell a name in another letter case than the file on disk.
namespace CardPicture {

// An ordinary file: not a folder, device or pipe, and not hidden.
bool isOrdinaryFile(const QString& path);

// The picture named by a "File" value: <program folder>/card/<File>, with "\" read as a folder
// separator and each name that does not exist as spelled matched without regard to letter case.
// Empty when the value is empty, leads out of the card folder, or names no ordinary file.
QString resolve(const QString& fileValue);

}  // namespace CardPicture
