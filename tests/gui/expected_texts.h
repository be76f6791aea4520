// The texts that the program must show, in English and Japanese, written down here apart from the
// program's own tables (ops/texts.cpp, app/app_texts.cpp), so that a change on either side shows.
#pragma once

#include <array>
#include <string_view>

namespace guitest {

struct ExpectedTexts {
    std::string_view windowTitle;
    std::array<std::string_view, 5> labels;

    std::string_view codeFileTitle;
    std::string_view decodeFileTitle;
    std::string_view browseKeyTitle;
    std::string_view keyDialogTitle;
    std::string_view allFilesFilter;
    std::string_view codedFilesFilter;
    std::string_view keyFilesFilter;

    std::string_view errorCaption;
    std::string_view warningCaption;
    std::string_view informationCaption;
    std::string_view systemErrorCaption;

    std::string_view programItself;
    std::string_view noAssignedFile;
    std::string_view notOnFixedDisk;
    std::string_view cannotCreateKeyFile;
    std::string_view userKeyFileNotFound;
    std::string_view defaultKeyFileNotFound;
    std::string_view cannotOpenKeyFile;
    std::string_view incorrectKeyFile;
    std::string_view cannotCreateCodedFile;
    // The target of a decompression cannot be created (the Japanese text names the decoded file).
    std::string_view cannotCreateDecompressedFile;
    std::string_view cannotCreateDecodedFile;
    std::string_view codingDone;
    std::string_view decodingDone;
    std::string_view keyFileLabel;

    std::string_view readmeMissing;
    std::string_view readmeNotOpened;
    // The progress window's line for Coding, Decompressing and Decoding.
    std::array<std::string_view, 3> workStages;

    // The About box.
    std::string_view aboutCaption;
    std::string_view aboutName;
    std::string_view aboutVersion;
    std::string_view aboutDescription;  // how the description begins; the credits follow

    // The key-file dialog's controls.
    std::string_view okButton;
    std::string_view cancelButton;
    std::string_view browseButton;
    std::string_view applicationKeyRadio;
    std::string_view userKeyRadio;
    std::string_view keyPathLabel;
};

const ExpectedTexts& expectedTexts(bool japanese);

}  // namespace guitest
