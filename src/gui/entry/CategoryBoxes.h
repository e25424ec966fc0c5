#pragma once

#include "core/entry/PlayerEntry.h"

#include <QString>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace scorvane {

// The player screen's 29 category boxes and their labels, in rows of six: one player's figures,
// or the team's totals read-only.
class CategoryBoxes
{
public:
    static constexpr int Count = EnteredStatisticCount;
    using Texts = std::array<QString, Count>;

    // Makes the boxes as children of `window`, laid out in `grid`; `keys` sees each box's events
    // after the digit filter, so Enter, + and - reach it first.
    CategoryBoxes(QWidget* window, QGridLayout* grid, QObject* keys);

    QLineEdit* box(int k) const { return boxes_[static_cast<std::size_t>(k)]; }
    QLabel* label(int k) const { return labels_[static_cast<std::size_t>(k)]; }
    // The box `object` is, or -1.
    int indexOf(const QObject* object) const;

    // True while the boxes are being filled by the program rather than typed into.
    bool filling() const { return filling_; }
    void fill(const std::array<qint64, Count>& values);
    void setTexts(const Texts& texts);
    Texts texts() const;
    StatValueArray values() const;

    // Totals are longer than four digits and cannot be typed over; the boxes look it.
    void setTotalsLook(bool totals);

private:
    std::array<QLineEdit*, Count> boxes_{};
    std::array<QLabel*, Count> labels_{};
    bool filling_ = false;
};

} // namespace scorvane
