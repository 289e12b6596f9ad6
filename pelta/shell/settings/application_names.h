#pragma once
// Where the batting game's settings live: "Software\Ondo's Software\pelta" on Windows, the
// XDG config folder here. Every QSettings of the game goes by these names.

#include <QCoreApplication>
#include <QString>

namespace pelta {

inline const QString kOrganizationName = QStringLiteral("Ondo's Software");
inline const QString kApplicationName = QStringLiteral("pelta");

// Names the running application, so that a plain QSettings() opens the game's profile.
inline void SetApplicationNames() {
    QCoreApplication::setOrganizationName(kOrganizationName);
    QCoreApplication::setApplicationName(kApplicationName);
}

}  // namespace pelta
