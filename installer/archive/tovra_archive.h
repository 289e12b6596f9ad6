#pragma once
// The archive the installer carries: the utility and its readmes.

#include <cstdint>
#include <span>

namespace installer {

std::span<const std::uint8_t> TovraArchive();

}  // namespace installer
