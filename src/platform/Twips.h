#pragma once

#include <QtGlobal>

#include <cmath>

// The window layouts are given in twips (1/1440 inch); the screen's DPI turns them into pixels.
class Twips {
public:
    explicit Twips(double dpi = 96.0) : dpi_(dpi > 0 ? dpi : 96.0) {}
    int toPx(qint32 twips) const { return int(std::lround(twips * dpi_ / 1440.0)); }
    qint32 fromPx(int px) const { return qint32(std::lround(px * 1440.0 / dpi_)); }
    double dpi() const { return dpi_; }

private:
    double dpi_;
};
