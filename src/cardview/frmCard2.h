#pragma once

#include "CardLayout.h"

#include "platform/Twips.h"

#include <QWidget>

class PictureBox;
class QFrame;
class QLabel;
class QPlainTextEdit;

// A card window: one card drawn at full size. Any number may be open; each closes and goes away
// at the first mouse press on the card or key in its ability or skill text.
class frmCard2 : public QWidget {
    Q_OBJECT
public:
    explicit frmCard2(QWidget* parent = nullptr);
    ~frmCard2() override;

    // Fills the window for the card numbered ilngNo (a "No." cell: "001", "P01"); answers 0.
    qint32 plngSetCard(const QString& ilngNo);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void apply(const CardWindowLayout& layout);
    void Form_MouseDown();
    void imgCard_MouseDown();
    void txtAbility_KeyDown();
    void txtSkill_KeyDown();

    Twips twips_;
    QLabel *lblCardType_ = nullptr, *lblGlazeLabel_ = nullptr, *lblGlaze_ = nullptr, *lblNode_ = nullptr;
    QLabel *lblCost_ = nullptr, *lblUser_ = nullptr, *lblIllustration_ = nullptr, *lblCardName_ = nullptr;
    QLabel *lblClass_ = nullptr, *lblAttack_ = nullptr, *lblToughness_ = nullptr, *lblNo_ = nullptr;
    QLabel *lblUpkeep_ = nullptr, *lblSkill_ = nullptr;
    PictureBox* imgCard_ = nullptr;
    QFrame* linLine_ = nullptr;
    QPlainTextEdit *txtSkill_ = nullptr, *txtAbility_ = nullptr, *txtText_ = nullptr;
};
