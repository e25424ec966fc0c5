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
    void cmdOK_Click();

    std::array<QLineEdit*, 7> txtGameType{};
    std::array<QLineEdit*, 5> txtCat{};
    QLabel* lblGameTypes = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace scorvane
