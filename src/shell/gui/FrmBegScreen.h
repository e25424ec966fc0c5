#pragma once

#include "ui/ChildWindow.h"

namespace scorvane {

// The About window: logo, notice, build number and the maker's e-mail and web addresses.
class FrmBegScreen : public ChildWindow
{
    Q_OBJECT

public:
    explicit FrmBegScreen(WindowHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close();
};

} // namespace scorvane
