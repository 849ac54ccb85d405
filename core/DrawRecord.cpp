// The score sheet of the draws: kept as draws and where each line starts, written out in the texts in force.
#include "core/DrawRecord.h"

#include <deque>

#include "core/KindTexts.h"
#include "text/TextTable.h"

namespace {
struct RecordLine {
    std::uint64_t firstDraw;  // counted from New Game
    std::uint32_t number;     // the move number: one more at each White line
    Side side;
    bool whole;  // a turn of dice: the next draw starts a line even for the same side
};
}  // namespace

static std::deque<PieceKind> Draws;  // Draws[i] is draw FirstDraw + i
static std::deque<RecordLine> Lines;  // Lines[i] is line FirstLine + i
static std::uint64_t FirstDraw = 0;
static std::uint64_t FirstLine = 0;
static std::uint64_t GameNumber = 0;
// Over the whole game, so the shares stay true after old draws are let go; index kind - 1.
static std::uint64_t Tally[2][PIECE_KIND_COUNT];

static int SideIndex(Side side) { return side == Side::White ? 1 : 0; }

static void StartLine(Side side, bool whole) {
    const std::uint64_t draw = FirstDraw + Draws.size();
    const std::uint32_t number = Lines.empty() ? 1 : Lines.back().number + (side == Side::White ? 1u : 0u);
    Lines.push_back({draw, number, side, whole});
}

static void AddDraw(Side side, PieceKind kind) {
    Draws.push_back(kind);
    if (kind != PieceKind::None) Tally[SideIndex(side)][static_cast<int>(kind) - 1]++;
    if (Draws.size() <= DRAW_RECORD_LIMIT) return;
    Draws.pop_front();
    FirstDraw++;
    if (Lines.size() > 1 && Lines[1].firstDraw <= FirstDraw) {
        Lines.pop_front();
        FirstLine++;
    }
}

// Consecutive draws of one side make one line, so the lines alternate and a Black line ends each move.
void AddToDrawRecord(Side side, PieceKind kind) {
    if (Lines.empty() || Lines.back().side != side || Lines.back().whole) StartLine(side, false);
    AddDraw(side, kind);
}

// Each press of the dice is the players' turn, so it reads as one: "7. White: Knight, Pawn, Knight".
void AddTurnToDrawRecord(Side side, const std::vector<PieceKind>& kinds) {
    StartLine(side, true);
    for (PieceKind kind : kinds) AddDraw(side, kind);
}

void ClearDrawRecord() {
    Draws.clear();
    Lines.clear();
    FirstDraw = 0;
    FirstLine = 0;
    GameNumber++;
    for (auto& side : Tally)
        for (std::uint64_t& count : side) count = 0;
}

std::uint64_t FirstRecordLine() { return FirstLine; }
std::uint64_t RecordLineEnd() { return FirstLine + Lines.size(); }
std::uint64_t RecordDrawCount() { return FirstDraw + Draws.size(); }
std::uint64_t RecordGameNumber() { return GameNumber; }

static const std::wstring& SideName(Side side) {
    return TextTable[side == Side::White ? TS_WHITE_SIDE : TS_BLACK_SIDE];
}

static const std::wstring& KindName(PieceKind kind) {
    return TextTable[KindTextsOf(kind).recordName];
}

// A line whose first draws were let go begins with an ellipsis. A list shows only the start of a line, so
// asking for that much costs the same however many draws one side made in a row.
std::wstring RecordLineText(std::uint64_t line, std::size_t limit) {
    if (line < FirstLine || line >= RecordLineEnd()) return L"";
    const std::size_t index = static_cast<std::size_t>(line - FirstLine);
    const RecordLine& shown = Lines[index];
    const std::uint64_t end = index + 1 < Lines.size() ? Lines[index + 1].firstDraw : RecordDrawCount();
    std::wstring text = std::to_wstring(shown.number) + L". " + SideName(shown.side) + L": ";
    std::uint64_t draw = shown.firstDraw;
    if (draw < FirstDraw) {
        text += L"\u2026";
        draw = FirstDraw;
    }
    for (const std::uint64_t first = draw; draw < end && text.size() < limit; draw++)
        text += (draw > first || first > shown.firstDraw ? L", " : L"") + KindName(Draws[draw - FirstDraw]);
    return text;
}

// Whole percents, rounded half up; a side that has not drawn yet shows no share.
static std::wstring Share(std::uint64_t count, std::uint64_t total) {
    std::wstring text = std::to_wstring(count);
    if (total > 0) text += L" (" + std::to_wstring((count * 200 + total) / (total * 2)) + L"%)";
    return text;
}

// Stalemates are no kind, so they count in neither the tally nor its shares; the lines show them.
std::vector<std::wstring> RecordTallyLines() {
    std::uint64_t totals[2] = {0, 0};
    for (int side = 0; side < 2; side++)
        for (std::uint64_t count : Tally[side]) totals[side] += count;
    std::vector<std::wstring> lines = {L"", TextTable[TS_TALLY]};  // the empty line sets it off from the draws
    for (int kind = 0; kind < PIECE_KIND_COUNT; kind++)
        lines.push_back(KindName(static_cast<PieceKind>(kind + 1)) + L": " + SideName(Side::White) + L" " +
                        Share(Tally[1][kind], totals[1]) + L", " + SideName(Side::Black) + L" " +
                        Share(Tally[0][kind], totals[0]));
    return lines;
}

std::wstring DrawRecordText() {
    std::wstring text;
    for (std::uint64_t line = FirstLine; line < RecordLineEnd(); line++) text += RecordLineText(line) + L"\r\n";
    for (const std::wstring& line : RecordTallyLines()) text += line + L"\r\n";
    return text;
}
