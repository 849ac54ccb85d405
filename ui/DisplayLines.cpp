// The display's lines: drawn with one font, or copied back from the ink kept of an earlier picture.
#include "ui/DisplayLines.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

constexpr COLORREF ERROR_COLOUR = RGB(64, 64, 64);
static const wchar_t FontErrorText[] = L"Error Create Font!";

// A line once drawn, kept as its ink: a picture copies a line it has shown before back onto grey field
// instead of drawing it. Its ink is the line's own when it was drawn on grey field and the bounds the
// platform kept of its drawing hold all of it. The last used stay (the prompts of every draw, one
// language's kind names and stalemate); a new size drops them with the buffer.
namespace {
struct KeptLine {
    std::wstring text;
    LOGFONTW font;
    COLORREF colour;
    POINT centre;
    RECT bounds, inked;
    std::vector<std::uint32_t> ink;  // the inked rectangle's rows, top first
    std::uint64_t lastUse;
};
}  // namespace

static std::vector<KeptLine> KeptLines;
static std::uint64_t LineUses = 0;
constexpr size_t KEPT_LINE_LIMIT = 24;

// Where the canvas differs from its grey field inside area; empty when nowhere.
static RECT InkWithin(const LineCanvas& canvas, const RECT& area) {
    RECT bounds = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; y++) {
        const std::uint32_t* row = canvas.rows.Row(y);
        int left = area.left, right = area.right;
        while (left < right && row[left] == canvas.field) left++;
        if (left == right) continue;
        while (row[right - 1] == canvas.field) right--;
        bounds = {std::min<LONG>(bounds.left, left), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, right), y + 1};
    }
    return bounds.left < bounds.right ? bounds : RECT{};
}

static bool Overlaps(const RECT& area, const std::vector<RECT>& taken) {
    RECT common;
    return std::any_of(taken.begin(), taken.end(),
                       [&](const RECT& other) { return IntersectRect(&common, &area, &other) != FALSE; });
}

// Whether a line's ink runs past the bounds the platform kept of its drawing: ink on the ring just outside
// them, where no part drawn before it lies.
static bool InkPast(const LineCanvas& canvas, const RECT& bounds, const std::vector<RECT>& taken) {
    const auto inkAt = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= canvas.rows.width || y >= canvas.rows.height) return false;
        for (const RECT& part : taken)
            if (x >= part.left && x < part.right && y >= part.top && y < part.bottom) return false;
        return canvas.rows.Row(y)[x] != canvas.field;
    };
    for (int x = bounds.left - 1; x <= bounds.right; x++)
        if (inkAt(x, bounds.top - 1) || inkAt(x, bounds.bottom)) return true;
    for (int y = bounds.top; y < bounds.bottom; y++)
        if (inkAt(bounds.left - 1, y) || inkAt(bounds.right, y)) return true;
    return false;
}

static KeptLine* FindKeptLine(const std::wstring& text, const LOGFONTW& font, COLORREF colour, POINT centre) {
    for (KeptLine& kept : KeptLines) {
        if (kept.centre.x == centre.x && kept.centre.y == centre.y && kept.colour == colour && kept.text == text &&
            std::memcmp(&kept.font, &font, sizeof(font)) == 0) {
            kept.lastUse = ++LineUses;
            return &kept;
        }
    }
    return nullptr;
}

static void KeepLine(const LineCanvas& canvas, const std::wstring& text, const LOGFONTW& font, COLORREF colour,
                     POINT centre, const RECT& bounds, const RECT& inked) {
    if (KeptLines.size() == KEPT_LINE_LIMIT)
        KeptLines.erase(std::min_element(KeptLines.begin(), KeptLines.end(), [](const KeptLine& a, const KeptLine& b) {
            return a.lastUse < b.lastUse;
        }));
    KeptLine kept = {text, font, colour, centre, bounds, inked, {}, ++LineUses};
    for (int y = inked.top; y < inked.bottom; y++)
        kept.ink.insert(kept.ink.end(), canvas.rows.Row(y) + inked.left, canvas.rows.Row(y) + inked.right);
    KeptLines.push_back(std::move(kept));
}

static void CopyKeptLine(const LineCanvas& canvas, const KeptLine& kept) {
    const size_t width = static_cast<size_t>(kept.inked.right - kept.inked.left);
    for (int y = kept.inked.top; y < kept.inked.bottom; y++)
        std::copy_n(kept.ink.data() + static_cast<size_t>(y - kept.inked.top) * width, width,
                    canvas.rows.Row(y) + kept.inked.left);
}

// The lines' font, made at the first line drawn and deleted with the pen: only the back buffer, the strip's
// pixels and the kept lines outlive a paint. A font that can't be made gives the error text for each line.
namespace {
class LinePen {
public:
    LinePen(HDC target, const LOGFONTW& font, COLORREF colour) : target(target), font(font), colour(colour) {}
    ~LinePen() {
        if (made == nullptr) return;
        SelectObject(target, previous);
        if (font.lfFaceName[0] != L'\0') DeleteObject(made);
    }
    LinePen(const LinePen&) = delete;
    LinePen& operator=(const LinePen&) = delete;

    // False when the line came out as the error text.
    bool Draw(POINT centre, const std::wstring& text) {
        if (!tried) Make();
        if (made == nullptr) {
            TextOutW(target, 0, centre.y, FontErrorText, static_cast<int>(std::size(FontErrorText)) - 1);
            return false;
        }
        const int length = static_cast<int>(text.size());
        SIZE extent = {};
        GetTextExtentPoint32W(target, text.c_str(), length, &extent);
        // A line wider than the window starts at its left edge and runs off the right one.
        const int left = std::max(0, static_cast<int>(centre.x - extent.cx / 2));
        TextOutW(target, left, centre.y - static_cast<int>(extent.cy) / 2, text.c_str(), length);
        return true;
    }

private:
    void Make() {
        tried = true;
        made = font.lfFaceName[0] != L'\0' ? CreateFontIndirectW(&font)
                                            : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        SetBkMode(target, TRANSPARENT);
        SetTextColor(target, made != nullptr ? colour : ERROR_COLOUR);
        if (made != nullptr) previous = SelectObject(target, made);
    }

    HDC target;
    const LOGFONTW& font;
    COLORREF colour;
    bool tried = false;
    HFONT made = nullptr;
    HGDIOBJ previous = nullptr;
};
}  // namespace

// Each line copied from its kept ink where it has some and falls on grey field only; the others drawn, and
// kept when they fell on grey field only. A line's ink is searched inside the bounds the platform kept of
// its drawing, which spares searching the whole canvas at every draw.
void ComposeLines(const LineCanvas& canvas, POINT first, const std::vector<std::wstring>& lines,
                  const LOGFONTW& font, COLORREF colour, size_t seldomAgain, RECT* inked) {
    const RECT whole = {0, 0, canvas.rows.width, canvas.rows.height};
    std::vector<RECT> taken = {*inked};  // where the field is no longer grey
    bool searchWhole = false;
    LinePen pen(canvas.dc, font, colour);
    bool bounding = false;
    for (size_t i = 0; i < lines.size(); i++) {
        const POINT centre = {first.x, first.y + LINE_SPACING * static_cast<int>(i)};
        const KeptLine* kept = FindKeptLine(lines[i], font, colour, centre);
        if (kept != nullptr && !Overlaps(kept->bounds, taken)) {
            CopyKeptLine(canvas, *kept);
            UnionRect(inked, inked, &kept->inked);
            taken.push_back(kept->bounds);
            continue;
        }
        if (!bounding) bounding = SetBoundsRect(canvas.dc, nullptr, DCB_ENABLE | DCB_RESET) != 0;
        const bool drawn = pen.Draw(centre, lines[i]);
        GdiFlush();
        RECT bounds = {};
        const UINT boundsKept = bounding ? GetBoundsRect(canvas.dc, &bounds, DCB_RESET) : 0;
        if (drawn && boundsKept != 0 && (boundsKept & DCB_SET) != DCB_SET) continue;  // no ink at all
        IntersectRect(&bounds, &bounds, &whole);
        // Ink of unknown extent: nothing kept is copied over it, and the whole canvas is searched.
        if (!drawn || boundsKept == 0 || InkPast(canvas, bounds, taken)) {
            searchWhole = true;
            taken.push_back(whole);
            continue;
        }
        const RECT ink = InkWithin(canvas, bounds);
        UnionRect(inked, inked, &ink);
        if (i != seldomAgain && !Overlaps(bounds, taken)) KeepLine(canvas, lines[i], font, colour, centre, bounds, ink);
        taken.push_back(bounds);
    }
    if (searchWhole) *inked = InkWithin(canvas, whole);
}

void ForgetKeptLines() { KeptLines.clear(); }

bool DrawLines(HDC target, const LOGFONTW& font, COLORREF colour, POINT first, const std::vector<std::wstring>& lines) {
    LinePen pen(target, font, colour);
    bool ok = true;
    for (size_t i = 0; i < lines.size(); i++)
        ok = pen.Draw({first.x, first.y + LINE_SPACING * static_cast<int>(i)}, lines[i]) && ok;
    return ok;
}
