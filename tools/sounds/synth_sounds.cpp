// vorpex-sounds: synthesises the game's six sound effects as WAV files.
//
//   vorpex-sounds OUTDIR
//
// Writes CLICK.wav, UNCLICK.wav, BEEP.wav, BEEPS.wav, RIGHT.wav and CLAP.wav:
// 22,050 Hz, mono, 16-bit PCM. Noise comes from a fixed-seed generator, so
// the same program always writes the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(static_cast<size_t>(seconds * kRate), 0.0); }

// Adds `tone` into `out` starting at `at` seconds.
void mixAt(Samples& out, const Samples& tone, double at) {
  const auto start = static_cast<size_t>(at * kRate);
  if (out.size() < start + tone.size()) out.resize(start + tone.size(), 0.0);
  for (size_t i = 0; i < tone.size(); ++i) out[start + i] += tone[i];
}

// A sine with a few soft harmonics, a quick attack and an exponential decay.
Samples bell(double frequency, double seconds, double decay, double level) {
  Samples s(static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double attack = std::min(1.0, t / 0.004);
    const double envelope = attack * std::exp(-t * decay);
    const double wave = std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t) +
                        0.12 * std::sin(6 * kPi * frequency * t);
    s[i] = level * envelope * wave / 1.42;
  }
  return s;
}

class Noise {
 public:
  double next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<double>((state_ >> 8) & 0xFFFF) / 32768.0 - 1.0;
  }

 private:
  uint32_t state_ = 20261207u;
};

// One hand clap: a burst of noise through a simple band-pass, fast decay.
Samples clap(Noise& noise, double level) {
  Samples s(static_cast<size_t>(0.09 * kRate));
  double low = 0, band = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double n = noise.next();
    low += 0.35 * (n - low);
    band += 0.5 * ((n - low) - band);
    s[i] = level * band * std::exp(-t * 45) * std::min(1.0, t / 0.002);
  }
  return s;
}

bool writeWav(const std::string& path, const Samples& samples) {
  std::vector<uint8_t> bytes;
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto put16 = [&](uint16_t v) { for (int i = 0; i < 2; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i))); };
  auto tag = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
  const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
  tag("RIFF");
  put32(36 + dataSize);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  tag("data");
  put32(dataSize);
  for (double v : samples) {
    const double clipped = std::max(-1.0, std::min(1.0, v));
    put16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32000))));
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vorpex-sounds OUTDIR\n", stderr);
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  Noise noise;

  Samples click = bell(1480, 0.06, 70, 0.45);
  mixAt(click, clap(noise, 0.25), 0);
  const Samples unclick = bell(880, 0.07, 60, 0.4);
  const Samples beep = bell(440, 0.22, 12, 0.5);  // a word found before
  Samples beeps = silence(0.0);                    // not a word: two low notes
  mixAt(beeps, bell(233, 0.13, 18, 0.55), 0);
  mixAt(beeps, bell(196, 0.18, 14, 0.55), 0.14);
  Samples right = silence(0.0);  // a new word: a rising arpeggio
  mixAt(right, bell(523.25, 0.35, 9, 0.35), 0);
  mixAt(right, bell(659.25, 0.35, 9, 0.35), 0.07);
  mixAt(right, bell(783.99, 0.45, 7, 0.4), 0.14);
  mixAt(right, bell(1046.5, 0.5, 6, 0.3), 0.21);
  Samples applause = silence(1.6);  // a new best score
  for (int i = 0; i < 28; ++i) {
    const double at = i * 0.05 + 0.02 * noise.next();
    mixAt(applause, clap(noise, 0.5 * std::exp(-i / 22.0)), std::max(0.0, at));
  }
  mixAt(applause, bell(783.99, 0.6, 4, 0.2), 0);
  mixAt(applause, bell(1046.5, 0.8, 3, 0.2), 0.12);

  const std::pair<const char*, const Samples*> files[] = {
      {"CLICK.wav", &click}, {"UNCLICK.wav", &unclick}, {"BEEP.wav", &beep},
      {"BEEPS.wav", &beeps}, {"RIGHT.wav", &right},     {"CLAP.wav", &applause}};
  for (const auto& [name, samples] : files) {
    if (!writeWav(dir + name, *samples)) {
      std::fprintf(stderr, "vorpex-sounds: cannot write %s%s\n", dir.c_str(), name);
      return 1;
    }
  }
  return 0;
}
