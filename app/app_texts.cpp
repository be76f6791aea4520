#include "app_texts.h"

namespace votrana {

const AppTexts& appTextsFor(bool japaneseUi)
{
    static const AppTexts english{
        .windowTitle = "Votrana",
        .labels = {"Coding", "Decoding", "About", "Help", "Exit"},
        .aboutNotShown = "Unable to display dialog box.",
        .readmeMissing = "Install the readme file (VOTRA_9E.PDF)\nin the same directory.",
        .readmeNotOpened = "Unable to open the readme file (VOTRA_9E.PDF)\n"
                           "because of being NO software to read PDF documents.",
        .workStages = {"Coding the file…", "Decompressing the coded file…", "Decoding the file…"},
    };
    static const AppTexts japanese{
        .windowTitle = "ヴォトラナ",
        .labels = {"暗号化", "復号化", "御案内", "ヘルプ", "終了"},
        .aboutNotShown = "ダイアログを表示できません",
        .readmeMissing = "説明書ファイル（VOTRA_9J.PDF）を同じ\n"
                         "フォルダーに入れてください.",
        .readmeNotOpened = "PDF 文書の閲覧ソフトが無いので、\n説明書（VOTRA_9J.PDF）を開けません.",
        .workStages = {"ファイルを暗号化しています…", "暗号化ファイルを展開しています…", "ファイルを復号化しています…"},
    };
    return japaneseUi ? japanese : english;
}

}  // namespace votrana
