#include "shot_search.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <map>
#include <unordered_map>
#include <utility>

#include "cup_distance.h"
#include "player_shots.h"

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

std::vector<Stroke> StrokesTo(const std::vector<Node>& nodes, std::size_t at, const Stroke& last) {
    std::vector<Stroke> strokes{last};
    for (; nodes[at].parent != kNoParent; at = nodes[at].parent) strokes.push_back(nodes[at].stroke);
    std::reverse(strokes.begin(), strokes.end());
    return strokes;
}

}  // namespace

SearchResult FindFewestStrokes(const CourseMap& course, const SearchLimits& limits) {
    SearchResult result;
    const CupDistance distance(course.grid);
    ChoiceLists lists;
    std::vector<Node> nodes;
    std::unordered_map<PlaceKey, std::size_t, PlaceKeyHash> seen;

    const Ball start{course.startX, course.startY, 0, 0.0};
    nodes.push_back(Node{start, lists.IndexFor(start), kNoParent, {}, {}});
    seen.emplace(PlaceKey{std::bit_cast<std::uint64_t>(start.x), std::bit_cast<std::uint64_t>(start.y), nodes[0].choices}, 0);
    result.firstStrokes = lists[nodes[0].choices].size();
    const std::size_t words = (result.firstStrokes + 63) / 64;
    std::vector<std::size_t> level{0};

    bool cut = false;
    for (int depth = 1; depth <= limits.maxStrokes && !level.empty(); ++depth) {
        // Places left out now only hide sequences of `depth` strokes or more: a win on this
        // stroke count is still the fewest, though not every way to it is counted.
        result.exhaustive = !cut;
        if (level.size() > limits.maxLevelStates) {
            std::stable_sort(level.begin(), level.end(), [&](std::size_t a, std::size_t b) {
                return distance.From(nodes[a].rest) < distance.From(nodes[b].rest);
            });
            level.resize(limits.maxLevelStates);
            cut = true;
        }
        result.allWaysCounted = !cut;
        FirstStrokeSet toBest(words, 0);
        std::vector<std::size_t> next;
        const std::size_t nextStart = nodes.size();
        for (const std::size_t at : level) {
            ++result.statesExplored;
            const std::vector<Stroke>& choices = lists[nodes[at].choices];
            const FirstStrokeSet parentFirst = nodes[at].firstStrokes;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                const auto end = PlayStroke(course.grid, nodes[at].rest, choices[i]);
                if (!end) continue;
                FirstStrokeSet first = parentFirst;
                if (depth == 1) {
                    first.assign(words, 0);
                    first[i / 64] |= std::uint64_t{1} << (i % 64);
                }
                if (end->holed) {
                    if (result.best.empty()) result.best = StrokesTo(nodes, at, choices[i]);
                    ++result.finishingShots;
                    Unite(toBest, first);
                    continue;
                }
                if (!result.best.empty()) continue;
                const std::size_t offered = lists.IndexFor(end->rest);
                const PlaceKey key{std::bit_cast<std::uint64_t>(end->rest.x), std::bit_cast<std::uint64_t>(end->rest.y),
                                   offered};
                const auto [it, added] = seen.emplace(key, nodes.size());
                if (added) {
                    nodes.push_back(Node{end->rest, offered, at, choices[i], std::move(first)});
                    next.push_back(it->second);
                } else if (it->second >= nextStart) {
                    Unite(nodes[it->second].firstStrokes, first);
                }
            }
        }
        if (!result.best.empty()) {
            result.firstStrokesToBest = Count(toBest);
            return result;
        }
        level = std::move(next);
    }
    result.exhaustive = !cut;
    return result;
}

}  // namespace minigolf::course_check
