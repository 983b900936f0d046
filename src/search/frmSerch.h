#pragma once

#include "catalogue/EditorState.h"

#include <QDialog>
#include <QList>

class CheckList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SerchHost;
struct SearchConditions;
namespace SearchFields {
struct Range;
struct Text;
struct List;
}  // namespace SearchFields

// The search conditions dialog: the condition controls, their enabling rules, the bound lists and
// the buttons. Created once and only shown and hidden, so its conditions persist. Its maxima
// (pNumberMax …) are public properties, as is pSortFlag.
class frmSerch : public QDialog, public SearchMaxima {
    Q_OBJECT
public:
    // Numeric bound lists stop at this value, whatever the catalogue's maximum: a catalogue value
    // may be as large as 2,147,483,647. Conditions still compare the cards' own values.
    static constexpr qint32 kBoundItemCap = 999;

    explicit frmSerch(SerchHost& host, QWidget* parent = nullptr);
    ~frmSerch() override;

    qint32 pSortFlag = 0;

    qint32 plngInitialize();
    qint32 plngSetSerch();

    // The condition state the controls show, and the controls set from one. A bound or a list text
    // the dialog does not offer is added as an item in its sorted place, so nothing set is lost.
    SearchConditions fsubGetConditions() const;
    void fsubSetConditions(const SearchConditions& conditions);

    // The maxima of a catalogue load, and with withLists its three item lists, shown sorted (the
    // lists' selections are dropped).
    void fsubTakeSetup(const SearchSetup& setup, bool withLists);

    // The line under the conditions: how many card rows the grid shows out of how many.
    void fsubShowCount(qint32 shown, qint32 total);

private:
    // The controls of one condition of SearchFields' tables, which they were built from.
    struct Range {
        const SearchFields::Range* field;
        QCheckBox* chk;
        QComboBox *lower, *upper, *sel;
        QLabel *lblLower, *lblUpper;
        qint32 SearchMaxima::*maximum;
    };
    struct Text {
        const SearchFields::Text* field;
        QCheckBox* chk;
        QLineEdit *txt1, *txt2;
        QComboBox *connector, *sel;
    };
    struct List {
        const SearchFields::List* field;
        QCheckBox* chk;
        CheckList* lst;
        QStringList SearchSetup::*items;  // what a full load offers in it
    };

    void createControls();
    void createRanges(qint32 top);
    void createTexts(qint32 top);
    void createLists(qint32 top, qint32 bottom);
    void createButtons(qint32 top);
    void fsubSetRangeItems(QComboBox* lower, QComboBox* upper, qint32 maximum);
    void fsubToggleRange(const Range& r);
    void fsubToggleText(const Text& t);
    void fsubToggleAll();
    void fsubSetDefault();
    void OKButton_Click();
    void cmdDefault_Click();
    void CancelButton_Click();
    void cmdSaveConditions_Click();
    void cmdLoadConditions_Click();

    SerchHost& host_;
    QCheckBox *chkNo_ = nullptr, *chkType_ = nullptr;
    QListWidget* lstNo_ = nullptr;
    QCheckBox *chkTypeCharacter_ = nullptr, *chkTypeSpell_ = nullptr, *chkTypeCommand_ = nullptr;
    QList<Range> ranges_;
    QList<Text> texts_;
    QList<List> lists_;
    QPushButton *OKButton_ = nullptr, *cmdDefault_ = nullptr, *CancelButton_ = nullptr;
    QLabel* lblShown_ = nullptr;
    qint32 runs_ = 0;  // plngSetSerch calls under way: a header sort may run one inside another
};
