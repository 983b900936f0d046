#pragma once

#include "platform/Rgb.h"

#include <QString>

#include <array>

enum class TotalLabel { lblSum, lblSideSum, lblSide, lblCharacterSum, lblSpellSum, lblCommandSum };

// The six running totals of the main window: each is the caption text of a label and its
// background. They are counters, changed one step at a time, never recomputed from the grid.
class Totals {
  public:
    Totals(); // as after a catalogue load

    QString caption(TotalLabel label) const
    {
        return exact_[index(label)] ? QString::number(numbers_[index(label)]) : captions_[index(label)];
    }
    void setCaption(TotalLabel label, const QString& text)
    {
        captions_[index(label)] = text;
        exact_[index(label)] = false;
    }
    Rgb background(TotalLabel label) const { return backgrounds_[index(label)]; }
    void setBackground(TotalLabel label, Rgb colour) { backgrounds_[index(label)] = colour; }

    // The leading number of the caption (0 when there is none), rounded and held within 32 bits.
    qint32 value(TotalLabel label) const;
    // Reads the caption as a number, adds delta and writes the result back as plain decimal text.
    void add(TotalLabel label, qint32 delta);

    // Every caption "0"; the three size totals light yellow, the type totals white.
    void resetForLoad();

    bool operator==(const Totals& other) const;

    static constexpr int kCount = 6;

  private:
    static constexpr size_t index(TotalLabel label) { return size_t(label); }

    std::array<QString, kCount> captions_;
    std::array<Rgb, kCount> backgrounds_{};
    // A caption a step wrote is the plain text of a whole number: kept as that number instead
    // (exact_), so that a press neither writes its totals as texts nor reads them back.
    std::array<qint64, kCount> numbers_{};
    std::array<bool, kCount> exact_{};
};
