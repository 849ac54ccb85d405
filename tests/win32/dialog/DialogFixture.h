// A main window started as the program starts, beside language files the tests write, and its paints.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win32/dialog/DialogTesting.h"

// A paint of the whole client area: what RequestRepaint asks for. Boxes that close leave smaller ones.
struct FullPaint {
    bool dialogOpen;             // the system dialog was still on screen
    std::wstring pressWhite;     // the prompt the display showed, as the text table had it then
};

// 31 lines naming their language: "Language - <name>", "<name> Help.txt", "<name> text 3", ...
std::vector<std::wstring> LanguageLines(const std::wstring& name);
void WriteLanguageFile(const std::wstring& relativePath, const std::vector<std::wstring>& lines);
std::string FileBytes(const std::wstring& path);
std::string ConfigBytes(const std::wstring& folder, const std::wstring& fileName);  // as SaveConfig writes it
std::vector<std::wstring> TextTableNow();
std::vector<DWORD> BackBufferNow();

// config.txt names Languages\Alpha.Lang.txt; Beta.Lang.txt lies beside it.
class DialogFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<FullPaint> FullPaints() const;
    void ForgetPaints();

    std::vector<std::wstring> alpha = LanguageLines(L"Alpha");
    std::vector<std::wstring> beta = LanguageLines(L"Beta");
};

// A message box's caption and body, read when the box was answered.
struct SeenMessage {
    std::wstring caption;
    std::wstring text;
};
DialogStep AnswerMessage(std::vector<SeenMessage>& seen);
