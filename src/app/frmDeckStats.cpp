#include "frmDeckStats.h"

#include "deck/DeckStats.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QPieSeries>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// One colour per type in every chart; the types no total knows share muted ones.
QColor typeColour(const QString& type, qsizetype index)
{
    if (type == u"Character")
        return QColor(214, 96, 77);
    if (type == u"Spell")
        return QColor(67, 132, 214);
    if (type == u"Command")
        return QColor(92, 170, 92);
    static const QColor others[] = {QColor(150, 150, 150), QColor(160, 120, 80), QColor(150, 100, 180)};
    return others[index % 3];
}

// An empty cell has a tally of its own; a blank caption under its bar would read as nothing.
QString caption(const QString& text) { return text.isEmpty() ? u"（なし）"_s : text; }

QChartView* chartView(const QString& name, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void clear(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// Bars under category captions, with a count axis in whole copies.
void attachAxes(QChart* chart, QAbstractBarSeries* series, const QList<DeckTally>& categories, qint64 highest)
{
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    for (const DeckTally& t : categories)
        x->append(caption(t.text));
    // Whole copies: a step of 1, 2 or 5 times a power of ten, at most five steps up to the top.
    qint64 step = 1;
    for (qint64 scale = 1; step * 5 < highest; scale *= 10)
        for (qint64 m : {1, 2, 5})
            if (step * 5 < highest)
                step = m * scale;
    auto* y = new QValueAxis;
    y->setRange(0, double(std::max<qint64>((highest + step - 1) / step, 1) * step));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(double(step));
    y->setLabelFormat(u"%.0f"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

frmDeckStats::frmDeckStats(const CardGrid& grid, QWidget* parent) : QWidget(parent, Qt::Window), grid_(grid)
{
    setObjectName(u"frmDeckStats"_s);
    setWindowTitle(u"デッキの統計"_s);
    tabs_ = new QTabWidget(this);
    pages_ = {makePage(u"メインデッキ"_s), makePage(u"サイドボード後"_s)};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(860, 620);
}

frmDeckStats::Page frmDeckStats::makePage(const QString& title)
{
    auto* page = new QWidget;
    Page p{new QLabel(page), chartView(u"chartType"_s, u"種類"_s), chartView(u"chartCost"_s, u"コスト"_s),
           chartView(u"chartNode"_s, u"ノード"_s)};
    p.total->setObjectName(u"lblTotal"_s);
    auto* grid = new QGridLayout(page);
    grid->addWidget(p.total, 0, 0, 1, 2);
    grid->addWidget(p.type, 1, 0);
    grid->addWidget(p.node, 1, 1);
    grid->addWidget(p.cost, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    tabs_->addTab(page, title);
    return p;
}

void frmDeckStats::refresh()
{
    const DeckStats stats = deckStats(grid_);
    draw(pages_[0], stats.main);
    draw(pages_[1], stats.after);
    tabs_->setTabVisible(1, stats.sideBoarded);
}

void frmDeckStats::draw(const Page& page, const DeckSection& s)
{
    page.total->setText(u"合計 %1 枚"_s.arg(s.total));

    QChart* type = page.type->chart();
    clear(type);
    auto* pie = new QPieSeries;
    for (qsizetype t = 0; t < s.type.size(); ++t) {
        QPieSlice* slice = pie->append(s.type[t].text + u' ' + QString::number(s.type[t].copies), double(s.type[t].copies));
        slice->setColor(typeColour(s.type[t].text, t));
    }
    type->addSeries(pie);

    QChart* cost = page.cost->chart();
    clear(cost);
    auto* stacked = new QStackedBarSeries;
    for (qsizetype t = 0; t < s.type.size(); ++t) {
        auto* set = new QBarSet(s.type[t].text);
        set->setColor(typeColour(s.type[t].text, t));
        for (qsizetype c = 0; c < s.cost.size(); ++c)
            set->append(double(s.copies(c, t)));
        stacked->append(set);
    }
    qint64 highest = 0;
    for (const DeckTally& c : s.cost)
        highest = std::max(highest, c.copies);
    attachAxes(cost, stacked, s.cost, highest);

    QChart* node = page.node->chart();
    clear(node);
    auto* bars = new QBarSeries;
    auto* set = new QBarSet(u"枚数"_s);
    highest = 0;
    for (const DeckTally& n : s.node) {
        set->append(double(n.copies));
        highest = std::max(highest, n.copies);
    }
    bars->append(set);
    node->legend()->hide();
    attachAxes(node, bars, s.node, highest);
}
