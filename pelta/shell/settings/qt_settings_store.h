#pragma once
// The batting game's settings in the user's profile: QSettings under the game's names
// (application_names.h), group "Settings".

#include <QSettings>
#include <optional>

#include "pelta/scores/settings.h"
#include "pelta/settings/application_names.h"

namespace pelta {

// Writes reach the disk when the store is destroyed, at the latest. A lock on the profile that
// its owner left behind is taken over; one that a live process keeps for more than a moment
// costs this store's writes (with a warning) rather than freezing the window.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::int32_t> ReadInt(std::string_view key) const override;
    std::optional<std::string> ReadText(std::string_view key) const override;
    void WriteInt(std::string_view key, std::int32_t value) override;
    void WriteText(std::string_view key, std::string_view value) override;

private:
    // Whether writes may go ahead, decided once, before the first.
    bool MayWrite();

    QSettings settings_;
    std::optional<bool> mayWrite_;
};

}  // namespace pelta
