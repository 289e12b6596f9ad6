#include "installer/core/default_folder.h"

#include <gtest/gtest.h>

#include "scripted_ui.h"

namespace installer {
namespace {

using test_support::SavedRoot;

TEST(DefaultFolder, SavedRootThenUserProgramsThenBuiltIn) {
    struct Case {
        const char* saved;
        UserEnvironment environment;
        const char* proposed;
    };
    for (const Case& c : {
             // The saved root is proposed as it was saved, without a separator added.
             Case{"/srv/Tools/Tovra", {"/home/u/.data", "/home/u"}, "/srv/Tools/Tovra"},
             Case{"", {"/home/u/.data", "/home/u"}, "/home/u/.data/Tovra/"},
             Case{"", {"/home/u/.data/", "/home/u"}, "/home/u/.data/Tovra/"},
             Case{"", {"", "/home/u"}, "/home/u/.local/share/Tovra/"},
             Case{"", {"", "/home/u/"}, "/home/u/.local/share/Tovra/"},
             // A relative data home is not a valid one.
             Case{"", {"data", "/home/u"}, "/home/u/.local/share/Tovra/"},
             Case{"", {"", ""}, "/opt/Tovra/"},
         }) {
        SavedRoot saved;
        saved.root = c.saved;
        EXPECT_EQ(DefaultFolder(saved, c.environment), c.proposed) << c.saved << " " << c.environment.xdgDataHome;
    }
}

TEST(DefaultFolder, SystemFoldersMapOntoThisPlatform) {
    EXPECT_EQ(MapSystemFolder("C:\\Program files\\Tovra\\"), "/opt/Tovra/");
    EXPECT_EQ(MapSystemFolder("C:\\PROGRAM FILES\\Tovra\\"), "/opt/Tovra/");
    EXPECT_EQ(MapSystemFolder("D:\\Tools\\Tovra\\"), "/Tools/Tovra/");
}

}  // namespace
}  // namespace installer
