// Checks mini-golf course files: the fewest strokes that hole each course, against its par.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "minigolf/course/course_files.h"
#include "minigolf/course/load_course.h"
#include "minigolf/testing/recording_presenter.h"
#include "tools/minigolf-course-check/course_verdict.h"
#include "tools/minigolf-course-check/shot_search.h"

namespace {

namespace check = minigolf::course_check;

constexpr int kHolesInGame = 9;
// Strokes tried beyond par before a course counts as not holeable.
constexpr int kStrokesBeyondPar = 3;
constexpr int kDeepestPar = 20;

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: minigolf-course-check [--max-states N] [--beyond-par N] COURSE.dat|FOLDER ...\n"
                 "For each course, tries every shot a player can make (16 aims, each power the gauge\n"
                 "shows) from the start and from every place the ball comes to rest, with the game's\n"
                 "own physics, and prints par, the fewest strokes that hole it, one such sequence\n"
                 "(aim 0-15 clockwise from up, power) and the resting places explored. A FOLDER\n"
                 "stands for the nine course files a game plays in it.\n"
                 "  --max-states N   resting places tried per stroke count before only those nearest\n"
                 "                   the cup are kept (default 2000; the answer is then marked '<=')\n"
                 "  --beyond-par N   strokes tried beyond par (default 3)\n"
                 "Exit status: 0 when every course can be holed within its par, 1 when one cannot\n"
                 "(or the search could not show it), 2 for bad arguments or unreadable files.\n");
}

std::optional<long> ParseCount(const std::string& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

struct Options {
    check::SearchLimits limits;
    int beyondPar = kStrokesBeyondPar;
    std::vector<std::filesystem::path> courses;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args, int& status) {
    Options options;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout);
            status = 0;
            return std::nullopt;
        }
        if (arg == "--max-states" || arg == "--beyond-par") {
            const std::optional<long> value = i + 1 < args.size() ? ParseCount(args[++i]) : std::nullopt;
            if (!value || *value < 1 || *value > 1'000'000) {
                std::fprintf(stderr, "minigolf-course-check: %s needs a whole number from 1 to 1000000\n", arg.c_str());
                status = 2;
                return std::nullopt;
            }
            if (arg == "--max-states") options.limits.maxLevelStates = static_cast<std::size_t>(*value);
            if (arg == "--beyond-par") options.beyondPar = static_cast<int>(*value);
            continue;
        }
        if (arg.starts_with("-")) {
            std::fprintf(stderr, "minigolf-course-check: unknown option %s\n", arg.c_str());
            PrintUsage(stderr);
            status = 2;
            return std::nullopt;
        }
        paths.push_back(arg);
    }
    if (paths.empty()) {
        PrintUsage(stderr);
        status = 2;
        return std::nullopt;
    }
    for (const std::filesystem::path path : paths) {
        if (!std::filesystem::is_directory(path)) {
            options.courses.push_back(path);
            continue;
        }
        for (int hole = 0; hole < kHolesInGame; ++hole) {
            options.courses.push_back(path / minigolf::kCourseFiles[static_cast<std::size_t>(hole)]);
        }
    }
    return options;
}

std::optional<minigolf::CourseMap> ReadCourseFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "minigolf-course-check: cannot read %s\n", path.c_str());
        return std::nullopt;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    test_support::RecordingPresenter presenter;
    minigolf::Surfaces surfaces(presenter);
    minigolf::CourseMap course;
    if (bytes.size() != minigolf::kCourseFileSize || minigolf::ReadCourse(bytes, course, surfaces) != minigolf::CourseLoad::kLoaded) {
        std::fprintf(stderr, "minigolf-course-check: %s is %zu bytes, not a course file of %zu\n", path.c_str(),
                     bytes.size(), minigolf::kCourseFileSize);
        return std::nullopt;
    }
    return course;
}

std::string Describe(const std::vector<check::Stroke>& strokes) {
    std::string text;
    char buffer[32];
    for (const check::Stroke& s : strokes) {
        std::snprintf(buffer, sizeof buffer, "%s%d/%.1f", text.empty() ? "" : "  ", s.dir, s.power);
        text += buffer;
    }
    return text;
}

// Prints the course's line; false when it cannot be shown holeable within its par.
bool CheckCourse(const std::filesystem::path& path, const minigolf::CourseMap& course, const Options& options) {
    check::SearchLimits limits = options.limits;
    // A par read from a file is only a hint of how deep to look; a damaged one must not make
    // the search run for ever.
    limits.maxStrokes = std::clamp(course.par, 1, kDeepestPar) + options.beyondPar;
    const check::SearchResult result = check::FindFewestStrokes(course, limits);
    const int best = static_cast<int>(result.best.size());
    const char* bound = result.exhaustive ? "" : "<=";
    const check::Verdict verdict = check::JudgeCourse(course.par, result, limits.maxStrokes);
    const char* atLeast = result.allWaysCounted ? "" : ">=";
    std::printf("%-14s par %d  best %s%s  states %zu  first strokes to best %s%zu/%zu  finishing shots %s%zu%s%s\n",
                path.filename().c_str(), course.par, bound, best == 0 ? "-" : std::to_string(best).c_str(),
                result.statesExplored, atLeast, result.firstStrokesToBest, result.firstStrokes, atLeast,
                result.finishingShots, verdict.note.empty() ? "" : "  ", verdict.note.c_str());
    if (!result.best.empty()) std::printf("%-14s strokes (aim/power): %s\n", "", Describe(result.best).c_str());
    std::fflush(stdout);
    return verdict.ok;
}

}  // namespace

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<Options> options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), status);
    if (!options) return status;
    std::vector<std::pair<std::filesystem::path, minigolf::CourseMap>> courses;
    for (const std::filesystem::path& path : options->courses) {
        std::optional<minigolf::CourseMap> course = ReadCourseFile(path);
        if (!course) return 2;
        courses.emplace_back(path, *course);
    }
    bool allOk = true;
    for (const auto& [path, course] : courses) allOk = CheckCourse(path, course, *options) && allOk;
    return allOk ? 0 : 1;
}
