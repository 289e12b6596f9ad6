#include "pelta/render/caption.h"

#include <gtest/gtest.h>

#include "pelta/render/testing/recording_canvas.h"

namespace pelta {
namespace {

TEST(BuildPitchCaption, NamesThePitchAndDrawsTheLine) {
    struct Case {
        PitchSpec pitch;
        std::uint8_t practiceMode;
        std::string expected;
    };
    PitchSpec everything{SpeedKind::SpeedDown2, SmallKind::Small, CloneKind::Clone2,
                         StopKind::StopVarSpeed2, WarpKind::ReturnWarp2, VerticalKind::Tornado};
    const Case cases[] = {
        {{}, kNormalGame, "ただの棒球"},
        {{}, kPractice, "ただの棒球 のコソ練中!"},
        {{}, kContinuousPractice, "ただの棒球 のコソ練中!"},
        {{.speed = SpeedKind::HighSpeed, .stop = StopKind::Stop}, kNormalGame, "ﾊｲｽﾋﾟｰﾄﾞｽﾄｯﾌﾟpelta"},
        {{.small = SmallKind::Small}, kNormalGame, "ｽﾓｰﾙpelta"},
        {{.clone = CloneKind::Vanish, .vertical = VerticalKind::Wave}, kPractice, "消えるｳｪｰﾌﾞpelta のコソ練中!"},
        {everything, kNormalGame, "ｽﾋﾟｰﾄﾞﾀﾞｳﾝ2ｽﾓｰﾙ分身2ｽﾄｯﾌﾟ変速2戻るﾜｰﾌﾟ2ﾄﾙﾈｰﾄﾞpelta"},
        {{.warp = static_cast<WarpKind>(7), .vertical = VerticalKind::Zigzag}, kNormalGame, "ｼﾞｸﾞｻﾞｸﾞpelta"},
    };
    for (const Case& c : cases) {
        GameState s;
        s.pitch = c.pitch;
        s.practiceMode = c.practiceMode;
        RecordingCanvas canvas;
        BuildPitchCaption(s, canvas);
        EXPECT_EQ(s.caption, c.expected);
        EXPECT_EQ(canvas.Ops(), std::vector{TextOp(5, 165, c.expected, kCaptionColour, kGroundColour)});
    }
}

TEST(ClearCaptionLine, BlanksWithFullWidthSpacesOutsidePracticeOnly) {
    GameState s;
    RecordingCanvas canvas;
    ClearCaptionLine(s, canvas);
    std::string blank;
    for (int i = 0; i < 47; ++i) blank += "　";
    EXPECT_EQ(canvas.Ops(), std::vector{TextOp(5, 165, blank, kCaptionColour, kGroundColour)});

    canvas.Clear();
    s.practiceMode = kPractice;
    ClearCaptionLine(s, canvas);
    EXPECT_TRUE(canvas.Ops().empty());
}

}  // namespace
}  // namespace pelta
