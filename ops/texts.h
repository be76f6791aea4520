// Every text that the commands show, in English and in Japanese. The Japanese texts end with an ASCII
// "." as the English ones do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace votrana {

struct Texts {
    // Titles of the file dialogs and of the key-file dialog.
    std::string_view codeFileTitle;
    std::string_view decodeFileTitle;
    std::string_view browseKeyTitle;
    std::string_view keyDialogTitle;

    // Filters of the open-file dialogs: one name and one pattern each.
    std::string_view allFilesFilter;
    std::string_view allFilesPattern;
    std::string_view codedFilesFilter;
    std::string_view codedFilesPattern;
    std::string_view keyFilesFilter;
    std::string_view keyFilesPattern;

    // Captions.
    std::string_view errorCaption;
    std::string_view warningCaption;
    std::string_view informationCaption;
    std::string_view systemErrorCaption;

    // The open-file dialog failed; "%lx" stands for its extended error in hexadecimal.
    std::string_view openFileError;
    std::string_view dialogNotShown;

    // Refusals and failures of the commands.
    std::string_view programItself;
    std::string_view noAssignedFile;
    std::string_view notOnFixedDisk;
    std::string_view cannotOpenAssignedFile;
    std::string_view notEnoughFreeSpace;
    std::string_view cannotCreateKeyFile;
    std::string_view userKeyFileNotFound;
    std::string_view defaultKeyFileNotFound;
    std::string_view cannotOpenKeyFile;
    std::string_view incorrectKeyFile;
    std::string_view cannotCreateCodedFile;
    std::string_view compressionFailed;
    std::string_view cannotCreateDecodedFile;
    // The target of a decompression cannot be created.
    std::string_view cannotCreateDecompressedFile;
    std::string_view damagedCodedFile;
    std::string_view readWriteFailed;

    // The reports of success: head + file + key label + key file.
    std::string_view codingDone;
    std::string_view decodingDone;
    std::string_view keyFileLabel;
};

const Texts& englishTexts();
const Texts& japaneseTexts();
const Texts& textsFor(bool japaneseUi);

// The open-file dialog's failure, with the error code put in.
std::string openFileErrorText(const Texts& texts, std::uint32_t errorCode);

}  // namespace votrana
