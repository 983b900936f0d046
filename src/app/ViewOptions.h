#pragma once

#include "platform/Twips.h"

#include <QList>

#include <functional>

class CardGrid;
class QCheckBox;
class QLabel;
class QWidget;
class Ui;

// The main window's view options: the check boxes that show more column groups and widen the
// window for them, and the grid that follows the window's size. Widths are in twips of the outer
// window, frame included as the window manager has it now.
class ViewOptions {
public:
    // What each option adds to the window's width; flngDiffSize tells them apart by it.
    static constexpr qint32 kFullWidth = 6000;
    static constexpr qint32 kSideWidth = 1980;
    static constexpr qint32 kOptionWidth = 4140;

    struct Controls {
        QCheckBox *chkFull, *chkSide, *chkOption;
        QLabel* lblMessage;
        QList<QWidget*> side;  // the side board's count, caption and reset button
        QWidget* grid;
    };
    ViewOptions(QWidget& window, const Twips& twips, CardGrid& grid, Ui& ui, const Controls& controls);

    // Records the client area's measures as laid out: a window manager frames the window only once
    // it is shown, so the frame is added when an outer size is needed.
    void measure();
    qint32 baseWidth() const { return baseWidth_ + frameWidthTwips(); }
    qint32 widthMargin() const { return widthMargin_ + frameWidthTwips(); }
    qint32 heightMargin() const { return heightMargin_ + frameHeightTwips(); }

    qint32 flngDiffSize(qint32 ilngDiff, bool ibolHide);
    // The window was resized: the grid follows, and a width asked for while maximised applies.
    void resized();

    // Called after the window took a new width, for the windows placed beside it.
    std::function<void()> widthFitted;

private:
    void fsubFitWidth();
    void fitGrid();
    void fitWidthReporting();
    qint32 outerWidthTwips() const;
    qint32 frameWidthTwips() const;
    qint32 frameHeightTwips() const;
    qint32 screenWidthTwips() const;
    int screenLeft() const;

    QWidget& window_;
    const Twips& twips_;
    CardGrid& grid_;
    Ui& ui_;
    Controls controls_;
    qint32 baseWidth_ = 0;
    qint32 widthMargin_ = 0;
    qint32 heightMargin_ = 0;
    bool measured_ = false;
    bool widthPending_ = false;  // a view option changed while maximised
};
