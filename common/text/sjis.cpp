#include "common/text/sjis.h"

#include <cerrno>
#include <iconv.h>

namespace sjis {
namespace {

// CP932 rather than SHIFT_JIS: glibc's SHIFT_JIS maps 0x5C to the yen sign and rejects
// the NEC and IBM extension characters that Windows text uses.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string out(in.size() * 2 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t done = 0;
    bool ok = true;
    for (;;) {
        char* dst = out.data() + done;
        std::size_t dstLeft = out.size() - done;
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        ok = false;  // EILSEQ or EINVAL: an invalid or truncated sequence
        break;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(done);
    return out;
}

}  // namespace

std::optional<std::string> ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }

std::optional<std::string> FromUtf8(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::size_t> ByteLength(std::string_view utf8) {
    auto encoded = FromUtf8(utf8);
    if (!encoded) return std::nullopt;
    return encoded->size();
}

}  // namespace sjis
