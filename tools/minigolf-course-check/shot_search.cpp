#include "tools/minigolf-course-check/shot_search.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

#include "tools/minigolf-course-check/cup_distance.h"
#include "tools/minigolf-course-check/player_shots.h"

namespace minigolf::course_check {
namespace {

constexpr std::size_t kNoParent = SIZE_MAX;

// The first strokes from the start that lead to a place, one bit each.
using FirstStrokeSet = std::vector<std::uint64_t>;

void Unite(FirstStrokeSet& into, const FirstStrokeSet& from) {
    for (std::size_t i = 0; i < into.size(); ++i) into[i] |= from[i];
}

std::size_t Count(const FirstStrokeSet& set) {
    std::size_t n = 0;
    for (const std::uint64_t word : set) n += static_cast<std::size_t>(std::popcount(word));
    return n;
}

struct Node {
    Ball rest;
    std::size_t choices;  // index of the place's shot list
    std::size_t parent;
    Stroke stroke;        // from the parent to here
    FirstStrokeSet firstStrokes;
};

// A resting place: where the ball lies and which shots it offers. Two balls on the same pixel
// that offer the same shots are one place, whatever direction or power they carry.
struct PlaceKey {
    std::uint64_t x, y;
    std::size_t choices;
    bool operator==(const PlaceKey&) const = default;
};

struct PlaceKeyHash {
    std::size_t operator()(const PlaceKey& k) const {
        return std::hash<std::uint64_t>{}((k.x * 1000003 + k.y) * 1009 + k.choices);
    }
};

// Shot lists, each kept once: a ball's list depends only on its direction and carried power.
class ChoiceLists {
public:
    std::size_t IndexFor(const Ball& rest) {
        const std::pair<std::int32_t, std::uint64_t> carried{rest.dir, std::bit_cast<std::uint64_t>(rest.speed)};
        if (const auto known = byCarried_.find(carried); known != byCarried_.end()) return known->second;
        std::vector<Stroke> choices = StrokeChoices(rest);
        std::vector<std::pair<std::int32_t, std::uint64_t>> content;
        for (const Stroke& s : choices) content.emplace_back(s.dir, std::bit_cast<std::uint64_t>(s.power));
        std::sort(content.begin(), content.end());
        const auto [it, added] = byContent_.emplace(std::move(content), lists_.size());
        if (added) lists_.push_back(std::move(choices));
        byCarried_.emplace(carried, it->second);
        return it->second;
    }

    const std::vector<Stroke>& operator[](std::size_t index) const { return lists_[index]; }

private:
    std::map<std::pair<std::int32_t, std::uint64_t>, std::size_t> byCarried_;
    std::map<std::vector<std::pair<std::int32_t, std::uint64_t>>, std::size_t> byContent_;
    std::deque<std::vector<Stroke>> lists_;  // stays in place while lists are added
};

// Breadth first over resting places, one stroke count at a time, so that the first stroke
// count on which a shot holes the ball is the fewest.
class Search {
public:
    Search(const CourseMap& course, const SearchLimits& limits)
        : course_(course), limits_(limits), distance_(course.grid) {}

    SearchResult Run() {
        const Ball start{course_.startX, course_.startY, 0, 0.0};
        const std::size_t offered = lists_.IndexFor(start);
        nodes_.push_back(Node{start, offered, kNoParent, {}, {}});
        seen_.emplace(KeyOf(nodes_[0]), 0);
        result_.firstStrokes = lists_[offered].size();
        words_ = (result_.firstStrokes + 63) / 64;

        std::vector<std::size_t> level{0};
        bool cut = false;
        for (int depth = 1; depth <= limits_.maxStrokes && !level.empty(); ++depth) {
            // Places left out now only hide sequences of `depth` strokes or more: a win on this
            // stroke count is still the fewest, though not every way to it is counted.
            result_.exhaustive = !cut;
            if (level.size() > limits_.maxLevelStates) {
                KeepNearest(level);
                cut = true;
            }
            result_.allWaysCounted = !cut;
            level = Expand(level, depth);
            if (!result_.best.empty()) return result_;
        }
        result_.exhaustive = !cut;
        return result_;
    }

private:
    PlaceKey KeyOf(const Node& node) const {
        return {std::bit_cast<std::uint64_t>(node.rest.x), std::bit_cast<std::uint64_t>(node.rest.y), node.choices};
    }

    // Keeps the places nearest the cup; those left out may be reached again later by another way.
    void KeepNearest(std::vector<std::size_t>& level) {
        std::stable_sort(level.begin(), level.end(), [&](std::size_t a, std::size_t b) {
            return distance_.From(nodes_[a].rest) < distance_.From(nodes_[b].rest);
        });
        for (std::size_t i = limits_.maxLevelStates; i < level.size(); ++i) seen_.erase(KeyOf(nodes_[level[i]]));
        level.resize(limits_.maxLevelStates);
    }

    // Tries every shot from each place of the level; the places first reached, or, when a shot
    // holed the ball, nothing (the result is then complete).
    std::vector<std::size_t> Expand(const std::vector<std::size_t>& level, int depth) {
        FirstStrokeSet toBest(words_, 0);
        std::vector<std::size_t> next;
        const std::size_t nextStart = nodes_.size();
        for (const std::size_t at : level) {
            ++result_.statesExplored;
            const std::vector<Stroke>& choices = lists_[nodes_[at].choices];
            const Ball rest = nodes_[at].rest;
            const FirstStrokeSet parentFirst = nodes_[at].firstStrokes;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                const std::optional<ShotEnd> end = PlayStroke(course_.grid, rest, choices[i]);
                if (!end) continue;
                FirstStrokeSet first = parentFirst;
                if (depth == 1) {
                    first.assign(words_, 0);
                    first[i / 64] |= std::uint64_t{1} << (i % 64);
                }
                if (end->holed) {
                    if (result_.best.empty()) result_.best = StrokesTo(at, choices[i]);
                    ++result_.finishingShots;
                    Unite(toBest, first);
                } else if (result_.best.empty()) {
                    Reach(Node{end->rest, lists_.IndexFor(end->rest), at, choices[i], std::move(first)}, nextStart,
                          next);
                }
            }
        }
        if (result_.best.empty()) return next;
        result_.firstStrokesToBest = Count(toBest);
        return {};
    }

    // A place reached again on the same stroke count adds the first strokes that lead to it.
    void Reach(Node node, std::size_t nextStart, std::vector<std::size_t>& next) {
        const auto [it, added] = seen_.emplace(KeyOf(node), nodes_.size());
        if (added) {
            nodes_.push_back(std::move(node));
            next.push_back(it->second);
        } else if (it->second >= nextStart) {
            Unite(nodes_[it->second].firstStrokes, node.firstStrokes);
        }
    }

    std::vector<Stroke> StrokesTo(std::size_t at, const Stroke& last) const {
        std::vector<Stroke> strokes{last};
        for (; nodes_[at].parent != kNoParent; at = nodes_[at].parent) strokes.push_back(nodes_[at].stroke);
        std::reverse(strokes.begin(), strokes.end());
        return strokes;
    }

    const CourseMap& course_;
    const SearchLimits limits_;
    const CupDistance distance_;
    ChoiceLists lists_;
    std::vector<Node> nodes_;
    std::unordered_map<PlaceKey, std::size_t, PlaceKeyHash> seen_;
    std::size_t words_ = 0;
    SearchResult result_;
};

}  // namespace

SearchResult FindFewestStrokes(const CourseMap& course, const SearchLimits& limits) {
    return Search(course, limits).Run();
}

}  // namespace minigolf::course_check
