#include "ModuleFixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zav::fixture {

namespace {

constexpr size_t kTitleBytes = 20;
constexpr size_t kSampleHeaderBytes = 30;
constexpr size_t kSampleCount = 31;
constexpr size_t kOrderBytes = 128;
constexpr size_t kRows = 64;
constexpr size_t kChannels = 4;
constexpr size_t kPatternBytes = kRows * kChannels * 4;
constexpr size_t kSampleBytes = 64;

void putBigEndian16(std::vector<uint8_t>& out, size_t at, uint16_t value)
{
    out[at] = uint8_t(value >> 8);
    out[at + 1] = uint8_t(value);
}

void putCell(std::vector<uint8_t>& out, size_t patternStart, size_t row, size_t channel, uint16_t period,
             uint8_t sample, uint8_t effect, uint8_t parameter)
{
    size_t at = patternStart + (row * kChannels + channel) * 4;
    out[at] = uint8_t((sample & 0xF0) | (period >> 8));
    out[at + 1] = uint8_t(period);
    out[at + 2] = uint8_t(((sample & 0x0F) << 4) | effect);
    out[at + 3] = parameter;
}

}  // namespace

std::vector<uint8_t> tinyModule()
{
    const size_t headerBytes = kTitleBytes + kSampleCount * kSampleHeaderBytes + 2 + kOrderBytes + 4;
    std::vector<uint8_t> out(headerBytes + kPatternBytes + kSampleBytes, 0);
    std::memcpy(out.data(), "tiny fixture", 12);

    size_t sample = kTitleBytes;
    std::memcpy(out.data() + sample, "triangle", 8);
    putBigEndian16(out, sample + 22, kSampleBytes / 2);  // length in words
    out[sample + 25] = 64;                                // volume
    putBigEndian16(out, sample + 26, 0);                  // loop start
    putBigEndian16(out, sample + 28, kSampleBytes / 2);   // loop length: the whole sample

    size_t song = kTitleBytes + kSampleCount * kSampleHeaderBytes;
    out[song] = 1;        // one order
    out[song + 1] = 127;  // restart byte as ProTracker writes it
    std::memcpy(out.data() + song + 2 + kOrderBytes, "M.K.", 4);

    const size_t pattern = headerBytes;
    const uint16_t periods[] = {428, 381, 339, 320};  // C, D, E, F
    for (size_t row = 0; row < 16; row += 4) {
        putCell(out, pattern, row, 0, periods[row / 4], 1, 0, 0);
        putCell(out, pattern, row + 2, 1, periods[3 - row / 4] / 2, 1, 0, 0);
    }
    putCell(out, pattern, 0, 3, 0, 0, 0xF, 3);    // speed 3
    putCell(out, pattern, 15, 3, 0, 0, 0xD, 0);   // break to the next order after sixteen rows

    // A triangle wave: smooth, so any jump in the output is the player's, not the sample's.
    const size_t data = headerBytes + kPatternBytes;
    for (size_t i = 0; i < kSampleBytes; ++i) {
        int rise = int(i < kSampleBytes / 2 ? i : kSampleBytes - i);
        out[data + i] = uint8_t(int8_t(rise * 6 - 96));
    }
    return out;
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write fixture " + path);
}

TempDirectory::TempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zav-modules-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

int16_t peak(const std::vector<int16_t>& interleaved)
{
    int loudest = 0;
    for (int16_t sample : interleaved)
        loudest = std::max(loudest, std::abs(int(sample)));
    return int16_t(std::min(loudest, 32767));
}

int largestStep(const std::vector<int16_t>& interleaved)
{
    int largest = 0;
    for (size_t i = 2; i < interleaved.size(); ++i)
        largest = std::max(largest, std::abs(int(interleaved[i]) - int(interleaved[i - 2])));
    return largest;
}

}  // namespace zav::fixture
