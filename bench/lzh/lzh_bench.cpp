// lzh_bench ARCHIVE [RUNS]: extraction throughput of ExtractArchive in MB/s of output,
// the best of RUNS extractions into a fresh temporary folder each. Counts the process's
// CPU time, so that other work on the machine does not skew the figure.

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/command-line/command_line.h"
#include "installer/lzh/extract.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv, "ARCHIVE [RUNS]\nThe best extraction throughput of RUNS (default 5) runs over ARCHIVE.", 1, 2);
    std::ifstream in(args[0], std::ios::binary);
    std::vector<std::uint8_t> archive(static_cast<std::size_t>(in.seekg(0, std::ios::end).tellg()));
    in.seekg(0).read(reinterpret_cast<char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
    int runs = args.size() > 1 ? std::atoi(args[1].c_str()) : 5;

    std::string pattern = (std::filesystem::temp_directory_path() / "lzh-bench-XXXXXX").string();
    std::filesystem::path root = ::mkdtemp(pattern.data());
    double best = 1e30;
    std::uint64_t output = 0;
    for (int i = 0; i < runs; ++i) {
        std::filesystem::path dest = root / std::to_string(i);
        output = 0;
        std::clock_t start = std::clock();
        lzh::ResultCode result = lzh::ExtractArchive(archive, dest, [&](const lzh::MemberReport& r) {
            if (r.outcome == lzh::MemberOutcome::Extracted) output += r.size;
        });
        double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        std::filesystem::remove_all(dest);
        if (result != lzh::ResultCode::Success) {
            std::fprintf(stderr, "extraction failed with result %d\n", static_cast<int>(result));
            return 1;
        }
        best = std::min(best, seconds);
    }
    std::filesystem::remove_all(root);
    std::printf("%.1f MB/s (%llu bytes in %.4f s)\n", output / best / 1e6, static_cast<unsigned long long>(output), best);
    return 0;
}
