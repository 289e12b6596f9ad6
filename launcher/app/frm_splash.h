#pragma once
// The small window shown while the launcher starts and copies its support files: no title bar,
// no task-bar button, a busy pointer over it.

#include <QWidget>

namespace launcher {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();
};

}  // namespace launcher
