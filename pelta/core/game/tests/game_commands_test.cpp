// The menu's game commands and the game-over, ranking and practice sequences.
#include "game_fixture.h"

namespace pelta {
namespace {

using test_support::GameTest;

using Commands = GameTest;

HighScoreLevelTable FullTable(std::initializer_list<int> scores) {
    HighScoreLevelTable t;
    int slot = 0;
    for (int score : scores) {
        t.entries[slot].score = score;
        t.entries[slot].name = "p" + std::to_string(slot);
        t.entries[slot].rank = static_cast<std::uint8_t>(slot + 1);
        ++slot;
    }
    t.count = static_cast<std::uint8_t>(slot);
    return t;
}

class GameOver : public GameTest {
protected:
    void EndGameWith(int score) {
        s.level = Level::Normal;
        s.score = score;
        s.maxCombo = 3;
        s.resultCounts = {1, 0, 2, 0, 0, 4, 2};
        s.lives = 0;
        s.phase = GamePhase::GameOver;
        game.OnKey();
    }
};

TEST_F(GameOver, ScoreZeroShowsGameOverAndRankingButNoNameEntryNorApplause) {
    EndGameWith(0);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"GameOver", "Ranking"}));
    EXPECT_FALSE(HasSound(audio::WavCall::Kind::PlayLooped, kApplauseSound));
    EXPECT_EQ(s.highScores[1].count, 0);
}

TEST_F(GameOver, AQualifyingScoreIsNamedAndRanked) {
    EndGameWith(5000);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"GameOver", "NameEntry", "Ranking"}));
    EXPECT_TRUE(HasSound(audio::WavCall::Kind::PlayLooped, kApplauseSound));
    EXPECT_EQ(dialogs.nameEntry.headline, "Normal の 1位 にﾗﾝｸｲﾝ !!");
    EXPECT_EQ(dialogs.nameEntry.name, kDefaultPlayerName);
    EXPECT_EQ(dialogs.gameOver.score, 5000);
    EXPECT_EQ(dialogs.gameOver.level, 1);
    EXPECT_EQ(dialogs.gameOver.counts, (std::array<std::int32_t, 7>{1, 0, 2, 0, 0, 4, 2}));
    EXPECT_EQ(dialogs.ranking.level, 1);
    EXPECT_EQ(dialogs.ranking.tables[1].entries[0].name, "ﾀﾛｳ");
    EXPECT_EQ(s.playerName, "ﾀﾛｳ");
    const HighScoreEntry& e = s.highScores[1].entries[0];
    EXPECT_EQ(e.score, 5000);
    EXPECT_EQ(e.maxCombo, 3);
    EXPECT_EQ(e.key, static_cast<std::uint8_t>(dialogs.gameOver.key));
}

TEST_F(GameOver, ATieWithTheLowestOfTenStaysOutAndABetterScorePushesItOut) {
    s.highScores[1] = FullTable({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
    EndGameWith(100);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"GameOver", "Ranking"}));
    EXPECT_EQ(s.highScores[1].entries[9].name, "p9");

    dialogs.shown.clear();
    EndGameWith(101);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"GameOver", "NameEntry", "Ranking"}));
    EXPECT_EQ(s.highScores[1].count, 10);
    EXPECT_EQ(s.highScores[1].entries[9].score, 101);
    EXPECT_EQ(dialogs.nameEntry.headline, "Normal の 10位 にﾗﾝｸｲﾝ !!");
}

TEST_F(GameOver, ResetsForTheNextGameAtTheSameLevel) {
    EndGameWith(5000);
    EXPECT_EQ(s.phase, GamePhase::Idle);
    EXPECT_EQ(s.level, Level::Normal);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.caption, kStartPrompt);
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(sound.calls.back(), (audio::WavCall{audio::WavCall::Kind::StopAll, {}}));
    music.calls.clear();
    game.OnKey();
    EXPECT_EQ(s.lives, kStartLives);
    EXPECT_EQ(music.calls, std::vector<std::string>{"Start"});
}

TEST_F(Commands, CancellingPracticeAtThePromptResumesWithoutPractising) {
    game.OnCommand(Command::Practice);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Practice"});
    EXPECT_EQ(s.practiceMode, kNormalGame);
    EXPECT_EQ(music.calls, (std::vector<std::string>{"Stop", "Resume"}));
    EXPECT_TRUE(timer.running);
}

TEST_F(Commands, PracticeWhilePractisingPresetsTheDialogAndRestartsAtScoreZero) {
    PitchSpec pitch;
    pitch.speed = SpeedKind::HighSpeed;
    pitch.vertical = VerticalKind::Tornado;
    dialogs.practiceAnswer = PracticeSetup{pitch, true};
    game.OnCommand(Command::Practice);
    EXPECT_EQ(s.level, Level::Practice);
    EXPECT_EQ(s.caption, "ﾊｲｽﾋﾟｰﾄﾞﾄﾙﾈｰﾄﾞpelta のコソ練中!");
    EXPECT_EQ(music.calls.back(), "Start");

    s.score = 777;
    dialogs.practiceAnswer = PracticeSetup{PitchSpec{}, false};
    game.OnCommand(Command::Practice);
    EXPECT_EQ(dialogs.practicePreset, (PracticeSetup{pitch, true}));
    EXPECT_EQ(s.practiceMode, kPractice);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.phase, GamePhase::Idle);
}

TEST_F(Commands, LevelInMidGameReturnsToThePromptAndLeavesTheTable) {
    s.level = Level::Trick;
    s.highScores[0] = FullTable({300, 200});
    game.OnKey();
    s.score = 1234;
    RunUntil([&] { return s.phase == GamePhase::Flight; });
    game.OnCommand(Command::LevelEasy);
    EXPECT_EQ(s.phase, GamePhase::Idle);
    EXPECT_EQ(s.level, Level::Easy);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.lives, 0);
    EXPECT_EQ(s.caption, kStartPrompt);
    EXPECT_EQ(s.highScores[0], FullTable({300, 200}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Commands, BgmOnAtThePromptOnlyEnables) {
    music.enabled = false;
    game.OnCommand(Command::BgmOn);
    EXPECT_TRUE(music.enabled);
    EXPECT_TRUE(music.calls.empty());

    music.enabled = false;
    s.lives = 4;
    game.OnCommand(Command::BgmOn);
    EXPECT_EQ(music.calls, std::vector<std::string>{"Start"});

    game.OnCommand(Command::BgmOff);
    EXPECT_FALSE(music.enabled);
    EXPECT_EQ(music.calls.back(), "Stop");
}

TEST_F(Commands, WaveOffSilencesARepeatingApplause) {
    s.result = PitchResult::HomeRun;
    s.phase = GamePhase::PitchOver;
    game.OnTimerTick();
    ASSERT_EQ(sound.calls.back(), (audio::WavCall{audio::WavCall::Kind::PlayLooped, kApplauseSound}));
    game.OnCommand(Command::WaveOff);
    EXPECT_EQ(sound.calls.back(), (audio::WavCall{audio::WavCall::Kind::StopAll, {}}));
    EXPECT_EQ(s.waveOn, 0);
}

TEST_F(Commands, CheckMarks) {
    EXPECT_TRUE(game.IsChecked(Command::LevelEasy));
    s.level = Level::Trick;
    EXPECT_TRUE(game.IsChecked(Command::LevelTrick));
    EXPECT_FALSE(game.IsChecked(Command::LevelAnoMani));

    dialogs.practiceAnswer = PracticeSetup{};
    game.OnCommand(Command::Practice);
    for (Command c : {Command::LevelEasy, Command::LevelNormal, Command::LevelTrick, Command::LevelAnoMani})
        EXPECT_FALSE(game.IsChecked(c));
    EXPECT_TRUE(game.IsChecked(Command::Practice));
    EXPECT_TRUE(game.IsChecked(Command::WaveOn));
    EXPECT_FALSE(game.IsChecked(Command::WaveOff));
    EXPECT_FALSE(game.IsChecked(Command::Ranking));
}

TEST_F(Commands, RankingWhilePractisingOpensAtEasy) {
    dialogs.practiceAnswer = PracticeSetup{};
    game.OnCommand(Command::Practice);
    game.OnCommand(Command::Ranking);
    EXPECT_EQ(dialogs.ranking.level, 0);
    EXPECT_FALSE(timer.running);  // the focus brings it back
}

}  // namespace
}  // namespace pelta
