#include "installer/lzh/extract.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "archive_builder.h"
#include "installer/lzh/header.h"
#include "common/testing/temp_dir.h"

namespace lzh {
namespace {

namespace fs = std::filesystem;
using test_support::Bytes;

const fs::path kFixtures = LZH_FIXTURE_DIR;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes Fixture(const char* name) {
    Bytes bytes = ReadFile(kFixtures / name);
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

Bytes WithoutEndByte(Bytes archive) {
    EXPECT_EQ(archive.back(), 0);
    archive.pop_back();
    return archive;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Extracts into a fresh folder and records what happened to each member.
struct Extraction {
    explicit Extraction(const Bytes& archive) {
        result = ExtractArchive(archive, dest(), [this](const MemberReport& r) { outcomes[r.name] = r.outcome; });
    }
    fs::path dest() const { return root.path() / "dest"; }
    Bytes Output(const fs::path& relative) const { return ReadFile(dest() / relative); }
    bool Exists(const fs::path& relative) const { return fs::exists(dest() / relative); }

    test_support::TempDir root;
    ResultCode result;
    std::map<std::string, MemberOutcome> outcomes;
};

// Byte offset of a member's header within a jlha archive, found by its name.
std::size_t HeaderOffset(const Bytes& archive, std::string_view name) {
    auto at = std::search(archive.begin(), archive.end(), name.begin(), name.end());
    EXPECT_NE(at, archive.end()) << name;
    return static_cast<std::size_t>(at - archive.begin()) - 22;
}

const char* const kPlainFiles[] = {"text.txt", "t8192.txt", "t8193.txt", "empty.txt", "sub/in.txt"};

TEST(ExtractArchive, ExtractsArchivesMadeByJlha) {
    // level0/level1: -lh5- for the text files, stored for the small ones; stored*: all stored.
    for (const char* archive : {"level0.lzh", "level1.lzh", "stored.lzh", "stored0.lzh"}) {
        SCOPED_TRACE(archive);
        Extraction x(Fixture(archive));
        EXPECT_EQ(x.result, ResultCode::Success);
        for (const char* name : kPlainFiles) {
            EXPECT_EQ(x.Output(name), ReadFile(kFixtures / "src" / name)) << name;
            EXPECT_EQ(fs::last_write_time(x.dest() / name), fs::last_write_time(kFixtures / "src" / name)) << name;
        }
        EXPECT_EQ(x.Output("sp_ace.txt"), ReadFile(kFixtures / "src" / "sp ace.txt"));
        EXPECT_EQ(x.outcomes.size(), 6u);
        for (const auto& [name, outcome] : x.outcomes) EXPECT_EQ(outcome, MemberOutcome::Extracted) << name;
    }
}

TEST(ExtractArchive, ShiftJisNamesBecomeUtf8) {
    for (const char* archive : {"sjis0.lzh", "sjis1.lzh"}) {
        SCOPED_TRACE(archive);
        Extraction x(Fixture(archive));
        EXPECT_EQ(x.result, ResultCode::Success);
        EXPECT_EQ(x.Output("ソ表.txt"), ReadFile(kFixtures / "src" / "ソ表.txt"));
        EXPECT_EQ(x.Output("表/ソ.txt"), ReadFile(kFixtures / "src" / "表/ソ.txt"));
    }
}

TEST(ExtractArchive, EmptyOrEndedArchives) {
    EXPECT_EQ(ExtractArchive({}, "unused"), ResultCode::NotArchive);
    for (const Bytes& archive : {Bytes{0}, Bytes{0, 0, 0, 0}, test_support::ToBytes("no headers here")}) {
        Extraction x(archive);
        EXPECT_EQ(x.result, ResultCode::Success);
        EXPECT_TRUE(x.outcomes.empty());
        EXPECT_FALSE(fs::exists(x.dest()));
    }
}

TEST(ExtractArchive, Level2HeaderEndsExtractionWithoutError) {
    Bytes first = test_support::Archive({test_support::Stored("first.txt", "before")});
    Extraction x(Concat({WithoutEndByte(first), WithoutEndByte(Fixture("level2.lzh")), Fixture("level1.lzh")}));
    EXPECT_EQ(x.result, ResultCode::Success);
    EXPECT_EQ(x.Output("first.txt"), test_support::ToBytes("before"));
    EXPECT_EQ(x.outcomes.size(), 1u);
    EXPECT_FALSE(x.Exists("text.txt"));
}

TEST(ExtractArchive, JunkBeforeAndBetweenMembersIsSkipped) {
    Bytes junk(2000, 'j');
    Bytes first = test_support::Archive({test_support::Stored("first.txt", "one")});
    Extraction x(Concat({junk, WithoutEndByte(first), junk, Fixture("level1.lzh")}));
    EXPECT_EQ(x.result, ResultCode::Success);
    EXPECT_EQ(x.Output("first.txt"), test_support::ToBytes("one"));
    EXPECT_EQ(x.Output("text.txt"), ReadFile(kFixtures / "src" / "text.txt"));
}

TEST(ExtractArchive, CrcMismatchDeletesOnlyThatMember) {
    Bytes stored = Fixture("stored.lzh");
    std::size_t header = HeaderOffset(stored, "t8193.txt");
    stored[header + 2 + stored[header] + 100] ^= 0x01;  // a byte of the stored data
    Bytes packed = Fixture("level1.lzh");
    std::size_t lh5Header = HeaderOffset(packed, "t8192.txt");
    packed[lh5Header + 22 + 9] ^= 0x01;  // the header's CRC of the -lh5- member

    for (const Bytes& archive : {stored, packed}) {
        Extraction x(archive);
        EXPECT_EQ(x.result, ResultCode::Success);
        EXPECT_EQ(x.outcomes.size(), 6u);
        EXPECT_EQ(x.Output("text.txt"), ReadFile(kFixtures / "src" / "text.txt"));
        EXPECT_EQ(x.Output("sub/in.txt"), ReadFile(kFixtures / "src" / "sub/in.txt"));
    }
    Extraction x1(stored);
    EXPECT_EQ(x1.outcomes["t8193.txt"], MemberOutcome::CrcMismatch);
    EXPECT_FALSE(x1.Exists("t8193.txt"));
    Extraction x2(packed);
    EXPECT_EQ(x2.outcomes["t8192.txt"], MemberOutcome::Broken);
    EXPECT_FALSE(x2.Exists("t8192.txt"));
}

TEST(ExtractArchive, MemberCutShortIsDeleted) {
    for (const char* name : {"level1.lzh", "stored.lzh"}) {
        SCOPED_TRACE(name);
        Bytes archive = Fixture(name);
        archive.resize(HeaderOffset(archive, "t8193.txt") + 200);  // into the member's data
        Extraction x(archive);
        EXPECT_EQ(x.result, ResultCode::Success);
        EXPECT_EQ(x.Output("t8192.txt"), ReadFile(kFixtures / "src" / "t8192.txt"));
        EXPECT_EQ(x.outcomes.size(), 3u);
        EXPECT_EQ(x.outcomes["t8193.txt"], MemberOutcome::Broken);
        EXPECT_FALSE(x.Exists("t8193.txt"));
    }
}

TEST(ExtractArchive, HostileNamesAreSkippedAndExtractionGoesOn) {
    auto withFolder = [](std::string folder) {
        test_support::Member m = test_support::Stored("x", "escaped", 1);
        m.extended = {{0x02, test_support::ToBytes(folder)}};
        return m;
    };
    Bytes archive = test_support::Archive({
        test_support::Stored("..\\..\\x", "escaped"),
        test_support::Stored("\\..\\x", "escaped"),
        test_support::Stored("C:\\x", "escaped"),
        withFolder("..\xFF"),
        withFolder("sub\xFF..\xFF..\xFF"),
        test_support::Stored("sub\\fine.txt", "kept"),
        test_support::Stored("\\rooted.txt", "inside"),  // appended to the destination
    });
    Extraction x(archive);
    EXPECT_EQ(x.result, ResultCode::Success);
    EXPECT_EQ(x.Output("sub/fine.txt"), test_support::ToBytes("kept"));
    EXPECT_EQ(x.Output("rooted.txt"), test_support::ToBytes("inside"));
    EXPECT_EQ(x.outcomes.size(), 7u);
    for (const auto& [name, outcome] : x.outcomes) {
        bool kept = name == "sub\\fine.txt" || name == "\\rooted.txt";
        EXPECT_EQ(outcome, kept ? MemberOutcome::Extracted : MemberOutcome::UnsafePath) << name;
    }
    // Nothing beside or above the destination.
    EXPECT_FALSE(fs::exists(x.root.path() / "x"));
    EXPECT_FALSE(fs::exists(x.root.path().parent_path() / "x"));
}

TEST(ExtractArchive, NothingIsWrittenThroughSymbolicLinks) {
    struct Case {
        const char* link;    // placed in the destination, pointing outside it
        const char* member;  // the member it would carry there
        bool toFolder;
    };
    const Case cases[] = {
        {"sub", "sub\\in.txt", true},
        {"text.txt", "text.txt", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        test_support::TempDir root;
        fs::path dest = root.path() / "dest";
        fs::path outside = root.path() / "outside";
        fs::create_directories(dest);
        fs::create_directory(outside);
        fs::path target = c.toFolder ? outside : outside / "target";
        if (!c.toFolder) std::ofstream(target) << "untouched";
        fs::create_symlink(target, dest / c.link);

        std::map<std::string, MemberOutcome> outcomes;
        ResultCode result = ExtractArchive(Fixture("level1.lzh"), dest,
                                           [&](const MemberReport& r) { outcomes[r.name] = r.outcome; });
        EXPECT_EQ(result, ResultCode::Success);
        EXPECT_EQ(outcomes[c.member], MemberOutcome::UnsafePath);
        EXPECT_EQ(outcomes["t8193.txt"], MemberOutcome::Extracted);
        EXPECT_EQ(fs::is_empty(outside), c.toFolder);
        if (!c.toFolder) {
            EXPECT_EQ(ReadFile(target), test_support::ToBytes("untouched"));
        }
    }
}

TEST(ExtractArchive, MembersLargerThanTheirDataAreSkipped) {
    test_support::Member packed = test_support::Stored("packed.bin", "abc");
    packed.method = "-lh6-";
    packed.originalSize = 10;
    test_support::Member equal = test_support::Stored("equal.bin", "abc");
    equal.method = "-lz4-";
    // Fits its packed size only by counting the extended header in.
    test_support::Member withExtended = test_support::Stored("extended.bin", "abc", 1);
    withExtended.extended = {{0x40, {0x20, 0x00}}};
    withExtended.originalSize = 6;
    Extraction x(test_support::Archive({packed, equal, withExtended}));
    EXPECT_EQ(x.result, ResultCode::Success);
    EXPECT_EQ(x.outcomes["packed.bin"], MemberOutcome::NotStored);
    EXPECT_FALSE(x.Exists("packed.bin"));
    EXPECT_EQ(x.outcomes["extended.bin"], MemberOutcome::NotStored);
    EXPECT_FALSE(x.Exists("extended.bin"));
    EXPECT_EQ(x.Output("equal.bin"), test_support::ToBytes("abc"));
}

TEST(ExtractArchive, UncreatableOutputOfAnLh5MemberIsAWriteError) {
    Extraction x(Fixture("level1.lzh"));  // fills the folder, then once more over it
    fs::remove(x.dest() / "t8192.txt");
    fs::create_directory(x.dest() / "t8192.txt");
    std::map<std::string, MemberOutcome> outcomes;
    ResultCode again = ExtractArchive(Fixture("level1.lzh"), x.dest(),
                                      [&](const MemberReport& r) { outcomes[r.name] = r.outcome; });
    EXPECT_EQ(again, ResultCode::WriteError);
    EXPECT_EQ(outcomes["t8192.txt"], MemberOutcome::CannotCreate);
    EXPECT_EQ(outcomes.size(), 2u);  // extraction ends there
}

}  // namespace
}  // namespace lzh
