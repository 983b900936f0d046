#pragma once

#include "MainWindowUi.h"
#include "Twips.h"

#include "catalogue/EditorState.h"
#include "search/SerchHost.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class CardGridView;
class PreviewPane;
class QCheckBox;
class QLabel;
class QPushButton;
class frmDeckStats;
class frmSerch;

// The main window: the card grid, the command buttons, the view options and the totals.
class frmTessarin : public QWidget, public SerchHost {
    Q_OBJECT
public:
    explicit frmTessarin(QWidget* parent = nullptr);
    ~frmTessarin() override;

    // The loading steps: answers false when the first catalogue load failed (the program then ends).
    bool Form_Load();

    qint32 plngOpenFile(QString& istrFileName);

    void flngControlEnabled(bool ibolEnabled);
    void setSearchEnabled(bool enabled);
    void showTotals();
    qint32 flngDiffSize(qint32 ilngDiff, bool ibolHide);

    // The context menu and the statistics window (frmTessarinMenu.cpp).
    void showDeckStats();
    frmDeckStats* deckStats() const;

    // Search and sort (frmTessarinSerch.cpp).
    frmSerch* serch() const { return frmSerch_; }
    qint32 plngRowShow(qint32 ilngRowNo, bool ibolShow);
    void fpsCardList_Click(qint32 Col, qint32 Row);
    CardGrid& serchGrid() override { return state_.fpsCardList; }
    Ui& serchUi() override { return ui_; }
    void fsubGridShown(bool ibolShown) override;

    // Draws the deck on screen as a sheet and saves it where the user chooses ("デッキ画像を保存...").
    void saveDeckSheet();

    EditorState& state() { return state_; }
    Ui& ui() { return ui_; }
    CardGridView* grid() const { return fpsCardList_; }
    const Twips& twips() const { return twips_; }

    // Layout measures in twips of the outer window, frame included as the window manager has it now.
    qint32 baseWidth() const { return baseWidth_ + frameWidthTwips(); }
    qint32 widthMargin() const { return widthMargin_ + frameWidthTwips(); }
    qint32 heightMargin() const { return heightMargin_ + frameHeightTwips(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    // The card display: the preview pane and the card windows (cardview/frmTessarinCards.cpp).
    void createPreviewPane();
    qint32 flngShowPreview(const QString& cardNo);
    void fsubClearPreview();
    void fpsCardList_LeaveCell(qint32 Col, qint32 Row, qint32 NewCol, qint32 NewRow, bool* Cancel);
    void fpsCardList_DblClick(qint32 Col, qint32 Row);
    void fpsCardList_KeyDown(int KeyCode, int Shift);
    void Form_Resize();
    void fsubFitWidth();
    void Form_Unload();
    void cmdClose_Click();
    void cmdReset_Click();
    void cmdSideReset_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void chkFull_Click(bool checked);
    void chkSide_Click(bool checked);
    void chkOption_Click(bool checked);
    void fpsCardList_ButtonClicked(qint32 Col, qint32 Row, qint16 ButtonDown);
    template <typename F>
    void handle(F&& body);
    void fsubLoadSerch();
    void fsubTakeSerchSetup(bool ibolLists);
    void fsubRefilter();
    void cmdSerch_Click();
    void fsubSortList(qint32 Col, qint32 Order);
    void fpsCardList_ContextMenu(qint32 Row, const QPoint& globalPos);
    void placeBeside(QWidget* window) const;
    void fsubStatsChanged();

    qint32 outerWidthTwips() const;
    qint32 frameWidthTwips() const;
    qint32 frameHeightTwips() const;
    qint32 screenWidthTwips() const;
    int screenLeft() const;
    void place(QWidget* w, qint32 left, qint32 top, qint32 width, qint32 height);

    EditorState state_;
    MainWindowUi ui_;
    Twips twips_;
    // Recorded while loading, of the client area: a window manager frames the window only once it is
    // shown, so the frame is added when an outer size is needed.
    qint32 baseWidth_ = 0;
    qint32 widthMargin_ = 0;
    qint32 heightMargin_ = 0;
    bool measured_ = false;
    bool widthPending_ = false;  // a view option changed while maximised
    std::unique_ptr<PreviewPane> preview_;

    CardGridView* fpsCardList_ = nullptr;
    QPushButton *cmdSerch_ = nullptr, *cmdOpen_ = nullptr, *cmdSave_ = nullptr, *cmdClose_ = nullptr;
    QPushButton *cmdReset_ = nullptr, *cmdSideReset_ = nullptr;
    QCheckBox *chkFull_ = nullptr, *chkSide_ = nullptr, *chkOption_ = nullptr;
    QLabel *lblSum_ = nullptr, *lblSideSum_ = nullptr, *lblSide_ = nullptr;
    QLabel *lblCharacterSum_ = nullptr, *lblSpellSum_ = nullptr, *lblCommandSum_ = nullptr;
    QLabel *lblSideTitle_ = nullptr, *lblMessage_ = nullptr;

    frmSerch* frmSerch_ = nullptr;
    QPointer<frmDeckStats> stats_;
    bool statsPending_ = false;  // a redraw of the statistics is queued
    qint32 mlngSortCol = 0;  // the column last sorted ascending; 0 after a descending sort
    int gridHides_ = 0;      // nested hides: a header sort may run the filter inside its own
    bool gridHadFocus_ = false;
};
