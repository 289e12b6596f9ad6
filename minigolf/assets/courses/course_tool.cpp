// Converts a mini-golf course from its readable text to the game's course file.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "minigolf/courses/course_text.h"
#include "minigolf/generated/generated_file.h"

namespace {

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: minigolf_course_tool COURSE.txt COURSE.dat\n"
                 "       minigolf_course_tool --legend\n"
                 "Converts a course text (\"par N\", \"start X Y\", \"map\", then 30 rows of 40 tile\n"
                 "symbols) into the game's 2420-byte course file. Refuses a course whose file would\n"
                 "read differently through a text-mode stream (a byte 0x1A, or 0x0D then 0x0A).\n"
                 "--legend lists the tile symbols.\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        PrintUsage(stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--legend") {
        for (const auto& entry : minigolf::courses::kLegend) {
            std::printf("%c  %2d  %s\n", entry.symbol, entry.code, std::string(entry.meaning).c_str());
        }
        return 0;
    }
    if (args.size() != 2 || args[0].starts_with("-") || args[1].starts_with("-")) {
        PrintUsage(stderr);
        return 2;
    }
    return minigolf::WriteGeneratedFile("minigolf_course_tool", args[1], [&args] {
        std::ifstream in(args[0], std::ios::binary);
        if (!in) {
            throw std::runtime_error("cannot read " + args[0]);
        }
        std::ostringstream text;
        text << in.rdbuf();
        minigolf::courses::Course course;
        std::string error;
        if (!minigolf::courses::ParseCourse(text.str(), course, error)) {
            throw std::runtime_error(args[0] + ": " + error);
        }
        std::string bytes = minigolf::courses::EncodeCourse(course);
        if (const std::string hazard = minigolf::courses::TextModeHazard(bytes); !hazard.empty()) {
            throw std::runtime_error(args[0] + ": " + hazard);
        }
        return bytes;
    });
}
