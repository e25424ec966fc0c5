#pragma once

#include "gui/app/ChildWindow.h"

namespace scorvane {

// The About window: logo, notice, build number and the maker's e-mail and web addresses.
class AboutWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit AboutWindow(WindowHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close();
};

} // namespace scorvane
