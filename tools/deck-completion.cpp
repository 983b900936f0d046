// Writes tessarin-deck's bash completion, made from the same table as its help, to the file named.

#include "CommandTable.h"

#include <QFile>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    return f.write(bashCompletion().toUtf8()) < 0 ? 1 : 0;
}
