#pragma once
// Indices into the table of 76 field pictures. The game logic keeps its animation state as
// these numbers; the drawing code and the picture loader use the rest.

#include <cstdint>

namespace pelta {

struct SpriteIndex {
    // Pitcher: 0 standing, 1..5 windup, 6..11 delivery and follow-through.
    static constexpr std::uint8_t PitcherStanding = 0;
    static constexpr std::uint8_t PitcherLastWindup = 5;
    static constexpr std::uint8_t PitcherLastDelivery = 11;
    static constexpr std::uint8_t PitcherOnKnees = 12;
    static constexpr std::uint8_t PitcherTurnedAway = 30;

    // Batter: a swing is accepted only in the ready frame; 17 is the contact frame.
    static constexpr std::uint8_t BatterStanding = 13;
    static constexpr std::uint8_t BatterReady = 14;
    static constexpr std::uint8_t BatterSwingStart = 15;
    static constexpr std::uint8_t BatterContact = 17;
    static constexpr std::uint8_t BatterSwingEnd = 18;
    static constexpr std::uint8_t BatterFollowThrough = 19;
    static constexpr std::uint8_t BatterVictory = 20;
    static constexpr std::uint8_t BatterDowncast = 29;
    static constexpr std::uint8_t BatterSweating = 31;
    static constexpr std::uint8_t BatterHomeRunSwingStart = 32;
    static constexpr std::uint8_t BatterHomeRunSwingEnd = 34;

    static constexpr std::uint8_t Ball = 21;
    static constexpr std::uint8_t Background = 22;  // sky square: the eraser and the invisible ball
    static constexpr std::uint8_t SmallBall = 70;

    // Scenery and status pictures.
    static constexpr std::uint8_t Grass = 23;
    static constexpr std::uint8_t Cloud = 24;
    static constexpr std::uint8_t Sun = 25;
    static constexpr std::uint8_t LifeEmpty = 26;
    static constexpr std::uint8_t LifeFull = 27;
    static constexpr std::uint8_t LifeHalf = 28;
    static constexpr std::uint8_t LargeDigit0 = 35;  // 35..44
    static constexpr std::uint8_t LabelCleanHit = 45;
    static constexpr std::uint8_t LabelHit = 46;
    static constexpr std::uint8_t LabelWeakHit = 47;
    static constexpr std::uint8_t LabelSwingMiss = 48;
    static constexpr std::uint8_t LabelWatched = 49;
    static constexpr std::uint8_t LabelHomeRunFirst = 50;  // 50..56, seven colours
    static constexpr std::uint8_t LabelHomeRunRed = 54;
    static constexpr std::uint8_t LabelCombo = 57;
    static constexpr std::uint8_t SmallPlus = 58;
    static constexpr std::uint8_t SmallDigit0 = 59;  // 59..68
    static constexpr std::uint8_t LabelBlank = 69;
    static constexpr std::uint8_t LabelScore = 71;
    static constexpr std::uint8_t LabelLevelFirst = 72;  // 72..75, Easy..AnoMani

    static constexpr int Count = 76;
};

}  // namespace pelta
