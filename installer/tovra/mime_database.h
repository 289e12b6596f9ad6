#pragma once
// Whether the shared MIME database knows the LZH type, and a definition for it where not.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tovra {

// Known as a type or as an alias of one in any of the MIME folders under `dataDirs`.
bool MimeTypeKnown(const std::vector<std::filesystem::path>& dataDirs, std::string_view type);

// A package for mime/packages: the LZH type by its extensions and by the method field
// that follows a member header's first two bytes.
std::string LzhMimePackage();

}  // namespace tovra
