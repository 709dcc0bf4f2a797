#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Image.h"

namespace zav {

// The proportional font of the program's own dialogs: ASCII and the Czech letters, drawn from
// the embedded glyph sheet. Characters it lacks are drawn as '?'.
class DialogFont {
public:
    static const DialogFont& instance();

    int lineHeight() const { return CellHeight; }
    int measure(std::string_view utf8) const;
    // Draws the text with its top-left corner at x, y into an RGBA image, blending the glyphs'
    // coverage in the given colour over what is there.
    void draw(RgbaImage& target, int x, int y, std::string_view utf8, uint8_t r, uint8_t g, uint8_t b) const;

private:
    static constexpr int CellWidth = 16;
    static constexpr int CellHeight = 22;
    static constexpr int Columns = 16;

    DialogFont();
    int glyphIndex(char32_t c) const;

    RgbaImage sheet_;
    std::vector<char32_t> characters_;
    std::vector<int> widths_;  // advance of each glyph
};

// Splits UTF-8 text into code points; bytes that are not valid UTF-8 become U+FFFD.
std::vector<char32_t> decodeUtf8(std::string_view text);

}  // namespace zav
