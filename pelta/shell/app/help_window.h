#pragma once
// The help page shipped inside the program, in a window of its own.

class QWidget;

namespace pelta {

void ShowHelpWindow(QWidget* parent);

}  // namespace pelta
