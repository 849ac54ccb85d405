// The built-in texts and putting them back.
#include "text/TextTable.h"

#include "tests/support/TestFiles.h"
#include "text/StringList.h"

#include <gtest/gtest.h>

// The shipped Russian file is the reference: a change to either side shows, and so does a source file
// that the compiler read in another encoding.
TEST(TextTable, DefaultsAreTheRussianTexts) {
    std::wstring shipped[TEXT_SLOT_COUNT];
    ASSERT_TRUE(ReadStringList(shipped, TEXT_SLOT_COUNT, WideOf(ZARVIK_LANGUAGES_DIR "Russian.Lang.txt")));
    for (int slot = 0; slot < TEXT_SLOT_COUNT; slot++)
        EXPECT_EQ(shipped[slot], DefaultTextTable[slot]) << "slot " << slot;
}

TEST(TextTable, ResetReplacesEverySlot) {
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) TextTable[slot] = L"loaded " + std::to_wstring(slot);
    TextTable[TS_KING].clear();
    ResetTextTableToDefaults();
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) EXPECT_EQ(DefaultTextTable[slot], TextTable[slot]) << slot;
}
