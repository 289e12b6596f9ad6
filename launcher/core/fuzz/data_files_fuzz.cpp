// Any bytes may stand in "game.csv", "set.ini" or a description file: reading them must never
// crash, hang or read past the list, and the field reader must use up its input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "launcher/core/field_reader.h"
#include "launcher/core/game_list.h"
#include "launcher/core/launcher_settings.h"
#include "launcher/core/text_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    launcher::FieldReader reader(bytes);
    std::size_t fields = 0;
    while (reader.Next()) {
        if (++fields > size) std::abort();  // every field takes at least one byte
    }
    if (!reader.AtEnd()) std::abort();

    const launcher::GameList list = launcher::ParseGameList(bytes);
    if (list.count < 0 || list.count > launcher::kGameListSlots || list.currentIndex != 0) std::abort();

    launcher::ParseLauncherSettings(bytes);
    launcher::DecodeCp932(bytes);
    return 0;
}
