#pragma once

class QWidget;

namespace scorvane {

struct AppState;
class Prompter;

// Opens the Compute window on the program's report selection and keeps what OK returns; true
// then, and the caller computes its report again. False after Cancel, when nothing changed.
// Every report window (player statistics, record, game scores, standings) chooses its games here.
bool chooseGamesToCount(QWidget* over, AppState& state, Prompter& prompter);

} // namespace scorvane
