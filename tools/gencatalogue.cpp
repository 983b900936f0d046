// gencatalogue: writes a synthetic card catalogue, for benchmarks and for trying the editor on
// large data.
//
//   gencatalogue N [PROMOS] [SEED] [-o FILE]
//
// N regular cards, PROMOS promotional cards (default 3), SEED (default 1); the CP932 bytes go to
// FILE, or to standard output.

#include "CatalogueGenerator.h"

#include "platform/FileWrite.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 kMaxCards = 1000000;
constexpr qint32 kMaxPromos = 99999;

int usage()
{
    std::fputs("usage: gencatalogue N [PROMOS] [SEED] [-o FILE]\n"
               "  N       regular cards, 0 to 1000000\n"
               "  PROMOS  promotional cards, 0 to 99999 (default 3)\n"
               "  SEED    unsigned 32-bit seed (default 1)\n",
               stderr);
    return 2;
}

bool writeStdout(const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes) { return writeFileAtomically(path, bytes).ok(); }

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList positional;
    QString output;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"-o"_s) {
            if (++i >= args.size())
                return usage();
            output = args[i];
        } else {
            positional << args[i];
        }
    }
    if (positional.isEmpty() || positional.size() > 3)
        return usage();

    bool ok = true;
    const qint32 cards = positional[0].toInt(&ok);
    if (!ok || cards < 0 || cards > kMaxCards)
        return usage();
    const qint32 promos = positional.size() > 1 ? positional[1].toInt(&ok) : 3;
    if (!ok || promos < 0 || promos > kMaxPromos)
        return usage();
    const quint32 seed = positional.size() > 2 ? positional[2].toUInt(&ok) : 1u;
    if (!ok)
        return usage();

    const QByteArray bytes = generateCatalogue(cards, promos, seed);
    if (!(output.isEmpty() ? writeStdout(bytes) : writeFile(output, bytes))) {
        std::fputs("gencatalogue: cannot write the catalogue\n", stderr);
        return 1;
    }
    return 0;
}
