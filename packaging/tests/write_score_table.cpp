// Writes a high-score table holding one entry to the file named, for the install test to ship
// beside the installed batting game.
#include <cstdio>

#include "pelta/scores/high_score_file.h"
#include "pelta/scores/high_score_insert.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_score_table FILE\n");
        return 2;
    }
    pelta::HighScoreTable table{};
    pelta::InsertHighScore(table, 0, pelta::FinishedGame{.score = 4321, .maxCombo = 12});
    table[0].entries[0].name = "インストール";
    return pelta::HighScoreFile(argv[1]).Save(table) ? 0 : 1;
}
