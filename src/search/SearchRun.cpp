#include "SearchRun.h"

#include "FilterCatalogue.h"
#include "SearchConditions.h"

#include "catalogue/CatalogueText.h"
#include "deck/CardGrid.h"
#include "platform/ProgramFolder.h"
#include "platform/Ui.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

qint32 applySearch(const SearchConditions& conditions, CardGrid& grid, Ui& ui)
{
    const QString path = ProgramFolder::catalogueFile();
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly)) {
        ui.messageBox(CatalogueText::missingFileMessage(ProgramFolder::path()), CatalogueText::missingFileTitle(),
                      MsgIcon::None, MsgButtons::Ok);
        grid.setRowsHidden(std::vector<bool>(size_t(grid.rowCount()), false));
        return 0;
    }
    probe.close();

    FilterCatalogue catalogue(path);
    std::vector<bool> hidden;
    for (bool complete = false; !complete;) {
        const quint64 order = grid.rowOrderVersion();
        const qint32 n = grid.rowCount();
        hidden.assign(size_t(n), false);
        complete = true;
        for (qint32 r = 1; r <= n; ++r) {
            ui.processEvents();
            if (grid.rowOrderVersion() != order) {
                complete = false;
                break;
            }
            hidden[size_t(r - 1)] = conditions.fblnHideRow(grid, r, grid.cellView(colNo, r), catalogue);
        }
    }
    grid.setRowsHidden(hidden);
    return 0;
}
