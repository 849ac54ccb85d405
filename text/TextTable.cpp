// The interface texts in force and the built-in Russian ones.
#include "text/TextTable.h"

std::wstring TextTable[TEXT_TABLE_SIZE];

// Wide literals, so the Russian texts come out right whatever the system's ANSI code page is.
const std::wstring DefaultTextTable[TEXT_TABLE_SIZE] = {
    L"1",
    L"Language - Russian",
    L"Russian Help.txt",
    L"Нажмите Белую кнопку (или Пробел).",
    L"Фигура для полухода Белых.",
    L"Фигура для полухода Чёрных.",
    L"Пат!",
    L"Король.",
    L"Ферзь.",
    L"Слон.",
    L"Конь.",
    L"Ладья.",
    L"Пешка.",
    L"Ход Белых",
    L"Ход Чёрных",
    L"Король включен в генератор хода",
    L"Король не включен в генератор хода",
    L"Ферзь включен в генератор хода",
    L"Ферзь не включен в генератор хода",
    L"Слон включен в генератор хода",
    L"Слон не включен в генератор хода",
    L"Конь включен в генератор хода",
    L"Конь не включен в генератор хода",
    L"Ладья включена в генератор хода",
    L"Ладья не включена в генератор хода",
    L"Пешка включена в генератор хода",
    L"Пешка не включена в генератор хода",
    L"Новая Игра",
    L"Помощь, Язык",
    L"Перевод текста Интерфейса Zarvik Team https://zarvik.example.org",
    L"Перевод текста Помощи  Zarvik Team https://zarvik.example.org",
    L"Фигуры Белых",
    L"Фигуры Чёрных",
    L"Нажать",
    L"Новая Игра с начальной позиции",
    L"Запись ходов",
    L"Копировать",
    L"Закрыть",
    L"Белые",
    L"Чёрные",
    L"Сколько раз выпала каждая фигура",
    L"Король",
    L"Ферзь",
    L"Слон",
    L"Конь",
    L"Ладья",
    L"Пешка",
};

void ResetTextTableToDefaults() {
    for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) TextTable[slot] = DefaultTextTable[slot];
}
