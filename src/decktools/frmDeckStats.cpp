#include "frmDeckStats.h"

#include "deck/DeckStats.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QPieSeries>
#include <QTabWidget>
#include <QVBoxLayout>
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

// An empty cell has a tally of its own; a blank caption beside its bar would read as nothing.
QString caption(const QString& text) { return text.isEmpty() ? u"（なし）"_s : text; }

// The editor's proportional face, which has kana, kanji and Latin alike: a theme's Latin face would
// leave a Japanese type's name to a fallback font and its count to another.
QFont textFont(int points = 9)
{
    return QFont(u"ＭＳ Ｐゴシック"_s, points);
}

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
    chart->setTitleFont(textFont(10));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
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

// A chart made anew: its series beside category captions, over a count axis. Only a change of the
// texts shown needs this; a change of counts alone is written into the series in place. The bars
// lie down so that a caption has the chart's width rather than a narrow column's.
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
    // Lying bars count their categories upwards: the first is appended last, to be read first.
    auto* x = new QBarCategoryAxis;
    for (auto t = categories.crbegin(); t != categories.crend(); ++t)
        x->append(caption(t->text));
    // Many values make a row lower than a line of text: the captions' ink still fits, whole.
    x->setTruncateLabels(false);
    auto* y = new QValueAxis;
    y->setLabelFormat(u"%.0f"_s);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(x), static_cast<QAbstractAxis*>(y)})
        axis->setLabelsFont(textFont());
    chart->addAxis(x, Qt::AlignLeft);
    chart->addAxis(y, Qt::AlignBottom);
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
    setFont(textFont());
    tabs_ = new QTabWidget(this);
    pages_ = {makePage(u"メインデッキ"_s), makePage(u"サイドボード後"_s)};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);
    // One column of charts, narrow enough to stand beside the main window on a screen 1600 pixels
    // wide, with the side board shown too.
    resize(270, 840);
}

frmDeckStats::Page frmDeckStats::makePage(const QString& title)
{
    auto* page = new QWidget;
    Page p{new QLabel(page), new QLabel(page), chartView(u"chartType"_s, u"種類"_s),
           chartView(u"chartCost"_s, u"コスト"_s), chartView(u"chartNode"_s, u"ノード"_s), nullptr, {}};
    p.total->setObjectName(u"lblTotal"_s);
    p.legend->setObjectName(u"lblLegend"_s);
    p.legend->setTextFormat(Qt::RichText);
    // The types' colours and counts once, for the pie and the cost bars: a chart's own legend beside
    // a chart this narrow cuts its texts short.
    for (QChartView* view : {p.type, p.cost, p.node})
        view->chart()->legend()->hide();
    auto* types = new QHBoxLayout;
    types->addWidget(p.type, 1);
    types->addWidget(p.legend);
    p.type->setMinimumHeight(150);
    p.column = new QVBoxLayout(page);
    p.column->setContentsMargins(4, 4, 4, 4);
    p.column->addWidget(p.total);
    p.column->addLayout(types, 5);
    p.column->addWidget(p.cost, 5);
    p.column->addWidget(p.node, 5);
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
        auto* stacked = new QHorizontalStackedBarSeries;
        for (qsizetype t = 0; t < s.type.size(); ++t) {
            QPieSlice* slice = pie->append(QString(), 0);
            slice->setColor(typeColour(s.type[t].text, t));
            // A slice's border runs along both its edges: the whole circle's would be a line from the
            // centre to the top.
            if (s.type.size() == 1)
                slice->setPen(Qt::NoPen);
            auto* set = new QBarSet(s.type[t].text);
            set->setColor(typeColour(s.type[t].text, t));
            set->append(QList<qreal>(s.cost.size()));
            stacked->append(set);
        }
        auto* bars = new QHorizontalBarSeries;
        bars->append(new QBarSet(u"枚数"_s));
        bars->barSets()[0]->append(QList<qreal>(s.node.size()));
        rebuild(page.type->chart(), pie, {});
        rebuild(page.cost->chart(), stacked, s.cost);
        rebuild(page.node->chart(), bars, s.node);
        // The height shared out by rows, so that each caption has a line's height where it can.
        page.column->setStretchFactor(page.cost, int(std::max<qsizetype>(s.cost.size(), 3)) + 2);
        page.column->setStretchFactor(page.node, int(std::max<qsizetype>(s.node.size(), 3)) + 2);
    }

    const QList<QPieSlice*> slices = qobject_cast<QPieSeries*>(page.type->chart()->series()[0])->slices();
    const QList<QBarSet*> sets = qobject_cast<QAbstractBarSeries*>(page.cost->chart()->series()[0])->barSets();
    const auto put = [](QBarSet* set, qsizetype i, qint64 copies) {
        i = set->count() - 1 - i;  // the categories run upwards
        if (set->at(i) != double(copies))
            set->replace(i, double(copies));
    };
    QStringList legend;
    for (qsizetype t = 0; t < s.type.size(); ++t) {
        if (slices[t]->value() != double(s.type[t].copies))
            slices[t]->setValue(double(s.type[t].copies));
        for (qsizetype c = 0; c < s.cost.size(); ++c)
            put(sets[t], c, s.copies(c, t));
        legend << u"<span style=\"color:%1\">■</span> %2 %3"_s.arg(typeColour(s.type[t].text, t).name(),
                                                                   caption(s.type[t].text).toHtmlEscaped())
                      .arg(s.type[t].copies);
    }
    page.legend->setText(legend.join(u"<br>"_s));
    QBarSet* nodes = qobject_cast<QAbstractBarSeries*>(page.node->chart()->series()[0])->barSets()[0];
    for (qsizetype n = 0; n < s.node.size(); ++n)
        put(nodes, n, s.node[n].copies);
    scale(qobject_cast<QValueAxis*>(page.cost->chart()->axes(Qt::Horizontal)[0]), highest(s.cost));
    scale(qobject_cast<QValueAxis*>(page.node->chart()->axes(Qt::Horizontal)[0]), highest(s.node));
}
