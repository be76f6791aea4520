#include "texts.h"

#include <cstdio>

namespace votrana {

const Texts& englishTexts()
{
    static const Texts texts{
        .codeFileTitle = "Select a file to code.",
        .decodeFileTitle = "Select a file to decode.",
        .browseKeyTitle = "Browse a key file.",
        .keyDialogTitle = "Assign a Coding/Decoding Key File.",
        .allFilesFilter = "All Files (*.*)",
        .allFilesPattern = "*.*",
        .codedFilesFilter = "Coded Files (*.___)",
        .codedFilesPattern = "*.___",
        .keyFilesFilter = "Key Files (*.key)",
        .keyFilesPattern = "*.key",
        .errorCaption = "Error",
        .warningCaption = "Warning",
        .informationCaption = "Information",
        .systemErrorCaption = "System Error",
        .openFileError = "GetOpenFileName error 0x%lx",
        .dialogNotShown = "Unable to display dialog.",
        .programItself = "Unable to code this executable (VOTRA_95.EXE).",
        .noAssignedFile = "No assigned file in the directory.",
        .notOnFixedDisk = "Unable to code a file other than in the fixed disk.",
        .cannotOpenAssignedFile = "Unable to open an assigned file.",
        .notEnoughFreeSpace = "Not enough free diskspace.",
        .cannotCreateKeyFile = "Unable to create a coding/decoding key file.",
        .userKeyFileNotFound = "Unable to find the coding/decoding key file for the assigned file.",
        .defaultKeyFileNotFound = "No coding/decoding key file for the assigned file in the same directory.",
        .cannotOpenKeyFile = "Unable to open a coding/decoding key file.",
        .incorrectKeyFile = "Not a correct coding/decoding key file.",
        .cannotCreateCodedFile = "Unable to create a coded file.",
        .compressionFailed = "Failed in compressing the coded file.",
        .cannotCreateDecodedFile = "Unable to create a decoded file.",
        .cannotCreateDecompressedFile = "Unable to create a coded file.",
        .damagedCodedFile = "The coded file is damaged and cannot be decoded.",
        .readWriteFailed = "Failed in reading or writing a file.",
        .codingDone = "Following file has been created by coding;\n  ",
        .decodingDone = "Following file has been created by decoding;\n  ",
        .keyFileLabel = "\nKey file;\n  ",
    };
    return texts;
}

const Texts& japaneseTexts()
{
    static const Texts texts{
        .codeFileTitle = "暗号化するファイルの選択",
        .decodeFileTitle = "復号化するファイルの選択",
        .browseKeyTitle = "キー・ファイルの参照",
        .keyDialogTitle = "暗号化/復号化のキー・ファイルの指定",
        .allFilesFilter = "All Files (*.*)",
        .allFilesPattern = "*.*",
        .codedFilesFilter = "Coded Files (*.___)",
        .codedFilesPattern = "*.___",
        .keyFilesFilter = "Key Files (*.key)",
        .keyFilesPattern = "*.key",
        .errorCaption = "エラー",
        .warningCaption = "警告",
        .informationCaption = "お知らせ",
        .systemErrorCaption = "システム・エラー",
        .openFileError = "GetOpenFileName エラー 0x%lx",
        .dialogNotShown = "ダイアログを表示できません.",
        .programItself = "自分自身(VOTRA_95.EXE)は暗号化できません.",
        .noAssignedFile = "指定されたファイルはありません.",
        .notOnFixedDisk = "ハード・ディスク以外のファイルは暗号化できません.",
        .cannotOpenAssignedFile = "指定されたファイルを開けません.",
        .notEnoughFreeSpace = "ディスクの空容量が不足です.",
        .cannotCreateKeyFile = "暗号化/復号化キー・ファイルを作成できません.",
        .userKeyFileNotFound = "指定のファイル用の暗号化/復号化キー・ファイルが見つかりません.",
        .defaultKeyFileNotFound = "指定ファイル用の暗号化/復号化キー・ファイルが同じディレクトリにありません.",
        .cannotOpenKeyFile = "暗号化/復号化キー・ファイルを開けません.",
        .incorrectKeyFile = "正しい暗号化/復号化キー・ファイルではありません.",
        .cannotCreateCodedFile = "暗号化ファイルを作成できません.",
        .compressionFailed = "暗号化ファイルの圧縮に失敗しました.",
        .cannotCreateDecodedFile = "復号化ファイルを作成できません.",
        .cannotCreateDecompressedFile = "復号化ファイルを作成できません.",
        .damagedCodedFile = "暗号化ファイルが壊れているため復号化できません.",
        .readWriteFailed = "ファイルの読み書きに失敗しました.",
        .codingDone = "暗号化で下記のファイルが作成されました;\n  ",
        .decodingDone = "復号化で下記のファイルが作成されました;\n  ",
        .keyFileLabel = "\nキー・ファイル;\n  ",
    };
    return texts;
}

const Texts& textsFor(bool japaneseUi)
{
    return japaneseUi ? japaneseTexts() : englishTexts();
}

std::string openFileErrorText(const Texts& texts, std::uint32_t errorCode)
{
    constexpr std::string_view placeholder = "%lx";
    char hex[16];
    std::snprintf(hex, sizeof hex, "%lx", static_cast<unsigned long>(errorCode));
    std::string text(texts.openFileError);
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos) {
        text.replace(at, placeholder.size(), hex);
    }
    return text;
}

}  // namespace votrana
