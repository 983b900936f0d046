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

QStringList texts(const QList<DeckTally>& list)
{
    QStringList out;
    for (const DeckTally& t : list)
        out << t.text;
    return out;
}

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

// Whole copies up the count axis: a step of 1, 2 or 5 times a power of ten, at most five steps.
void scale(QValueAxis* y, qint64 highest)
{
    qint64 step = 1;
    for (qint64 power = 1; step * 5 < highest; power *= 10)
        for (qint64 m : {1, 2, 5})
            if (step * 5 < highest)
                step = m * power;
    const double top = double(std::max<qint64>((highest + step - 1) / step, 1) * step);
    // Every change lays the chart out again: only what differs is written.
    if (y->max() != top) {
        y->setRange(0, top);
        y->setTickCount(int(top / double(step)) + 1);
    }
}

// A chart made anew: its series under category captions and a count axis. Only a change of the
// texts shown needs this; a change of counts alone is written into the series in place.
void rebuild(QChart* chart, QAbstractSeries* series, const QList<DeckTally>& categories)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->addSeries(series);
    auto* bars = qobject_cast<QAbstractBarSeries*>(series);
    if (!bars)
        return;
    auto* x = new QBarCategoryAxis;
    for (const DeckTally& t : categories)
        x->append(caption(t.text));
    auto* y = new QValueAxis;
    y->setLabelFormat(u"%.0f"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
}

qint64 highest(const QList<DeckTally>& list)
{
    qint64 h = 0;
    for (const DeckTally& t : list)
        h = std::max(h, t.copies);
    return h;
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
           chartView(u"chartNode"_s, u"ノード"_s), {}};
    p.total->setObjectName(u"lblTotal"_s);
    p.node->chart()->legend()->hide();
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

void frmDeckStats::draw(Page& page, const DeckSection& s)
{
    page.total->setText(u"合計 %1 枚"_s.arg(s.total));
    const QList<QStringList> shape{texts(s.type), texts(s.cost), texts(s.node)};
    if (shape != page.shape) {
        page.shape = shape;
        auto* pie = new QPieSeries;
        auto* stacked = new QStackedBarSeries;
        for (qsizetype t = 0; t < s.type.size(); ++t) {
            pie->append(QString(), 0)->setColor(typeColour(s.type[t].text, t));
            auto* set = new QBarSet(s.type[t].text);
            set->setColor(typeColour(s.type[t].text, t));
            set->append(QList<qreal>(s.cost.size()));
            stacked->append(set);
        }
        auto* bars = new QBarSeries;
        bars->append(new QBarSet(u"枚数"_s));
        bars->barSets()[0]->append(QList<qreal>(s.node.size()));
        rebuild(page.type->chart(), pie, {});
        rebuild(page.cost->chart(), stacked, s.cost);
        rebuild(page.node->chart(), bars, s.node);
    }

    const QList<QPieSlice*> slices = qobject_cast<QPieSeries*>(page.type->chart()->series()[0])->slices();
    const QList<QBarSet*> sets = qobject_cast<QStackedBarSeries*>(page.cost->chart()->series()[0])->barSets();
    const auto put = [](QBarSet* set, qsizetype i, qint64 copies) {
        if (set->at(i) != double(copies))
            set->replace(i, double(copies));
    };
    for (qsizetype t = 0; t < s.type.size(); ++t) {
        if (slices[t]->value() != double(s.type[t].copies)) {
            slices[t]->setValue(double(s.type[t].copies));
            slices[t]->setLabel(s.type[t].text + u' ' + QString::number(s.type[t].copies));
        }
        for (qsizetype c = 0; c < s.cost.size(); ++c)
            put(sets[t], c, s.copies(c, t));
    }
    QBarSet* nodes = qobject_cast<QBarSeries*>(page.node->chart()->series()[0])->barSets()[0];
    for (qsizetype n = 0; n < s.node.size(); ++n)
        put(nodes, n, s.node[n].copies);
    scale(qobject_cast<QValueAxis*>(page.cost->chart()->axes(Qt::Vertical)[0]), highest(s.cost));
    scale(qobject_cast<QValueAxis*>(page.node->chart()->axes(Qt::Vertical)[0]), highest(s.node));
}
