#pragma once

// The main window over a generated catalogue, and answering its message boxes.

#include "app/CardGridView.h"
#include "app/frmTessarin.h"

#include "Child.h"
#include "Fixtures.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
};

// Polls until a message box is up, records it and presses the given button. The context object keeps
// the timer from leaking into later tests.
inline void answerNextMessageBox(QObject* context, ShownBox& out, QMessageBox::StandardButton press)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, &out, press] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            out = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), true};
            box->button(press)->click();
        }
    });
    timer->start(10);
}

class MainWindowTest : public ::testing::Test {
protected:
    Fixtures::TempHome home;
    std::unique_ptr<frmTessarin> w;

    void start(int cardCount = 12, const QString& showSelect = u"1"_s, QScreen* screen = nullptr)
    {
        QList<Fixtures::CatalogueCard> cards;
        const QString types[] = {u"Character"_s, u"Spell"_s, u"Command"_s};
        for (int i = 1; i <= cardCount; ++i)
            cards.append({u"%1"_s.arg(i, 3, 10, QChar(u'0')),
                          {u"Type="_s + types[i % 3], u"Name=札"_s + QString::number(i), u"Class=人間／獣"_s}});
        home.writeCatalogue(Fixtures::catalogueLines(QString::number(cardCount), showSelect, u"50"_s, u"3"_s, cards));
        w = std::make_unique<frmTessarin>();
        if (screen)
            w->setScreen(screen);
        ASSERT_TRUE(w->Form_Load());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    template <typename T>
    T* child(const char16_t* name) const { return ::child<T>(w.get(), QString::fromUtf16(name)); }
    int px(qint32 twips) const { return w->twips().toPx(twips); }
    int outerWidth() const { return w->frameGeometry().width(); }
    void press(qint32 col, qint32 row) { Q_EMIT w->grid()->ButtonClicked(col, row, 0); }
    // The entries of a row's context menu, opened as the grid asks for it.
    QList<QAction*> rowMenu(qint32 row) const
    {
        if (QWidget* open = QApplication::activePopupWidget())
            open->close();
        Q_EMIT w->grid()->ContextMenu(row, w->mapToGlobal(QPoint(20, 20)));
        return QApplication::activePopupWidget()->actions();
    }
    QColor background(const char16_t* label) const { return child<QLabel>(label)->palette().color(QPalette::Window); }
    QString text(const char16_t* label) const { return child<QLabel>(label)->text(); }
    QStringList disabled(const std::initializer_list<const char16_t*>& names) const
    {
        QStringList out;
        for (const char16_t* name : names)
            if (!child<QWidget>(name)->isEnabled())
                out << QString::fromUtf16(name);
        return out;
    }
};
