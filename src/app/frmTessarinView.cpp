// The main window's layout at run time: the view options that widen it and show column groups, and
// the resize rule by which the grid follows the window.

#include "CardGridView.h"
#include "frmDeckStats.h"
#include "frmTessarin.h"

#include "platform/RuntimeError.h"
#include "platform/modFuncRim.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 kFullWidth = 6000;
constexpr qint32 kSideWidth = 1980;
constexpr qint32 kOptionWidth = 4140;

}  // namespace

qint32 frmTessarin::outerWidthTwips() const { return twips_.fromPx(frameGeometry().width()); }
qint32 frmTessarin::frameWidthTwips() const { return twips_.fromPx(frameGeometry().width() - width()); }
qint32 frmTessarin::frameHeightTwips() const { return twips_.fromPx(frameGeometry().height() - height()); }

qint32 frmTessarin::screenWidthTwips() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? twips_.fromPx(s->geometry().width()) : outerWidthTwips();
}

// Where the window's own screen starts on the desktop: a second monitor seldom starts at 0.
int frmTessarin::screenLeft() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().x() : 0;
}

// Steps 2 and 3 of a view option: the width the checked options ask for, centred on the screen.
void frmTessarin::fsubFitWidth()
{
    qint32 extra = 0;
    if (chkFull_->isChecked())
        modFuncRim::fsubAddLong(extra, kFullWidth);
    if (chkSide_->isChecked())
        modFuncRim::fsubAddLong(extra, kSideWidth);
    if (chkOption_->isChecked())
        modFuncRim::fsubAddLong(extra, kOptionWidth);
    qint32 wanted = baseWidth();
    modFuncRim::fsubAddLong(wanted, extra);
    const qint32 outer = modFuncRim::plngTopValue(wanted, screenWidthTwips());
    resize(std::max(twips_.toPx(outer) - (frameGeometry().width() - width()), 1), height());
    const qint32 left = modFuncRim::plngUnderValue(screenWidthTwips() / 2 - outerWidthTwips() / 2, 0);
    move(screenLeft() + twips_.toPx(left), y());
    if (stats_ && stats_->isVisible())
        placeBeside(stats_);
}

qint32 frmTessarin::flngDiffSize(qint32 ilngDiff, bool ibolHide)
{
    try {
        // A maximised window keeps its size, the grid has the room; the width follows on restoring.
        widthPending_ = isMaximized();
        if (!widthPending_)
            fsubFitWidth();
        ui_.processEvents();

        CardGrid& grid = state_.fpsCardList;
        switch (std::abs(ilngDiff)) {
        case kFullWidth:
            for (qint32 c = colNode; c <= colClass; ++c)
                grid.setColumnHidden(c, ibolHide);
            chkOption_->setVisible(!ibolHide);
            if (ibolHide) {
                chkOption_->setChecked(false);
                grid.setColumnHidden(colSkill, true);
                grid.setColumnHidden(colIllustration, true);
            }
            lblMessage_->setVisible(!ibolHide);
            break;
        case kSideWidth:
            lblMessage_->move(lblMessage_->x() + twips_.toPx(ilngDiff), lblMessage_->y());
            for (QWidget* w : {static_cast<QWidget*>(cmdSideReset_), static_cast<QWidget*>(lblSideSum_),
                               static_cast<QWidget*>(lblSide_), static_cast<QWidget*>(lblSideTitle_)})
                w->setVisible(!ibolHide);
            for (qint32 c : {colSide, colSideDown, colSideUp})
                grid.setColumnHidden(c, ibolHide);
            break;
        case kOptionWidth:
            grid.setColumnHidden(colSkill, ibolHide);
            grid.setColumnHidden(colIllustration, ibolHide);
            break;
        default:
            break;
        }
        Form_Resize();
    } catch (const RuntimeError& e) {
        ui_.messageBox(e.description(), u"flngDiffSize"_s, MsgIcon::None, MsgButtons::Ok);
    }
    return 0;
}

void frmTessarin::chkFull_Click(bool checked) { flngDiffSize(checked ? kFullWidth : -kFullWidth, !checked); }
void frmTessarin::chkSide_Click(bool checked) { flngDiffSize(checked ? kSideWidth : -kSideWidth, !checked); }
void frmTessarin::chkOption_Click(bool checked) { flngDiffSize(checked ? kOptionWidth : -kOptionWidth, !checked); }

void frmTessarin::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    // Restored from maximised: the width a view option asked for meanwhile applies once the window
    // system has given the window back its size. Not on the state change itself: a Wayland
    // compositor that has not yet confirmed the normal state ends the program for a buffer that
    // does not fill the maximised area.
    if (!widthPending_ || isMaximized() || isMinimized())
        return;
    widthPending_ = false;
    QTimer::singleShot(0, this, [this] {
        try {
            fsubFitWidth();
        } catch (const RuntimeError& e) {
            ui_.messageBox(e.description(), u"flngDiffSize"_s, MsgIcon::None, MsgButtons::Ok);
        }
    });
}

void frmTessarin::Form_Resize()
{
    // Maximised, the grid takes the extra room rather than stay in a corner.
    if (!measured_ || isMinimized())
        return;
    const qint32 gridWidth = std::max(twips_.fromPx(width()) - widthMargin_, baseWidth_ - widthMargin_);
    const qint32 gridHeight = std::max(twips_.fromPx(height()) - heightMargin_, 0);
    fpsCardList_->resize(twips_.toPx(gridWidth), twips_.toPx(gridHeight));
}
