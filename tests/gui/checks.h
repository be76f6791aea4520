// What every group of checks works with, and the groups themselves (one file each).
#pragma once

#include "app_texts.h"
#include "expected_texts.h"
#include "texts.h"

#include <string>

namespace guitest {

struct Context {
    bool japanese = false;
    // The driver's folder (its current folder), where shots\ and work\ lie.
    std::wstring folder;
    // A fresh folder for the files of the checks.
    std::wstring work;
    // The program is copied here without its readme documents, so Help's checks decide what lies beside it.
    std::wstring appFolder;
    std::wstring program;
    // The folder of the built program, with the readme documents.
    std::wstring builtFolder;
    const ExpectedTexts* texts = nullptr;
    const votrana::Texts* programTexts = nullptr;
    const votrana::AppTexts* programAppTexts = nullptr;
};

void checkTextTables(Context& context);
void checkMainWindow(Context& context);
void checkIconBar(Context& context);
void checkHoverLabels(Context& context);
void checkAboutAndHelp(Context& context);
void checkKeyFileDialog(Context& context);
void checkCodingAndDecoding(Context& context);
void checkCancels(Context& context);
void checkRefusals(Context& context);
void checkJapaneseNames(Context& context);
// Coding and Decoding that take seconds: the progress window, Cancel, and a window that always answers.
void checkLongWork(Context& context);
// The program unpacked from the Windows archive (--package FOLDER).
void checkPackagedProgram(Context& context);

}  // namespace guitest
