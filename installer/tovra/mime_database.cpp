#include "installer/tovra/mime_database.h"

#include <fstream>

#include "installer/tovra/desktop_entry.h"

namespace tovra {

bool MimeTypeKnown(const std::vector<std::filesystem::path>& dataDirs, std::string_view type) {
    for (const std::filesystem::path& dir : dataDirs) {
        std::error_code ec;
        if (std::filesystem::exists(dir / "mime" / (std::string(type) + ".xml"), ec)) return true;
        std::ifstream aliases(dir / "mime/aliases");
        std::string prefix = std::string(type) + " ";
        for (std::string line; std::getline(aliases, line);) {
            if (line.starts_with(prefix)) return true;
        }
    }
    return false;
}

std::string LzhMimePackage() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kLzhMimeType) +
           "\">\n"
           "    <comment>LZH archive</comment>\n"
           "    <comment xml:lang=\"ja\">LZH書庫</comment>\n"
           "    <magic priority=\"50\">\n"
           "      <match type=\"string\" value=\"-lh\" offset=\"2\"/>\n"
           "    </magic>\n"
           "    <glob pattern=\"*.lzh\"/>\n"
           "    <glob pattern=\"*.lha\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

}  // namespace tovra
