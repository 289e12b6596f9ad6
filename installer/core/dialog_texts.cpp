#include "installer/core/dialog_texts.h"

namespace installer {

MainDialogTexts MainDialogTextsFor(bool japanese) {
    if (japanese) {
        return {2,
                "Tovraインストーラ ver0.16",
                "インストール先:",
                "インストール先を選ぶ",
                "デスクトップにショートカットを作る",
                "インストール開始",
                "Cancel"};
    }
    return {1,        "Tovra installer ver0.16",           "Install folder:",
            "Browse", "Create a shortcut on your Desktop", "Start installation",
            "Cancel"};
}

std::string FolderBrowserTitle(bool japanese) { return japanese ? "インストール先" : "Install to.."; }

std::string DirectoryPickerTitle(bool japanese) { return japanese ? "インストール先" : "Destination"; }

std::string InstallFinishedCaption(bool japanese) { return japanese ? "インストール完了" : "Install finished"; }

}  // namespace installer
