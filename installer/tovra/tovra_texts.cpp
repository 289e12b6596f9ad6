#include "installer/tovra/tovra_texts.h"

#include "installer/core/text_table.h"

namespace tovra {

Text ExtractionText(const ExtractionSummary& summary, const std::filesystem::path& destination, bool japanese) {
    if (summary.result != lzh::ResultCode::Success) {
        return {installer::ResultMessage(summary.result, japanese),
                installer::LoadText(installer::kTextCaption, japanese), true};
    }
    Text text{japanese ? "展開しました:\n" : "Extracted into:\n", kCaption, false};
    text.message += destination.string();
    if (summary.extracted.empty() && summary.notExtracted.empty()) {
        text.message += japanese ? "\n\n書庫にファイルがありません。" : "\n\nThe archive holds no files.";
    }
    if (!summary.notExtracted.empty()) {
        text.warning = true;
        text.message += japanese ? "\n\n壊れているか書き込めないため、展開しなかったファイル:"
                                 : "\n\nNot extracted (damaged, unsafe or not writable):";
        for (const lzh::MemberReport& member : summary.notExtracted) text.message += "\n" + member.name;
    }
    return text;
}

Text RegistrationText(const RegistrationResult& result, bool japanese) {
    if (!result.ok) {
        return {
            (japanese ? "登録できませんでした。書き込めないファイル:\n" : "Could not register Tovra. Cannot write:\n") +
                result.failedPath.string(),
            installer::LoadText(installer::kTextCaption, japanese), true};
    }
    Text text{japanese ? "Tovra を .lzh ファイルを開くプログラムとして登録しました。" : "Tovra now opens .lzh files.",
              kCaption, false};
    if (!result.shortcut.empty()) {
        text.message += (japanese ? "\nデスクトップにショートカットを作りました:\n" : "\nShortcut on your desktop:\n") +
                        result.shortcut.string();
    }
    return text;
}

Text UsageText(bool japanese) {
    return {japanese ? "使い方:\n  tovra 書庫 [展開先]\n  tovra -s- [-l]   .lzh を開くプログラムとして登録 (-l: "
                       "デスクトップにショートカット)"
                     : "Usage:\n  tovra ARCHIVE [FOLDER]\n  tovra -s- [-l]   open .lzh files with Tovra (-l: shortcut "
                       "on the desktop)",
            kCaption, true};
}

std::string ChooseArchiveTitle(bool japanese) {
    return japanese ? "展開する書庫を選ぶ" : "Choose an archive to extract";
}

std::string ArchiveFilter(bool japanese) {
    return japanese ? "LZH書庫 (*.lzh *.lha *.LZH *.LHA)" : "LZH archives (*.lzh *.lha *.LZH *.LHA)";
}

std::string ProgressLabel(const std::string& member, bool japanese) {
    return (japanese ? "展開しました: " : "Extracted: ") + member;
}

}  // namespace tovra
