// Runs a fuzz target once over its seed files, outside the fuzz build: each argument is a file,
// a folder (every file in it) or a glob pattern. A pattern that matches nothing fails, so that a
// seed list that went stale is noticed.

#include <glob.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::string> Expand(const std::string& argument) {
    std::vector<std::string> paths;
    std::error_code error;
    if (std::filesystem::is_directory(argument, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(argument, error)) {
            if (entry.is_regular_file(error)) paths.push_back(entry.path().string());
        }
        return paths;
    }
    glob_t matches{};
    if (::glob(argument.c_str(), 0, nullptr, &matches) == 0) {
        for (std::size_t i = 0; i < matches.gl_pathc; ++i) paths.emplace_back(matches.gl_pathv[i]);
    }
    ::globfree(&matches);
    return paths;
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::string> paths = Expand(argv[i]);
        if (paths.empty()) {
            std::fprintf(stderr, "%s: no seed file\n", argv[i]);
            return 1;
        }
        for (const std::string& path : paths) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "%s: cannot read\n", path.c_str());
                return 1;
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d seed inputs run\n", inputs);
    return inputs > 0 ? 0 : 1;
}
