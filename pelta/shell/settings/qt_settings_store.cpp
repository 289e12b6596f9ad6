#include "pelta/settings/qt_settings_store.h"

#include <QLockFile>
#include <QString>
#include <QVariant>
#include <QtDebug>

namespace pelta {
namespace {

QString SettingsKey(std::string_view key) {
    return QStringLiteral("Settings/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// QSettings holds "<file>.lock" only for the moments of a write, and takes over a lock left by
// a killed run only once its owner is plainly gone: a process id that is now another live
// process (or a zombie) makes it wait half a minute, with the window frozen at its close.
// A lock that no live process holds (QLockFile's owner keeps an flock on it) is removed at
// once here; the short stale time only guards an owner in the instant between creating and
// locking it.
constexpr int kLockCreationGuardMs = 100;
// Longer than any write of four values takes, short enough not to be felt at exit.
constexpr int kLiveOwnerWaitMs = 500;

// False only while a live process holds the lock; a folder yet to be made is QSettings' to make.
bool TakeOverAbandonedLock(const QString& settingsFile) {
    QLockFile lock(settingsFile + QStringLiteral(".lock"));
    lock.setStaleLockTime(kLockCreationGuardMs);
    if (lock.tryLock(kLiveOwnerWaitMs)) {
        lock.unlock();
        return true;
    }
    return lock.error() != QLockFile::LockFailedError;
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

bool QtSettingsStore::MayWrite() {
    if (!mayWrite_) {
        mayWrite_ = TakeOverAbandonedLock(settings_.fileName());
        if (!*mayWrite_) qWarning() << "Settings not saved: another program keeps" << settings_.fileName() << "locked";
    }
    return *mayWrite_;
}

void QtSettingsStore::WriteInt(std::string_view key, std::int32_t value) {
    if (!MayWrite()) return;
    settings_.setValue(SettingsKey(key), value);
}

void QtSettingsStore::WriteText(std::string_view key, std::string_view value) {
    if (!MayWrite()) return;
    settings_.setValue(SettingsKey(key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace pelta
