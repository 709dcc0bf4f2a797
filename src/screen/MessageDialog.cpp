#include "screen/MessageDialog.h"

#include <algorithm>
#include <vector>

#include "screen/DialogFont.h"

namespace zav {

namespace {

constexpr int MaxTextWidth = 520;
constexpr int CaptionHeight = 24;
constexpr int Margin = 16;
constexpr int IconSize = 32;
constexpr int ButtonWidth = 75, ButtonHeight = 24;

struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb Face{192, 192, 192}, Light{255, 255, 255}, Shadow{96, 96, 96}, Dark{0, 0, 0}, Title{0, 0, 128};

void fill(RgbaImage& image, const Rect& r, Rgb c) {
    for (int y = std::max(0, r.top); y < std::min(image.height, r.bottom()); ++y)
        for (int x = std::max(0, r.left); x < std::min(image.width, r.right()); ++x) {
            uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
            p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = 255;
        }
}

void bevel(RgbaImage& image, const Rect& r, Rgb topLeft, Rgb bottomRight) {
    fill(image, {r.left, r.top, r.width, 1}, topLeft);
    fill(image, {r.left, r.top, 1, r.height}, topLeft);
    fill(image, {r.left, r.bottom() - 1, r.width, 1}, bottomRight);
    fill(image, {r.right() - 1, r.top, 1, r.height}, bottomRight);
}

void stopIcon(RgbaImage& image, int left, int top) {
    const double c = (IconSize - 1) / 2.0, radius = IconSize / 2.0;
    for (int y = 0; y < IconSize; ++y)
        for (int x = 0; x < IconSize; ++x) {
            const double dx = x - c, dy = y - c;
            if (dx * dx + dy * dy > radius * radius) continue;
            const bool cross = std::abs(std::abs(dx) - std::abs(dy)) < 2.2 && std::abs(dx) < 8.5;
            fill(image, {left + x, top + y, 1, 1}, cross ? Light : Rgb{200, 0, 0});
        }
}

std::vector<std::string> wrap(const std::string& text, const DialogFont& font) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && font.measure(candidate) > MaxTextWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

MessageDialog composeMessageDialog(const std::string& caption, const std::string& text, MessageIcon icon) {
    const DialogFont& font = DialogFont::instance();
    const std::vector<std::string> lines = wrap(text, font);
    int textWidth = 0;
    for (const std::string& l : lines) textWidth = std::max(textWidth, font.measure(l));
    const int iconWidth = icon == MessageIcon::Stop ? IconSize + Margin : 0;
    const int textHeight = std::max(static_cast<int>(lines.size()) * font.lineHeight(), icon == MessageIcon::Stop ? IconSize : 0);
    const int width = std::max({Margin * 2 + iconWidth + textWidth, font.measure(caption) + 2 * Margin, 200});
    const int bodyTop = CaptionHeight + Margin;
    const int buttonTop = bodyTop + textHeight + Margin;
    const int height = buttonTop + ButtonHeight + Margin - 4;

    RgbaImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    fill(image, {0, 0, width, height}, Face);
    bevel(image, {0, 0, width, height}, Light, Dark);
    fill(image, {3, 3, width - 6, CaptionHeight - 4}, Title);
    font.draw(image, 8, 3, caption, 255, 255, 255);
    if (icon == MessageIcon::Stop) stopIcon(image, Margin, bodyTop);
    for (size_t i = 0; i < lines.size(); ++i)
        font.draw(image, Margin + iconWidth, bodyTop + static_cast<int>(i) * font.lineHeight(), lines[i], 0, 0, 0);
    const Rect button{(width - ButtonWidth) / 2, buttonTop, ButtonWidth, ButtonHeight};
    bevel(image, button, Light, Dark);
    bevel(image, {button.left + 1, button.top + 1, button.width - 2, button.height - 2}, Face, Shadow);
    font.draw(image, button.left + (ButtonWidth - font.measure("OK")) / 2, button.top + 2, "OK", 0, 0, 0);
    return {Picture::fromRgba(image), button};
}

}  // namespace zav
