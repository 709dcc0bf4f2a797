#include "screen/ScreenPictures.h"

#include <map>
#include <string>

#include "assets/EmbeddedAssets.h"
#include "screen/PngDecoder.h"

namespace zav {

RgbaImage programImage(std::string_view name) {
    const auto bytes = embeddedAsset(name);
    if (bytes.empty()) throw PngError("the program carries no picture " + std::string(name));
    return decodePng(bytes);
}

Picture screenPicture(std::string_view holder) {
    static std::map<std::string, Picture, std::less<>> decoded;
    if (auto it = decoded.find(holder); it != decoded.end()) return it->second;
    Picture picture = Picture::fromRgba(programImage("pictures/" + std::string(holder) + ".png"));
    decoded.emplace(std::string(holder), picture);
    return picture;
}

}  // namespace zav
