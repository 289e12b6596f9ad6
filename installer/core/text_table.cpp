#include "installer/core/text_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace installer {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Texts in UTF-8; the last-resort folder is the one its system would have used and is mapped
// to this platform where it is read (see default_folder.h).
constexpr std::array kTable{
    Entry{1028, "CAUTION!"},
    Entry{1030, "C:\\Program files\\Tovra\\"},
    Entry{1036, "インストール完了です。\nTovraを起動します。"},
    Entry{1037, "Installation finished.\nLaunch Tovra..."},
    Entry{2048, " "},
    Entry{2050, "キャンセルされました"},
    Entry{2051, "Cancel"},
    Entry{2052, "書庫が見つかりません"},
    Entry{2053, "Not Archive"},
    Entry{2054, "未知の形式"},
    Entry{2055, "Unknown type"},
    Entry{2056, "ファイルが壊れています"},
    Entry{2057, "Broken file"},
    Entry{2058, "メモリーが足りません"},
    Entry{2059, "Memory empty"},
    Entry{2060, "メモリーエラー"},
    Entry{2061, "Memory error"},
    Entry{2062, "読込みエラー"},
    Entry{2063, "Read error"},
    Entry{2064, "書込みエラー\nインストール先を確認してください。"},
    Entry{2065, "Write error\nCheck 'destination folder'."},
    Entry{2066, "内部エラー"},
    Entry{2067, "Internal err"},
    Entry{2080, "コモンダイアログでエラー#%ld が発生しました"},
    Entry{2081, "Error (#%ld) in Common dialog"},
};

const Entry* Find(int id) {
    auto at = std::find_if(kTable.begin(), kTable.end(), [id](const Entry& e) { return e.id == id; });
    return at == kTable.end() ? nullptr : &*at;
}

}  // namespace

std::string LoadText(int id, bool japanese) {
    const Entry* entry = japanese ? nullptr : Find(id | 1);
    if (!entry) entry = Find(id);
    return entry ? std::string(entry->text) : std::string();
}

std::string ResultMessage(lzh::ResultCode code, bool japanese) {
    return LoadText(kTextResultMessages + 2 * static_cast<int>(code), japanese);
}

}  // namespace installer
