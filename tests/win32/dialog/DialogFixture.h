// A main window started as the program starts, beside language files the tests write, and its paints.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tests/win32/ModalBoxes.h"
#include "tests/win32/Pixels.h"
#include "tests/win32/TestWindow.h"

// A paint of the whole client area: what RepaintWholeWindow asks for. Boxes that close leave smaller ones.
struct FullPaint {
    bool dialogOpen;          // the system dialog was still on screen
    std::wstring pressWhite;  // the prompt the display showed, as the text table had it then
};

// config.txt as SaveConfig writes it.
std::string ConfigBytes(const std::wstring& folder, const std::wstring& fileName);
std::vector<std::wstring> TextTableNow();

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
