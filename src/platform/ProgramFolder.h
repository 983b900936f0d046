#pragma once

#include <QString>

// The program folder: the executable's folder, or the folder named by TESSARIN_HOME. Every path
// to the catalogue, the image map or a card picture is made from it.
namespace ProgramFolder {

QString path();  // "/" as separator, no trailing separator
QString catalogueFile();  // <program folder>/card/cardlist.ini
QString imageMapFile();   // <program folder>/player.ini
QString cardPicture(const QString& fileValue);  // <program folder>/card/<File>

// For the command-line tool and tests: use this folder instead, until cleared with "".
void setOverride(const QString& folder);

}  // namespace ProgramFolder
