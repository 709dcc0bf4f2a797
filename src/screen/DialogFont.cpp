#include "screen/DialogFont.h"

#include <algorithm>

#include "screen/ScreenPictures.h"

namespace zav {

namespace {
// The order of the glyph sheet (tools/font/generate.py draws it).
constexpr char32_t CzechLetters[] = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
constexpr int SpaceAdvance = 5;
}  // namespace

std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(valid ? c : U'\uFFFD');
        i += valid ? length : 1;
    }
    return out;
}

const DialogFont& DialogFont::instance() {
    static const DialogFont font;
    return font;
}

DialogFont::DialogFont() : sheet_(programImage("font.png")) {
    for (char32_t c = 32; c < 127; ++c) characters_.push_back(c);
    for (char32_t c : std::u32string_view(CzechLetters)) characters_.push_back(c);
    for (size_t i = 0; i < characters_.size(); ++i) {
        const int cellX = static_cast<int>(i % Columns) * CellWidth, cellY = static_cast<int>(i / Columns) * CellHeight;
        int right = 0;
        for (int y = 0; y < CellHeight; ++y)
            for (int x = 0; x < CellWidth; ++x)
                if (sheet_.pixels[((cellY + y) * sheet_.width + cellX + x) * 4] > 40) right = std::max(right, x + 1);
        widths_.push_back(right == 0 ? SpaceAdvance : right + 1);
    }
}

int DialogFont::glyphIndex(char32_t c) const {
    auto it = std::find(characters_.begin(), characters_.end(), c);
    if (it == characters_.end()) it = std::find(characters_.begin(), characters_.end(), U'?');
    return static_cast<int>(it - characters_.begin());
}

int DialogFont::measure(std::string_view utf8) const {
    int width = 0;
    for (char32_t c : decodeUtf8(utf8)) width += widths_[glyphIndex(c)];
    return width;
}

void DialogFont::draw(RgbaImage& target, int x, int y, std::string_view utf8, uint8_t r, uint8_t g, uint8_t b) const {
    for (char32_t c : decodeUtf8(utf8)) {
        const int index = glyphIndex(c);
        const int cellX = (index % Columns) * CellWidth, cellY = (index / Columns) * CellHeight;
        for (int gy = 0; gy < CellHeight; ++gy) {
            for (int gx = 0; gx < widths_[index] && gx < CellWidth; ++gx) {
                const int tx = x + gx, ty = y + gy;
                if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
                const int coverage = sheet_.pixels[((cellY + gy) * sheet_.width + cellX + gx) * 4];
                uint8_t* p = &target.pixels[(static_cast<size_t>(ty) * target.width + tx) * 4];
                p[0] = static_cast<uint8_t>((r * coverage + p[0] * (255 - coverage)) / 255);
                p[1] = static_cast<uint8_t>((g * coverage + p[1] * (255 - coverage)) / 255);
                p[2] = static_cast<uint8_t>((b * coverage + p[2] * (255 - coverage)) / 255);
            }
        }
        x += widths_[index];
    }
}

}  // namespace zav
