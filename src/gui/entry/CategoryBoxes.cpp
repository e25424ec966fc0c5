#include "gui/entry/CategoryBoxes.h"

#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace scorvane {
namespace {

constexpr int BoxColumns = 6;
constexpr int TypedLength = 4;

const QRegularExpression DigitsPattern(QStringLiteral("[0-9]*"));

} // namespace

CategoryBoxes::CategoryBoxes(QWidget* window, QGridLayout* grid, QObject* keys)
{
    const int boxWidth = window->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 8;
    for (int k = 0; k < Count; ++k) {
        auto* box = new QLineEdit(QStringLiteral("0"), window);
        box->setObjectName(QStringLiteral("txtCat%1").arg(k));
        box->setMaxLength(TypedLength);
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignRight);
        box->setAccessibleDescription(statisticLongName(k));
        TextBoxes::selectAllOnFocus(box);
        TextBoxes::digitsOnly(box);
        // Pasted text passes no key filter: only digits are taken.
        box->setValidator(new QRegularExpressionValidator(DigitsPattern, box));
        box->installEventFilter(keys);
        auto* label = makeLabel(window, "", {});
        label->setObjectName(QStringLiteral("lblCat%1").arg(k));
        label->setBuddy(box);
        label->setToolTip(statisticLongName(k));
        label->setMinimumWidth(boxWidth);
        boxes_[static_cast<std::size_t>(k)] = box;
        labels_[static_cast<std::size_t>(k)] = label;
        const int row = (k / BoxColumns) * 2;
        const int column = k % BoxColumns;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row + 1, column);
    }
}

int CategoryBoxes::indexOf(const QObject* object) const
{
    const auto found = std::find(boxes_.begin(), boxes_.end(), object);
    return found == boxes_.end() ? -1 : static_cast<int>(found - boxes_.begin());
}

void CategoryBoxes::fill(const std::array<qint64, Count>& values)
{
    Texts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = valueText(values[k]);
    setTexts(texts);
}

void CategoryBoxes::setTexts(const Texts& texts)
{
    filling_ = true;
    for (std::size_t k = 0; k < texts.size(); ++k)
        boxes_[k]->setText(texts[k]);
    filling_ = false;
}

CategoryBoxes::Texts CategoryBoxes::texts() const
{
    Texts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = boxes_[k]->text();
    return texts;
}

StatValueArray CategoryBoxes::values() const
{
    StatValueArray values{};
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = valueOfText(boxes_[k]->text());
    return values;
}

void CategoryBoxes::setTotalsLook(bool totals)
{
    for (QLineEdit* box : boxes_) {
        box->setFocusPolicy(totals ? Qt::NoFocus : Qt::StrongFocus);
        box->setReadOnly(totals);
        box->setMaxLength(totals ? 32767 : TypedLength);
        QPalette look;
        if (totals) {
            look = box->palette();
            look.setColor(QPalette::Base, look.color(QPalette::Window));
        }
        box->setPalette(look);
    }
}

} // namespace scorvane
