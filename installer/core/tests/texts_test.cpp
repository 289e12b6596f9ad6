#include <gtest/gtest.h>

#include <set>

#include "installer/core/dialog_texts.h"
#include "installer/core/system_info.h"
#include "installer/core/text_table.h"

namespace installer {
namespace {

TEST(Locale, JapaneseOnlyForJapaneseLocaleNames) {
    struct Case {
        const char* name;
        bool japanese;
    };
    for (const Case& c :
         {Case{"ja_JP.UTF-8", true}, Case{"ja_JP", true}, Case{"ja", true}, Case{"ja-JP", true}, Case{"ja.eucJP", true},
          Case{"jv_ID", false}, Case{"jam", false}, Case{"en_US.UTF-8", false}, Case{"C", false}, Case{"", false}}) {
        EXPECT_EQ(IsJapaneseLocale(c.name), c.japanese) << c.name;
    }
}

TEST(TextTable, EnglishAtTheNextIdentifierUnlessJapanese) {
    struct Case {
        int id;
        bool japanese;
        const char* text;
    };
    for (const Case& c : {
             Case{kTextInstallFinished, false, "Installation finished.\nLaunch Tovra..."},
             Case{kTextInstallFinished, true, "インストール完了です。\nTovraを起動します。"},
             // The caption has no English twin: the same word in both languages.
             Case{kTextCaption, false, "CAUTION!"},
             Case{kTextCaption, true, "CAUTION!"},
             // Success has a blank Japanese message and no English one.
             Case{kTextResultMessages, false, " "},
             Case{kTextResultMessages + 16, false, "Write error\nCheck 'destination folder'."},
             Case{kTextResultMessages + 16, true, "書込みエラー\nインストール先を確認してください。"},
             // Asking for the odd identifier itself gives the English text in both languages.
             Case{kTextInstallFinished + 1, true, "Installation finished.\nLaunch Tovra..."},
             Case{4000, false, ""},
         }) {
        EXPECT_EQ(LoadText(c.id, c.japanese), c.text) << c.id << (c.japanese ? " ja" : " en");
    }
}

TEST(TextTable, EveryFailureHasItsOwnMessageInBothLanguages) {
    for (bool japanese : {false, true}) {
        std::set<std::string> seen;
        for (int code = 1; code <= 9; ++code) {
            std::string text = ResultMessage(static_cast<lzh::ResultCode>(code), japanese);
            EXPECT_GT(text.size(), 3u) << code;
            EXPECT_TRUE(seen.insert(text).second) << code << " repeats " << text;
        }
    }
    EXPECT_EQ(ResultMessage(lzh::ResultCode::NotArchive, false), "Not Archive");
    EXPECT_EQ(ResultMessage(lzh::ResultCode::NotArchive, true), "書庫が見つかりません");
}

TEST(DialogTexts, JapaneseTemplateIsTwoAndEnglishOne) {
    MainDialogTexts en = MainDialogTextsFor(false);
    MainDialogTexts ja = MainDialogTextsFor(true);
    EXPECT_EQ(en.templateId, 1);
    EXPECT_EQ(en.title, "Tovra installer ver0.16");
    EXPECT_EQ(en.browse, "Browse");
    EXPECT_EQ(ja.templateId, 2);
    EXPECT_EQ(ja.title, "Tovraインストーラ ver0.16");
    EXPECT_EQ(ja.shortcut, "デスクトップにショートカットを作る");
    EXPECT_EQ(ja.cancel, "Cancel");
}

}  // namespace
}  // namespace installer
