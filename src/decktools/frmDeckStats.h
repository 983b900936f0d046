#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

class CardGrid;
class QLabel;
class QTabWidget;
class QVBoxLayout;
struct DeckSection;
class QChartView;

// "デッキの統計": the deck's figures as charts, for the main deck and, while the side board changes
// anything, for the deck after side-boarding. It only draws; the figures come from the core.
class frmDeckStats : public QWidget {
    Q_OBJECT
public:
    explicit frmDeckStats(const CardGrid& grid, QWidget* parent = nullptr);

    // Draws the figures of the grid as it is now.
    void refresh();
    QTabWidget* tabs() const { return tabs_; }

private:
    struct Page {
        QLabel *total, *legend;
        QChartView *type, *cost, *node;
        QVBoxLayout* column;
        QList<QStringList> shape;  // the texts the charts show now: types, costs, nodes
    };
    Page makePage(const QString& title);
    static void draw(Page& page, const DeckSection& section);

    const CardGrid& grid_;
    QTabWidget* tabs_;
    std::array<Page, 2> pages_{};
};
