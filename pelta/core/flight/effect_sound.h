#pragma once
// Sound effects of the batting game, silent while the "Wave Sound" setting (waveOn) is off.
// Used by the judgement here and by the frame loop for the pitch and applause sounds.

#include <string>

#include "common/audio/wav_player.h"
#include "pelta/model/game_state.h"
#include "pelta/sound/sound_names.h"

namespace pelta {

inline void PlayEffect(const GameState& s, audio::WavPlayer& sound, const std::string& file) {
    if (s.waveOn) sound.Play(file);
}

inline void PlayEffectLooped(const GameState& s, audio::WavPlayer& sound, const std::string& file) {
    if (s.waveOn) sound.PlayLooped(file);
}

inline void StopEffects(const GameState& s, audio::WavPlayer& sound) {
    if (s.waveOn) sound.StopAll();
}

}  // namespace pelta
