#pragma once

#include "CardLayout.h"

#include "platform/Twips.h"

class PictureBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

// The preview pane on the left of the main window: its elements are the window's own children,
// named as the window's elements; the pane only displays what it is given.
class PreviewPane {
public:
    PreviewPane(QWidget* window, const Twips& twips);

    void show(const PreviewTexts& texts);

private:
    QLabel *lblCardType_, *lblGlaze_, *lblNode_, *lblCost_, *lblUser_, *lblClass_, *lblUpkeep_;
    QLabel *lblAttack_, *lblToughness_, *lblCardName_, *lblSkill_, *lblIllustration_;
    PictureBox* imgCard_;
    QPlainTextEdit *txtAbility_, *txtText_;
};
