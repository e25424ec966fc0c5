#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace scorvane {

// The button row of a small dialog: an optional widget at the left, then OK (the default button,
// objectName cmdOK) and Cancel (cmdCancel) at the right.
struct OkCancelRow
{
    QHBoxLayout* layout = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

OkCancelRow makeOkCancelRow(QWidget* parent, QWidget* leading = nullptr);

} // namespace scorvane
