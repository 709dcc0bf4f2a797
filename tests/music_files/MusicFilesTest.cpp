// The disk's modules as the player hears them: format, playing time, tempo,
// levels and gaps, checked from one render of each piece.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kSource = ZAV_SOURCE_DIR;
constexpr std::int32_t kRate = 48000;
constexpr double kSilence = 0.001;  // -60 dBFS

std::vector<std::vector<std::string>> ReadTable(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::stringstream ss(line);
    std::string field;
    while (std::getline(ss, field, '\t')) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

int Seconds(const std::string& time) {
  const auto colon = time.find(':');
  return std::stoi(time.substr(0, colon)) * 60 + std::stoi(time.substr(colon + 1));
}

struct Render {
  double peak_db = 0;
  double rms_db = 0;
  double longest_silence = 0;
};

Render RenderWhole(openmpt::module& module) {
  std::vector<float> buffer(2 * 4096);
  double peak = 0, energy = 0;
  std::size_t frames = 0, run = 0, longest = 0;
  while (const std::size_t n = module.read_interleaved_stereo(kRate, 4096, buffer.data())) {
    for (std::size_t i = 0; i < n; ++i) {
      const double l = buffer[2 * i], r = buffer[2 * i + 1];
      peak = std::max({peak, std::abs(l), std::abs(r)});
      energy += l * l + r * r;
      run = (std::abs(l) < kSilence && std::abs(r) < kSilence) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    frames += n;
  }
  Render out;
  out.peak_db = 20 * std::log10(std::max(peak, 1e-9));
  out.rms_db = 20 * std::log10(std::max(std::sqrt(energy / (2.0 * std::max<std::size_t>(frames, 1))), 1e-9));
  out.longest_silence = static_cast<double>(longest) / kRate;
  return out;
}

TEST(MusicFiles, EveryPiecePlaysForItsTimeAtEvenLevelsWithItsOwnTempoAndKey) {
  const auto songs = ReadTable(kSource / "assets/songs.tsv");
  std::map<std::string, std::pair<int, std::string>> tempo_key;
  for (const auto& row : ReadTable(kSource / "assets/music/pieces.tsv")) {
    ASSERT_EQ(row.size(), 4u);
    tempo_key[row[0]] = {std::stoi(row[2]), row[3]};
  }
  ASSERT_EQ(songs.size(), 13u);

  std::set<std::pair<int, std::string>> seen;
  double loudest = -1e9, quietest = 1e9;
  for (const auto& song : songs) {
    const std::string file = song[1];
    SCOPED_TRACE(file);
    const auto path = kSource / "assets/music" / file;
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_LT(std::filesystem::file_size(path), 300u * 1024);
    ASSERT_TRUE(tempo_key.count(file));
    const auto [tempo, key] = tempo_key[file];
    EXPECT_TRUE(seen.insert({tempo, key}).second) << "tempo and key shared with another piece";

    std::ifstream in(path, std::ios::binary);
    openmpt::module module(in);
    EXPECT_EQ(module.get_metadata("type"), "xm");
    EXPECT_EQ(module.get_current_tempo(), tempo);
    const double duration = module.get_duration_seconds();
    EXPECT_EQ(static_cast<int>(std::lround(duration)), Seconds(song[4])) << duration << " s";
    EXPECT_GE(duration, file == "theme.zav" ? 80 : 90);
    EXPECT_LE(duration, 240);

    const Render render = RenderWhole(module);
    EXPECT_LE(render.peak_db, -1.0);
    EXPECT_LE(render.longest_silence, 2.0);
    loudest = std::max(loudest, render.rms_db);
    quietest = std::min(quietest, render.rms_db);
    std::printf("%-13s %3d bpm %-12s %7.2f s  peak %6.2f dBFS  rms %6.2f dBFS  silence %.2f s\n", file.c_str(),
                tempo, key.c_str(), duration, render.peak_db, render.rms_db, render.longest_silence);
  }
  EXPECT_LE(loudest - quietest, 3.0) << "loudest " << loudest << " dBFS, quietest " << quietest << " dBFS";
}

}  // namespace
