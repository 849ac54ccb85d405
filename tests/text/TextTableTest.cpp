// The built-in texts and putting them back.
#include "text/TextTable.h"

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

// UTF-8 here against the wide literals of the table: two encodings of the same texts.
TEST(TextTable, DefaultsAreTheRussianTexts) {
    const char* const expected[TEXT_SLOT_COUNT] = {
        "1",
        "Language - Russian",
        "Russian Help.txt",
        "Нажмите Белую кнопку (или Пробел).",
        "Фигура для полухода Белых.",
        "Фигура для полухода Чёрных.",
        "Пат!",
        "Король.",
        "Ферзь.",
        "Слон.",
        "Конь.",
        "Ладья.",
        "Пешка.",
        "Ход Белых",
        "Ход Чёрных",
        "Король включен в генератор хода",
        "Король не включен в генератор хода",
        "Ферзь включен в генератор хода",
        "Ферзь не включен в генератор хода",
        "Слон включен в генератор хода",
        "Слон не включен в генератор хода",
        "Конь включен в генератор хода",
        "Конь не включен в генератор хода",
        "Ладья включена в генератор хода",
        "Ладья не включена в генератор хода",
        "Пешка включена в генератор хода",
        "Пешка не включена в генератор хода",
        "Новая Игра",
        "Помощь, Язык",
        "Перевод текста Интерфейса Zarvik Team https://zarvik.example.org",
        "Перевод текста Помощи  Zarvik Team https://zarvik.example.org",
    };
    for (int slot = 0; slot < TEXT_SLOT_COUNT; slot++)
        EXPECT_EQ(expected[slot], NarrowUtf8(DefaultTextTable[slot])) << "slot " << slot;
}

TEST(TextTable, ResetReplacesEverySlot) {
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) TextTable[slot] = L"loaded " + std::to_wstring(slot);
    TextTable[TS_KING].clear();
    ResetTextTableToDefaults();
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) EXPECT_EQ(DefaultTextTable[slot], TextTable[slot]) << slot;
}
