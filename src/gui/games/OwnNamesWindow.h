#pragma once

#include "gui/app/ChildWindow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace scorvane {

// The user's own names for the seven game types and codes for the five spare statistics.
class OwnNamesWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit OwnNamesWindow(WindowHost& host);

    void opened() override;

private:
    void okClicked();

    std::array<QLineEdit*, 7> gameTypeEdit{};
    std::array<QLineEdit*, 5> catEdit{};
    QLabel* gameTypesLabel_ = nullptr;
    QLabel* categoriesLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
