#pragma once
// What the program sets up around the game, in the order display, sound, mouse, and releases
// again in the order sound, display, mouse.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "common/audio/wav_player.h"
#include "common/midi/midi_file_player.h"
#include "minigolf/devices/effects.h"
#include "minigolf/shell/sdl_display.h"
#include "minigolf/shell/sdl_mouse.h"
#include "minigolf/shell/wav_effects.h"

namespace minigolf {

// The texts of a failed set-up, shown in a message box captioned with the window's title.
inline constexpr const char* kDisplaySetUpFailed = "DDセットアップに失敗";
inline constexpr const char* kSoundSetUpFailed = "DSセットアップに失敗";
inline constexpr const char* kMouseSetUpFailed = "DIセットアップに失敗";

using EffectResources = std::array<std::span<const std::uint8_t>, kEffectCount>;

struct ShellDevices {
    std::unique_ptr<SdlDisplay> display;
    std::unique_ptr<audio::WavPlayer> sound;
    std::unique_ptr<midi::MidiFilePlayer> music;
    WavEffects effects;
    SdlMouse mouse;
    bool mouseTaken = false;

    // The window and its picture; false, with the reason on stderr, when they cannot be made.
    bool SetUpDisplay();
    // The effects, one voice each, and the music player. A machine without a sound device plays
    // silently after one line on stderr; only effects that do not load fail the set-up.
    bool SetUpSound(const EffectResources& effects);
    // The hidden pointer and its relative motion.
    bool SetUpMouse();

    // Lets go of everything set up so far; safe to call again.
    void ReleaseAll();
};

// Releases everything, then tells the player in a message box (and on stderr).
void ReportFailure(ShellDevices& devices, const std::string& text);

}  // namespace minigolf
