#include "installer/tovra/desktop_entry.h"

#include <gtest/gtest.h>

#include "installer/tovra/mimeapps_list.h"

namespace tovra {
namespace {

TEST(DesktopEntry, ExecArgumentsSurviveQuotingAndStringEscapes) {
    struct Case {
        const char* argument;
        const char* value;  // as written into the file
    };
    for (const Case& c : {
             Case{"/opt/tovra", R"("/opt/tovra")"},
             Case{"/home/u/My Programs/tovra", R"("/home/u/My Programs/tovra")"},
             Case{"/a\"b/tovra", R"("/a\\"b/tovra")"},
             Case{"/a$b`c/tovra", R"("/a\\$b\\`c/tovra")"},
             Case{"/a\\b/tovra", R"("/a\\\\b/tovra")"},
             Case{"/100%/tovra", R"("/100%%/tovra")"},
         }) {
        EXPECT_EQ(ExecArgument(c.argument), c.value) << c.argument;
    }
    EXPECT_FALSE(ExecArgument("/a\nb/tovra"));
}

TEST(DesktopEntry, OpensLzhFilesWithTheProgram) {
    std::string entry = DesktopEntry("/home/u/My Programs/tovra").value();
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\n"));
    EXPECT_NE(entry.find("\nExec=\"/home/u/My Programs/tovra\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nMimeType=application/x-lzh-compressed;application/x-lha;\n"), std::string::npos);
    EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
}

TEST(MimeappsList, SetsTheDefaultAndKeepsEverythingElse) {
    const std::vector<std::string> types{"application/x-lzh-compressed"};
    struct Case {
        const char* before;
        const char* after;
    };
    for (const Case& c : {
             Case{"",
                  "[Default Applications]\napplication/x-lzh-compressed=tovra.desktop;\n\n"
                  "[Added Associations]\napplication/x-lzh-compressed=tovra.desktop;\n"},
             Case{"[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-lzh-compressed=ark.desktop;\n\n"
                  "[Added Associations]\napplication/x-lzh-compressed=ark.desktop;tovra.desktop;\n"
                  "[Removed Associations]\nimage/png=gimp.desktop;\n",
                  "[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-lzh-compressed=tovra.desktop;\n\n"
                  "[Added Associations]\napplication/x-lzh-compressed=tovra.desktop;ark.desktop;\n"
                  "[Removed Associations]\nimage/png=gimp.desktop;\n"},
             // A new key joins its section before the blank line that ends it.
             Case{"[Default Applications]\ntext/plain=gedit.desktop;\n\n[Added Associations]\n",
                  "[Default Applications]\ntext/plain=gedit.desktop;\napplication/x-lzh-compressed=tovra.desktop;\n\n"
                  "[Added Associations]\napplication/x-lzh-compressed=tovra.desktop;\n"},
         }) {
        std::string once = WithDefaultApplication(c.before, types, kDesktopId);
        EXPECT_EQ(once, c.after) << c.before;
        EXPECT_EQ(WithDefaultApplication(once, types, kDesktopId), once) << "registering twice changes the file";
    }
}

}  // namespace
}  // namespace tovra
