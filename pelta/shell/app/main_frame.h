#pragma once
// The main window "peltaⅡ": fixed size, menu bar over the game view, the accelerators.

#include <QMainWindow>
#include <utility>
#include <vector>

#include "pelta/app/pelta_view.h"

namespace pelta {

class CMainFrame : public QMainWindow {
public:
    CMainFrame();

    // False when the view could not start (its message has been shown).
    bool Create();
    CPeltaView& view() { return *view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildAccelerators();
    QAction* AddCommand(QMenu* menu, const QString& text, pelta::Command command);
    void UpdateCheckMarks();

    CPeltaView* view_;
    std::vector<std::pair<QAction*, pelta::Command>> checked_;
};

}  // namespace pelta
