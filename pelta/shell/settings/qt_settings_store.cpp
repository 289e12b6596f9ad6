#include "settings/qt_settings_store.h"

#include <QString>
#include <QVariant>

namespace pelta {
namespace {

QString SettingsKey(std::string_view key) {
    return QStringLiteral("Settings/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore() : settings_(kOrganizationName, kApplicationName) {}

// A value that is not a number counts as absent, so the setting takes its default.
std::optional<std::int32_t> QtSettingsStore::ReadInt(std::string_view key) const {
    QVariant value = settings_.value(SettingsKey(key));
    if (!value.isValid()) return std::nullopt;
    bool ok = false;
    int number = value.toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> QtSettingsStore::ReadText(std::string_view key) const {
    QVariant value = settings_.value(SettingsKey(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::WriteInt(std::string_view key, std::int32_t value) {
    settings_.setValue(SettingsKey(key), value);
}

void QtSettingsStore::WriteText(std::string_view key, std::string_view value) {
    settings_.setValue(SettingsKey(key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace pelta
