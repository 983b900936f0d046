#pragma once

#include "MainWindowUi.h"

#include "catalogue/EditorState.h"
#include "platform/Twips.h"
#include "search/SerchHost.h"

#include <QWidget>

#include <functional>
#include <memory>

class CardDisplay;
class CardGridView;
class DeckTools;
class EditActions;
class QLabel;
class QPushButton;
class SearchController;
class ViewOptions;
class frmDeckStats;
class frmSerch;

// The main window: the card grid, the command buttons and the totals. Its handlers delegate to the
// parts it owns: the card display, the search, the view options and the deck tools.
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

    void showDeckStats();
    frmDeckStats* deckStats() const;
    DeckTools& tools() const { return *tools_; }
    // Draws the deck on screen as a sheet and saves it where the user chooses ("デッキ画像を保存...").
    void saveDeckSheet();

    frmSerch* serch() const;
    qint32 plngRowShow(qint32 ilngRowNo, bool ibolShow);
    void fpsCardList_Click(qint32 Col, qint32 Row);
    CardGrid& serchGrid() override { return state_.fpsCardList; }
    Ui& serchUi() override { return ui_; }
    void fsubGridShown(bool ibolShown) override;

    EditorState& state() { return state_; }
    Ui& ui() { return ui_; }
    CardGridView* grid() const { return fpsCardList_; }
    const Twips& twips() const { return twips_; }
    EditActions& edit() const { return *edit_; }

    // Layout measures in twips of the outer window, frame included as the window manager has it now.
    qint32 baseWidth() const;
    qint32 widthMargin() const;
    qint32 heightMargin() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void handle(const std::function<void()>& body);
    // Every change of the whole deck: one step, and the deck tools drawn once, after it.
    void recordChange(const std::function<void()>& change, const std::function<QString()>& label);
    // A change of the whole deck from a file or a list; the search set up for what it loaded.
    void recordDeckChange(const std::function<void()>& change, const std::function<QString()>& label);
    void Form_Resize();
    void Form_Unload();
    void cmdSerch_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void cmdReset_Click();
    void cmdSideReset_Click();
    void chkFull_Click(bool checked);
    void chkSide_Click(bool checked);
    void chkOption_Click(bool checked);
    // The grid's events (frmTessarinGrid.cpp).
    void fpsCardList_ButtonClicked(qint32 Col, qint32 Row, qint16 ButtonDown);
    void fpsCardList_LeaveCell(qint32 Col, qint32 Row, qint32 NewCol, qint32 NewRow, bool* Cancel);
    void fpsCardList_DblClick(qint32 Col, qint32 Row);
    void fpsCardList_KeyDown(int KeyCode, int Shift);
    void fpsCardList_ContextMenu(qint32 Row, const QPoint& globalPos);

    EditorState state_;
    MainWindowUi ui_;
    Twips twips_;

    CardGridView* fpsCardList_ = nullptr;
    QPushButton *cmdSerch_ = nullptr, *cmdOpen_ = nullptr, *cmdSave_ = nullptr, *cmdClose_ = nullptr;
    QPushButton *cmdReset_ = nullptr, *cmdSideReset_ = nullptr;
    QLabel *lblSum_ = nullptr, *lblSideSum_ = nullptr, *lblSide_ = nullptr;
    QLabel *lblCharacterSum_ = nullptr, *lblSpellSum_ = nullptr, *lblCommandSum_ = nullptr;

    std::unique_ptr<DeckTools> tools_;
    std::unique_ptr<ViewOptions> view_;
    std::unique_ptr<SearchController> search_;
    std::unique_ptr<CardDisplay> cards_;
    std::unique_ptr<EditActions> edit_;
};
