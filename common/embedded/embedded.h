#pragma once
// Data files compiled into a program by collection_embed() (cmake/Collection.cmake), the way the
// originals carried bitmaps, sounds and archives as resources.

#include <cstddef>
#include <span>

// Declares the bytes of one embedded file; use at namespace scope, then Embedded(symbol).
#define DECLARE_EMBEDDED(symbol)                         \
    namespace embedded {                                 \
    extern const unsigned char symbol[];                 \
    extern const std::size_t symbol##_size;              \
    }

#define EMBEDDED_BYTES(symbol) \
    (std::span<const unsigned char>(::embedded::symbol, ::embedded::symbol##_size))
