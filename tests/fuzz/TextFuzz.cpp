// libFuzzer entry of both fuzz targets: one input as a line file to read and write back, or as config.txt
// and the language file to load and check. Only where the files live differs (FuzzFiles.h).
#include "tests/fuzz/FuzzFiles.h"
#include "text/Config.h"
#include "text/StringList.h"
#include "text/TextResources.h"
#include "text/TextTable.h"
#include "text/Utf8.h"
#include "tools/langcheck/LanguageFileCheck.h"

#include <cstdlib>

namespace {

constexpr int MaxLines = 40;

void Check(bool condition) {
    if (!condition) std::abort();
}

// Whatever was read, written and read again, reads the same (values with a zero unit are cut
// at the zero by the writer, so they are left out), also when a folder in the way of the file
// beside it makes the writer write in place. The first byte says how many lines, and whether.
void ReadLines(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const int count = 1 + data[0] % MaxLines;
    const bool inPlace = data[0] / MaxLines % 2 == 1;
    const std::wstring path = ModulePath(L"fuzz-lines.txt");
    PutFile(path, data + 1, size - 1);
    std::wstring lines[MaxLines];
    if (!ReadStringList(lines, count, path)) return;
    for (int i = 0; i < count; i++) {
        if (lines[i].find(L'\0') != std::wstring::npos) return;
        Check(lines[i].find(L'\n') == std::wstring::npos);
    }
    if (inPlace) PutFolder(TemporaryPathFor(path));
    Check(WriteStringList(lines, count, path));
    std::wstring again[MaxLines];
    Check(ReadStringList(again, count, path));
    for (int i = 0; i < count; i++) Check(again[i] == lines[i]);
}

// The loader always ends in a state the rest of the program can use.
void Load(const std::uint8_t* config, std::size_t configSize, const std::uint8_t* language, std::size_t languageSize) {
    if (config != nullptr) PutFile(ModulePath(ConfigFileName), config, configSize);
    if (language != nullptr) PutFile(ModulePath(L"Languages/Russian.Lang.txt"), language, languageSize);
    Check(LoadTextResources());
    Check(LanguageName == TextTable[TS_LANGUAGE_NAME]);
    if (!LoadErrorMessage.empty())
        for (int slot = 0; slot < TEXT_TABLE_SIZE; slot++) Check(TextTable[slot] == DefaultTextTable[slot]);
    else
        Check(IsVersionOne(TextTable[TS_VERSION]));
}

// The checker's errors are what the program refuses or garbles: a file it refuses has an error, and
// a file with an error is refused, or loses text to a zero unit or to a U+FFFF that cuts its lines.
void CheckerAgrees(const std::uint8_t* data, std::size_t size) {
    const std::wstring path = ModulePath(L"Languages/Russian.Lang.txt");
    const bool errors = HasErrors(CheckLanguageFile(NarrowUtf8(path)));
    const bool loads = LoadLanguage(path);
    bool garbled = false;  // read in the file: the loader's cut of a long line may drop a zero unit
    for (std::size_t i = 0, lineFeeds = 0; i + 1 < size && lineFeeds < TEXT_TABLE_SIZE; i += 2) {
        lineFeeds += data[i] == 0x0A && data[i + 1] == 0;
        garbled |= (data[i] == 0xFF && data[i + 1] == 0xFF) || (data[i] == 0 && data[i + 1] == 0);
    }
    if (!loads) Check(errors);
    if (errors) Check(!loads || garbled);
}

}  // namespace

// The first byte chooses: 0 a line file, 1 config.txt, 2 the language file, 3 both (two bytes of
// config length first).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    RemoveFiles();
    const std::uint8_t* rest = data + 1;
    const std::size_t restSize = size - 1;
    switch (data[0] % 4) {
    case 0:
        ReadLines(rest, restSize);
        break;
    case 1:
        Load(rest, restSize, nullptr, 0);
        break;
    case 2:
        Load(nullptr, 0, rest, restSize);
        CheckerAgrees(rest, restSize);
        break;
    case 3: {
        if (restSize < 2) return 0;
        std::size_t configSize = (rest[0] | rest[1] << 8) % (restSize - 1);
        Load(rest + 2, configSize, rest + 2 + configSize, restSize - 2 - configSize);
        break;
    }
    }
    return 0;
}
