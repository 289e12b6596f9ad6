#include "common/synth/fluidsynth_midi_out.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace midi {
namespace {

// Music under the sound effects: about -29 dBFS RMS with TimGM6mb (the quieter SoundFont),
// peaks below -3 dBFS even with the louder FluidR3.
constexpr double kGain = 0.34;
// 2 periods of 512 frames: about 12 ms per period, 23 ms of buffering in all.
constexpr int kPeriodFrames = 512;
constexpr int kPeriods = 2;

// The mix. The music's messages stay as the player sends them; these shape what they do here.
constexpr int kDrumChannel = 9;
constexpr int kDrumKitBank = 128;
constexpr int kStandardKit = 0;
constexpr int kVolumeController = 7;
constexpr int kPanController = 10;
constexpr int kReverbController = 91;
constexpr int kDefaultVolume = 100;  // what General MIDI System On sets
// Random pans of 0..127 spread over 40..88: the chords move around the middle, never to one ear.
constexpr int kPanCentre = 64;
constexpr int kPanReach = 24;
// Random reverb sends of 0..127 scaled to 0..40, the General MIDI default, so a large send adds
// room without blurring the drums' and chords' attacks.
constexpr int kLargestReverbSend = 40;

// How much louder each kit plays than the standard kit, measured for the SoundFonts the music
// is played with by sounding every drum pattern once on each kit, dry. Other SoundFonts play
// their kits as they come.
struct KitLevel {
    int program;
    double decibels;
};
struct SoundFontKitLevels {
    std::string_view stem;  // the SoundFont's file name without its extension
    std::span<const KitLevel> levels;
};
constexpr KitLevel kTimGm6mbKits[] = {{8, 5.0}, {16, 2.4}, {24, 2.6}, {25, 2.3}};
constexpr KitLevel kFluidR3Kits[] = {{1, 0.6}, {8, 1.7}, {16, 4.9}, {24, 3.5}, {25, 9.8}, {32, 2.5}};
constexpr SoundFontKitLevels kKitLevels[] = {{"TimGM6mb", kTimGm6mbKits}, {"FluidR3_GM", kFluidR3Kits}};

// The kit levels for the SoundFont at `path`, which may be a link such as default-GM.sf2.
std::span<const KitLevel> KitLevelsFor(const std::string& path) {
    std::error_code error;
    std::filesystem::path file = std::filesystem::canonical(path, error);
    if (error) file = path;
    for (const SoundFontKitLevels& font : kKitLevels)
        if (file.stem() == font.stem) return font.levels;
    return {};
}

// Channel volume that brings `kit` to the standard kit's level; volume acts as 40 log10(v / 127) dB.
int KitVolume(int kit, std::span<const KitLevel> levels) {
    for (const KitLevel& level : levels)
        if (level.program == kit)
            return static_cast<int>(std::lround(kDefaultVolume * std::pow(10.0, -level.decibels / 40)));
    return kDefaultVolume;
}

// A kit the SoundFont lacks would fall back to the standard kit; the nearest other kit it has
// (by program number, which groups kits by kind) keeps the sound the draw asked for distinct.
int AvailableKit(int wanted, const std::vector<int>& kits) {
    if (kits.empty() || std::find(kits.begin(), kits.end(), wanted) != kits.end()) return wanted;
    int best = kStandardKit;
    for (int kit : kits) {
        bool nearer = best == kStandardKit || std::abs(kit - wanted) < std::abs(best - wanted);
        if (kit != kStandardKit && nearer) best = kit;
    }
    return best;
}

int ModeratePan(int pan) { return kPanCentre + (pan - kPanCentre) * kPanReach / kPanCentre; }

int ModerateReverbSend(int send) { return send * kLargestReverbSend / 127; }

// The drum kits (presets of the percussion bank) the loaded SoundFont has, ascending.
std::vector<int> DrumKits(fluid_synth_t* synth, int soundFontId) {
    std::vector<int> kits;
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth, soundFontId);
    if (!font) return kits;
    fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(font))
        if (fluid_preset_get_banknum(preset) == kDrumKitBank) kits.push_back(fluid_preset_get_num(preset));
    std::sort(kits.begin(), kits.end());
    return kits;
}

// FluidSynth reports each failure in several lines of its own; we report it once, ourselves.
void QuietFluidSynthLog() {
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
}

// Opens the first audio output that works: a sound server, else ALSA, but ALSA only where the
// machine has sound hardware at all, since libasound prints a screenful on one without any.
fluid_audio_driver_t* StartAudio(fluid_settings_t* settings, fluid_synth_t* synth) {
    for (const char* driver : {"pulseaudio", "alsa"}) {
        if (std::string(driver) == "alsa" && !std::filesystem::exists("/dev/snd")) continue;
        fluid_settings_setstr(settings, "audio.driver", driver);
        if (fluid_audio_driver_t* started = new_fluid_audio_driver(settings, synth)) return started;
    }
    return nullptr;
}

}  // namespace

struct FluidSynthMidiOut::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::vector<int> drumKits;
    std::span<const KitLevel> kitLevels;

    ~Synth() {
        if (driver) delete_fluid_audio_driver(driver);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }
};

std::string FindSoundFont() {
    if (const char* chosen = std::getenv("COLLECTION_SOUNDFONT"); chosen && *chosen) return chosen;
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (std::filesystem::exists(path)) return path;
    return {};
}

std::unique_ptr<FluidSynthMidiOut> FluidSynthMidiOut::CreateOffline(const std::string& soundFont) {
    return Create(soundFont, false);
}

std::unique_ptr<FluidSynthMidiOut> FluidSynthMidiOut::CreateLive(const std::string& soundFont) {
    return Create(soundFont, true);
}

std::unique_ptr<FluidSynthMidiOut> FluidSynthMidiOut::Create(const std::string& soundFont, bool live) {
    QuietFluidSynthLog();
    if (soundFont.empty() || !fluid_is_soundfont(soundFont.c_str())) {
        std::cerr << "music: no General MIDI SoundFont"
                  << (soundFont.empty() ? std::string() : " at " + soundFont) << "; playing silently\n";
        return nullptr;
    }
    auto synth = std::make_unique<Synth>();
    synth->settings = new_fluid_settings();
    if (!synth->settings) return nullptr;
    fluid_settings_setnum(synth->settings, "synth.sample-rate", kSynthSampleRate);
    fluid_settings_setnum(synth->settings, "synth.gain", kGain);
    fluid_settings_setint(synth->settings, "audio.period-size", kPeriodFrames);
    fluid_settings_setint(synth->settings, "audio.periods", kPeriods);
    synth->synth = new_fluid_synth(synth->settings);
    if (!synth->synth) return nullptr;
    // The device before the SoundFont: a machine without sound falls back at once, without
    // waiting for a large SoundFont to load.
    if (live && !(synth->driver = StartAudio(synth->settings, synth->synth))) {
        std::cerr << "music: no audio device; playing silently\n";
        return nullptr;
    }
    int soundFontId = fluid_synth_sfload(synth->synth, soundFont.c_str(), 1);
    if (soundFontId == FLUID_FAILED) {
        std::cerr << "music: cannot load the SoundFont " << soundFont << "; playing silently\n";
        return nullptr;
    }
    synth->drumKits = DrumKits(synth->synth, soundFontId);
    synth->kitLevels = KitLevelsFor(soundFont);
    return std::unique_ptr<FluidSynthMidiOut>(new FluidSynthMidiOut(std::move(synth)));
}

FluidSynthMidiOut::FluidSynthMidiOut(std::unique_ptr<Synth> synth) : synth_(std::move(synth)) {}

FluidSynthMidiOut::~FluidSynthMidiOut() = default;

void FluidSynthMidiOut::Render(std::span<std::int16_t> stereo) {
    int frames = static_cast<int>(stereo.size() / 2);
    fluid_synth_write_s16(synth_->synth, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
}

fluid_synth_t* FluidSynthMidiOut::Handle() const { return synth_->synth; }

int FluidSynthMidiOut::ActiveVoices() const { return fluid_synth_get_active_voice_count(synth_->synth); }

bool FluidSynthMidiOut::Open(int) { return true; }

void FluidSynthMidiOut::SendShort(std::uint32_t packed) {
    fluid_synth_t* s = synth_->synth;
    int channel = ShortStatus(packed) & 0x0F;
    int data1 = ShortData1(packed) & 0x7F;
    int data2 = ShortData2(packed) & 0x7F;
    switch (ShortStatus(packed) & 0xF0) {
    case 0x80: fluid_synth_noteoff(s, channel, data1); break;
    case 0x90: fluid_synth_noteon(s, channel, data1, data2); break;  // velocity 0 ends the note
    case 0xA0: fluid_synth_key_pressure(s, channel, data1, data2); break;
    case 0xB0: Control(channel, data1, data2); break;
    case 0xC0: ProgramChange(channel, data1); break;
    case 0xD0: fluid_synth_channel_pressure(s, channel, data1); break;
    case 0xE0: fluid_synth_pitch_bend(s, channel, data1 | (data2 << 7)); break;
    default: break;  // system messages have no meaning for the synthesizer here
    }
}

void FluidSynthMidiOut::Control(int channel, int controller, int value) {
    if (controller == kPanController) value = ModeratePan(value);
    if (controller == kReverbController) value = ModerateReverbSend(value);
    fluid_synth_cc(synth_->synth, channel, controller, value);
}

void FluidSynthMidiOut::ProgramChange(int channel, int program) {
    if (channel != kDrumChannel) {
        fluid_synth_program_change(synth_->synth, channel, program);
        return;
    }
    int kit = AvailableKit(program, synth_->drumKits);
    fluid_synth_program_change(synth_->synth, channel, kit);
    fluid_synth_cc(synth_->synth, channel, kVolumeController, KitVolume(kit, synth_->kitLevels));
}

void FluidSynthMidiOut::SendLong(std::span<const std::uint8_t> bytes) {
    // FluidSynth takes the SysEx body without its F0 and F7 framing.
    if (bytes.size() < 2 || bytes.front() != 0xF0 || bytes.back() != 0xF7) return;
    auto body = bytes.subspan(1, bytes.size() - 2);
    fluid_synth_sysex(synth_->synth, reinterpret_cast<const char*>(body.data()), static_cast<int>(body.size()),
                      nullptr, nullptr, nullptr, 0);
}

void FluidSynthMidiOut::Close() { fluid_synth_all_sounds_off(synth_->synth, -1); }

}  // namespace midi
