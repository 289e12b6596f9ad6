#include "installer/tovra/archive_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "installer/archive/tovra_archive.h"
#include "common/testing/temp_dir.h"
#include "installer/tovra/tovra_texts.h"

namespace tovra {
namespace {

namespace fs = std::filesystem;

TEST(ArchiveFile, DefaultDestinationIsBesideTheArchive) {
    EXPECT_EQ(DefaultDestination("/d/photos.lzh"), "/d/photos");
    EXPECT_EQ(DefaultDestination("/d/a.b.LZH"), "/d/a.b");
    EXPECT_EQ(DefaultDestination("/d/archive"), "/d/archive.files");
}

TEST(ArchiveFile, ExtractsFromDiskAndReportsEachMember) {
    test_support::TempDir temp;
    const fs::path archive = temp.path() / "tovra.lzh";
    auto bytes = installer::TovraArchive();
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::vector<std::string> heard;
    ExtractionSummary summary = ExtractArchiveFile(archive, DefaultDestination(archive),
                                                   [&](const lzh::MemberReport& r) { heard.push_back(r.name); });
    EXPECT_EQ(summary.result, lzh::ResultCode::Success);
    EXPECT_EQ(summary.extracted, (std::vector<std::string>{"tovra", "readme.txt", "readme_ja.txt"}));
    EXPECT_EQ(heard, summary.extracted);
    EXPECT_TRUE(summary.notExtracted.empty());
    EXPECT_EQ(fs::file_size(temp.path() / "tovra/readme_ja.txt") > 0, true);

    Text text = ExtractionText(summary, temp.path() / "tovra", false);
    EXPECT_EQ(text.message, "Extracted into:\n" + (temp.path() / "tovra").string());
    EXPECT_FALSE(text.warning);
}

TEST(ArchiveFile, MissingFileIsNotAnArchive) {
    test_support::TempDir temp;
    ExtractionSummary summary = ExtractArchiveFile(temp.path() / "none.lzh", temp.path() / "out");
    EXPECT_EQ(summary.result, lzh::ResultCode::NotArchive);
    Text ja = ExtractionText(summary, temp.path() / "out", true);
    EXPECT_EQ(ja.message, "書庫が見つかりません");
    EXPECT_EQ(ja.caption, "CAUTION!");
    EXPECT_TRUE(ja.warning);
}

TEST(ArchiveFile, MembersLeftOutAreListed) {
    ExtractionSummary summary;
    summary.extracted = {"a.txt"};
    summary.notExtracted = {{"../evil.txt", 4, lzh::MemberOutcome::UnsafePath},
                            {"b.bin", 9, lzh::MemberOutcome::Broken}};
    Text text = ExtractionText(summary, "/out", false);
    EXPECT_TRUE(text.warning);
    EXPECT_EQ(text.message,
              "Extracted into:\n/out\n\nNot extracted (damaged, unsafe or not writable):\n../evil.txt\nb.bin");
}

}  // namespace
}  // namespace tovra
