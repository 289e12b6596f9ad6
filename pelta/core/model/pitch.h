#pragma once
// Levels, pitch descriptions and results: the vocabulary of the batting game.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelta {

enum class Level : std::uint8_t { Easy = 0, Normal = 1, Trick = 2, AnoMani = 3, Practice = 10 };
inline constexpr int kLevelCount = 4;
inline constexpr std::array<std::string_view, kLevelCount> kLevelNames = {"Easy", "Normal", "Trick", "AnoMani"};

enum class SpeedKind : std::uint8_t { None, SpeedUp, SpeedUp2, SpeedDown, SpeedDown2, HighSpeed, RandomSpeed };
enum class SmallKind : std::uint8_t { None, Small };
enum class CloneKind : std::uint8_t { None, Vanish, Clone, Clone2 };
enum class StopKind : std::uint8_t { None, Stop, Stop2, VarSpeed, VarSpeed2, StopVarSpeed, StopVarSpeed2 };
enum class WarpKind : std::uint8_t { None, Warp, ReturnWarp, ReturnWarp2 };
enum class VerticalKind : std::uint8_t { None, Wave, Zigzag, Tornado };

// Six one-byte categories, stored in this order; 0 is "none" in each.
struct PitchSpec {
    SpeedKind speed = SpeedKind::None;
    SmallKind small = SmallKind::None;
    CloneKind clone = CloneKind::None;
    StopKind stop = StopKind::None;
    WarpKind warp = WarpKind::None;
    VerticalKind vertical = VerticalKind::None;
    bool operator==(const PitchSpec&) const = default;
};

// One category of the catalogue: its caption in the practice dialog and the name of each
// value (index = value; index 0 is "None").
struct PitchCategory {
    std::string_view caption;
    std::array<std::string_view, 7> names;
    int count;  // values including None
};

inline constexpr std::array<PitchCategory, 6> kPitchCatalogue = {{
    {"ｽﾋﾟｰﾄﾞ系", {"None", "ｽﾋﾟｰﾄﾞｱｯﾌﾟ", "ｽﾋﾟｰﾄﾞｱｯﾌﾟ2", "ｽﾋﾟｰﾄﾞﾀﾞｳﾝ", "ｽﾋﾟｰﾄﾞﾀﾞｳﾝ2", "ﾊｲｽﾋﾟｰﾄﾞ", "ﾗﾝﾀﾞﾑｽﾋﾟｰﾄﾞ"}, 7},
    {"特殊系", {"None", "ｽﾓｰﾙ"}, 2},
    {"分身系", {"None", "消える", "分身", "分身2"}, 4},
    {"ｽﾄｯﾌﾟ系", {"None", "ｽﾄｯﾌﾟ", "ｽﾄｯﾌﾟ2", "変速", "変速2", "ｽﾄｯﾌﾟ変速", "ｽﾄｯﾌﾟ変速2"}, 7},
    {"ﾜｰﾌﾟ系", {"None", "ﾜｰﾌﾟ", "戻るﾜｰﾌﾟ", "戻るﾜｰﾌﾟ2"}, 4},
    {"縦変化系", {"None", "ｳｪｰﾌﾞ", "ｼﾞｸﾞｻﾞｸﾞ", "ﾄﾙﾈｰﾄﾞ"}, 4},
}};

// The pitch's name: the names of its set categories in catalogue order, "pelta" appended;
// "ただの棒球" (a plain ball) when no category is set.
inline std::string PitchName(const PitchSpec& p) {
    const std::array<std::uint8_t, 6> values = {
        static_cast<std::uint8_t>(p.speed), static_cast<std::uint8_t>(p.small),
        static_cast<std::uint8_t>(p.clone), static_cast<std::uint8_t>(p.stop),
        static_cast<std::uint8_t>(p.warp), static_cast<std::uint8_t>(p.vertical)};
    std::string name;
    for (std::size_t i = 0; i < values.size(); ++i)
        // A value outside the catalogue (a damaged preset) names nothing rather than reading past it.
        if (values[i] != 0 && values[i] < kPitchCatalogue[i].count) name += kPitchCatalogue[i].names[values[i]];
    return name.empty() ? std::string("ただの棒球") : name + "pelta";
}

// Per-pitch random parameters of the stop and warp categories.
struct PitchRun {
    std::array<std::uint8_t, 2> stopDuration{};
    std::array<std::int32_t, 2> stopPoint{};
    std::int32_t warpPoint = 0;
    std::int32_t warpDistance = 0;
};

enum class PitchResult : std::uint8_t {
    None = 0, PerfectHomeRun, HomeRun, CleanHit, Hit, WeakHit, SwingMiss, Watched
};
inline constexpr int kResultKinds = 7;  // results 1..7, counted in this order everywhere

enum class GamePhase : std::uint8_t { Idle, Windup, Delivery, Release, Flight, HitFlight, PitchOver, GameOver };

}  // namespace pelta
