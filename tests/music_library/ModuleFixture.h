#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zav::fixture {

// A tiny four-channel ProTracker module built in code: one looping triangle-wave sample, one
// pattern of sixteen rows at speed 3 (just under a second), notes on two channels.
std::vector<uint8_t> tinyModule();

// Seconds one pass of tinyModule() lasts.
inline constexpr double kTinyModuleSeconds = 16 * 3 * 0.02;

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Absolute sample values: the loudest one, and the largest step between neighbouring frames.
int16_t peak(const std::vector<int16_t>& interleaved);
int largestStep(const std::vector<int16_t>& interleaved);

}  // namespace zav::fixture
