#include "installer/app/qt_install_root.h"

#include <QSettings>

namespace installer {

std::string QtInstallRoot::InstallRoot() const {
    QSettings settings("Pellmar", "Tovra");
    QVariant value = settings.value("InstallRoot");
    // Anything but text counts as no saved root.
    if (value.typeId() != QMetaType::QString) return "";
    return value.toString().toStdString();
}

}  // namespace installer
