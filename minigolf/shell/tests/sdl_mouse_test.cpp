#include "minigolf/shell/sdl_mouse.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "sdl_events.h"

namespace minigolf {
namespace {

using events::Button;
using events::Motion;
using events::Window;

const SDL_Event kDown = Button(SDL_MOUSEBUTTONDOWN);
const SDL_Event kUp = Button(SDL_MOUSEBUTTONUP);
const SDL_Event kLost = Window(SDL_WINDOWEVENT_FOCUS_LOST);
const SDL_Event kGained = Window(SDL_WINDOWEVENT_FOCUS_GAINED);

// A reading the game takes, and what it must see.
struct Reading {
    std::optional<MouseReading> expected;
};
// The end of a frame.
struct FrameEnd {};
using Step = std::variant<SDL_Event, Reading, FrameEnd>;

Reading Reads(std::int32_t dx, std::uint8_t button) { return {MouseReading{dx, button}}; }
const Reading kFails{std::nullopt};

struct MouseCase {
    std::string name;
    std::vector<Step> steps;
};

class MouseEvents : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseEvents, GiveTheReadingsTheGameActsOn) {
    SdlMouse mouse;
    int reading = 0;
    for (const Step& step : GetParam().steps) {
        if (const auto* event = std::get_if<SDL_Event>(&step)) {
            mouse.OnEvent(*event);
            continue;
        }
        if (std::holds_alternative<FrameEnd>(step)) {
            mouse.FrameDone();
            continue;
        }
        const std::optional<MouseReading> got = mouse.Read();
        const std::optional<MouseReading>& want = std::get<Reading>(step).expected;
        ++reading;
        ASSERT_EQ(got.has_value(), want.has_value()) << "reading " << reading;
        if (!want) continue;
        EXPECT_EQ(got->dx, want->dx) << "reading " << reading;
        EXPECT_EQ(got->button, want->button) << "reading " << reading;
    }
}

const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Sequences, MouseEvents,
    ::testing::Values(
        MouseCase{"MotionSumsUntilRead", {Motion(4), Motion(4), Motion(-2, 9), Reads(6, 0), Reads(0, 0)}},
        MouseCase{"OnlySidewaysMotionCounts", {Motion(0, 30), Reads(0, 0)}},
        MouseCase{"AHeldButtonActsAtEveryReading", {kDown, Reads(0, 1), Reads(0, 1), kUp, Reads(0, 0)}},
        MouseCase{"AClickBetweenTwoFramesIsNotLost", {kDown, Motion(2), kUp, Reads(2, 1), Reads(0, 0)}},
        MouseCase{"AClickWaitsTwoFramesForAReading", {kDown, kUp, FrameEnd{}, FrameEnd{}, Reads(0, 1), Reads(0, 0)}},
        MouseCase{"AClickThreeFramesDidNotReadIsForgotten",
                  {kDown, kUp, FrameEnd{}, FrameEnd{}, FrameEnd{}, Reads(0, 0)}},
        MouseCase{"ASecondClickWaitsAfresh", {kDown, kUp, FrameEnd{}, FrameEnd{}, kDown, kUp, FrameEnd{}, FrameEnd{},
                                              Reads(0, 1)}},
        MouseCase{"AHeldButtonOutlastsFrames", {kDown, FrameEnd{}, FrameEnd{}, Reads(0, 1)}},
        MouseCase{"OtherButtonsAreNotTheFirst",
                  {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE),
                   Reads(0, 0)}},
        MouseCase{"InTheBackgroundReadingsFailAndMotionIsDropped",
                  {Motion(7), kLost, kFails, Motion(50), kDown, kFails, kGained, Motion(-6), Reads(-6, 0)}},
        MouseCase{"AButtonReleasedElsewhereIsUpOnReturn", {kDown, kLost, kGained, Reads(0, 0)}},
        MouseCase{"HugeMotionIsHeldAtTheLimit", {Motion(kMax), Motion(kMax), Reads(kMax, 0), Reads(0, 0)}}),
    [](const ::testing::TestParamInfo<MouseCase>& info) { return info.param.name; });

}  // namespace
}  // namespace minigolf
