#pragma once

#include <QString>

// One card as the preview pane and the card windows show it: its catalogue values exactly as
// read (a missing key reads as the empty text) and its picture file.
struct CardRecord {
    QString section;  // the catalogue section the card was read from ("007", "P01")
    QString type, name, node, cost, glaze, attack, toughness, user, upkeep, classes, skill;
    QString ability, text, illustration;  // "\n" pairs still escaped
    QString picture;  // full path of the picture to show, or empty for none
};

// Reads the card from the catalogue, and its "File" from player.ini when that file exists, else
// from the catalogue. Parsed files are shared between quick repeated reads (ProfileCache).
CardRecord readCard(const QString& cardNo);

// The picture file readCard finds for the card (full path), or empty for none.
QString cardPictureFile(const QString& cardNo);
