// The interface texts in force and the built-in ones as strings.
#include "text/TextTable.h"

std::wstring TextTable[TEXT_TABLE_SIZE];

static std::array<std::wstring, TEXT_TABLE_SIZE> BuiltInTexts() {
    std::array<std::wstring, TEXT_TABLE_SIZE> texts;
    for (const TextRow& row : TextRows) texts[row.slot] = row.builtIn;
    return texts;
}

const std::array<std::wstring, TEXT_TABLE_SIZE> DefaultTextTable = BuiltInTexts();

void ResetTextTableToDefaults() {
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) TextTable[slot] = DefaultTextTable[slot];
}
