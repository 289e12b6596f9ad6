#include "minigolf/generated/generated_file.h"

#include <cstdio>
#include <exception>

#include "common/files/replace_file.h"

namespace minigolf {

std::optional<std::string> OutputPath(int argc, char** argv, const char* usage, int& status) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--help") {
        std::printf("usage: %s %s", argv[0], usage);
        status = 0;
        return std::nullopt;
    }
    if (argc != 2 || first.starts_with("-")) {
        std::fprintf(stderr, "usage: %s %s", argv[0], usage);
        status = 2;
        return std::nullopt;
    }
    return first;
}

int WriteGeneratedFile(const char* program, const std::filesystem::path& path, const std::function<std::string()>& make) {
    try {
        const files::WriteResult result = files::ReplaceFile(path, make());
        if (!result) {
            std::fprintf(stderr, "%s: %s\n", program, result.error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
        return 1;
    }
    return 0;
}

}  // namespace minigolf
