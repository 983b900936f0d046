#include "ViewOptions.h"

#include "deck/CardGrid.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/modFuncRim.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

using namespace Qt::StringLiterals;

ViewOptions::ViewOptions(QWidget& window, const Twips& twips, CardGrid& grid, Ui& ui, const Controls& controls)
    : window_(window), twips_(twips), grid_(grid), ui_(ui), controls_(controls)
{
}

void ViewOptions::measure()
{
    baseWidth_ = twips_.fromPx(window_.width());
    widthMargin_ = baseWidth_ - twips_.fromPx(controls_.grid->width());
    heightMargin_ = twips_.fromPx(window_.height() - controls_.grid->height());
    measured_ = true;
}

qint32 ViewOptions::outerWidthTwips() const { return twips_.fromPx(window_.frameGeometry().width()); }
qint32 ViewOptions::frameWidthTwips() const { return twips_.fromPx(window_.frameGeometry().width() - window_.width()); }
qint32 ViewOptions::frameHeightTwips() const
{
    return twips_.fromPx(window_.frameGeometry().height() - window_.height());
}

qint32 ViewOptions::screenWidthTwips() const
{
    const QScreen* s = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    return s ? twips_.fromPx(s->geometry().width()) : outerWidthTwips();
}

// Where the window's own screen starts on the desktop: a second monitor seldom starts at 0.
int ViewOptions::screenLeft() const
{
    const QScreen* s = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().x() : 0;
}

// Steps 2 and 3 of a view option: the width the checked options ask for, centred on the screen.
void ViewOptions::fsubFitWidth()
{
    qint32 extra = 0;
    if (controls_.chkFull->isChecked())
        modFuncRim::fsubAddLong(extra, kFullWidth);
    if (controls_.chkSide->isChecked())
        modFuncRim::fsubAddLong(extra, kSideWidth);
    if (controls_.chkOption->isChecked())
        modFuncRim::fsubAddLong(extra, kOptionWidth);
    qint32 wanted = baseWidth();
    modFuncRim::fsubAddLong(wanted, extra);
    const qint32 outer = modFuncRim::plngTopValue(wanted, screenWidthTwips());
    window_.resize(std::max(twips_.toPx(outer) - (window_.frameGeometry().width() - window_.width()), 1),
                   window_.height());
    const qint32 left = modFuncRim::plngUnderValue(screenWidthTwips() / 2 - outerWidthTwips() / 2, 0);
    window_.move(screenLeft() + twips_.toPx(left), window_.y());
    if (widthFitted)
        widthFitted();
}

void ViewOptions::fitWidthReporting()
{
    try {
        fsubFitWidth();
    } catch (const RuntimeError& e) {
        ui_.messageBox(e.description(), u"flngDiffSize"_s, MsgIcon::None, MsgButtons::Ok);
    }
}

qint32 ViewOptions::flngDiffSize(qint32 ilngDiff, bool ibolHide)
{
    try {
        // A maximised window keeps its size, the grid has the room; the width follows on restoring.
        widthPending_ = window_.isMaximized();
        if (!widthPending_)
            fsubFitWidth();
        ui_.processEvents();

        switch (std::abs(ilngDiff)) {
        case kFullWidth:
            for (qint32 c = colNode; c <= colClass; ++c)
                grid_.setColumnHidden(c, ibolHide);
            controls_.chkOption->setVisible(!ibolHide);
            if (ibolHide) {
                controls_.chkOption->setChecked(false);
                grid_.setColumnHidden(colSkill, true);
                grid_.setColumnHidden(colIllustration, true);
            }
            controls_.lblMessage->setVisible(!ibolHide);
            break;
        case kSideWidth:
            controls_.lblMessage->move(controls_.lblMessage->x() + twips_.toPx(ilngDiff), controls_.lblMessage->y());
            for (QWidget* w : controls_.side)
                w->setVisible(!ibolHide);
            for (qint32 c : {colSide, colSideDown, colSideUp})
                grid_.setColumnHidden(c, ibolHide);
            break;
        case kOptionWidth:
            grid_.setColumnHidden(colSkill, ibolHide);
            grid_.setColumnHidden(colIllustration, ibolHide);
            break;
        default:
            break;
        }
        fitGrid();
    } catch (const RuntimeError& e) {
        ui_.messageBox(e.description(), u"flngDiffSize"_s, MsgIcon::None, MsgButtons::Ok);
    }
    return 0;
}

void ViewOptions::resized()
{
    fitGrid();
    // Restored from maximised: the width a view option asked for meanwhile applies once the window
    // system has given the window back its size. Not on the state change itself: a Wayland
    // compositor that has not yet confirmed the normal state ends the program for a buffer that
    // does not fill the maximised area.
    if (!widthPending_ || window_.isMaximized() || window_.isMinimized())
        return;
    widthPending_ = false;
    QTimer::singleShot(0, &window_, [this] { fitWidthReporting(); });
}

void ViewOptions::fitGrid()
{
    // Maximised, the grid takes the extra room rather than stay in a corner.
    if (!measured_ || window_.isMinimized())
        return;
    const qint32 gridWidth = std::max(twips_.fromPx(window_.width()) - widthMargin_, baseWidth_ - widthMargin_);
    const qint32 gridHeight = std::max(twips_.fromPx(window_.height()) - heightMargin_, 0);
    controls_.grid->resize(twips_.toPx(gridWidth), twips_.toPx(gridHeight));
}
