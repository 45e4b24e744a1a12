// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace soundgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// sin(x) by range reduction and a Taylor series: exact to well below 16-bit resolution and,
// unlike std::sin, identical on every C library.
double Sine(double x) {
  const double r = x - std::floor(x / kTwoPi + 0.5) * kTwoPi;
  const double r2 = r * r;
  double term = r;
  double sum = r;
  for (int n = 1; n < 12; ++n) {
    term *= -r2 / static_cast<double>((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

struct TPartial {
  double Ratio;      // frequency relative to the strike's base
  double Amplitude;  // relative loudness
  double Decay;      // seconds to fall to about 1/e
};

// One struck tone: a short linear attack, then each partial dies away on its own.
void AddStrike(std::vector<double>& mix, double start, double baseHz, double gain,
               const std::vector<TPartial>& partials) {
  const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
  const double attack = 0.002 * kSampleRate;
  for (const TPartial& p : partials) {
    const double hz = baseHz * p.Ratio;
    if (hz >= kSampleRate / 2.0) continue;  // keep clear of aliasing
    const double fall = 1.0 - 1.0 / (p.Decay * kSampleRate);
    double envelope = gain * p.Amplitude;
    for (std::size_t i = 0; first + i < mix.size(); ++i) {
      const double t = static_cast<double>(i);
      const double rise = t < attack ? t / attack : 1.0;
      mix[first + i] += envelope * rise * Sine(kTwoPi * hz * t / kSampleRate);
      envelope *= fall;
      if (envelope < 1e-6) break;
    }
  }
}

// Scales to a comfortable peak and fades the tail out so the sound never ends in a click.
std::vector<std::int16_t> Finish(std::vector<double> mix, double peak, double fadeSeconds) {
  double loudest = 0.0;
  for (double v : mix) loudest = std::max(loudest, std::fabs(v));
  const double scale = loudest > 0.0 ? peak / loudest : 0.0;
  const auto fade = static_cast<std::size_t>(std::lround(fadeSeconds * kSampleRate));
  std::vector<std::int16_t> out(mix.size());
  for (std::size_t i = 0; i < mix.size(); ++i) {
    double v = mix[i] * scale;
    const std::size_t left = mix.size() - i;
    if (left < fade) v *= static_cast<double>(left) / static_cast<double>(fade);
    v = std::clamp(v, -1.0, 1.0);
    out[i] = static_cast<std::int16_t>(std::lround(v * 32767.0));
  }
  return out;
}

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::int16_t> SynthCoins() {
  // Small metal discs: inharmonic partials that ring briefly. Four clinks tumbling onto
  // each other, slightly detuned so they sound like different coins.
  const std::vector<TPartial> coin = {
      {1.00, 1.00, 0.090}, {2.76, 0.55, 0.050}, {5.40, 0.30, 0.030}, {8.93, 0.15, 0.018}};
  std::vector<double> mix = Silence(0.60);
  AddStrike(mix, 0.000, 2093.0, 1.00, coin);
  AddStrike(mix, 0.085, 2489.0, 0.80, coin);
  AddStrike(mix, 0.165, 2217.0, 0.70, coin);
  AddStrike(mix, 0.260, 2637.0, 0.50, coin);
  return Finish(std::move(mix), 0.70, 0.05);
}

std::vector<std::int16_t> SynthChimes() {
  // A rising C major arpeggio on soft bells, the last note left to ring.
  const std::vector<TPartial> bell = {
      {1.00, 1.00, 0.45}, {2.00, 0.35, 0.25}, {3.01, 0.15, 0.15}, {4.17, 0.07, 0.08}};
  std::vector<double> mix = Silence(1.60);
  AddStrike(mix, 0.00, 1046.50, 0.80, bell);
  AddStrike(mix, 0.12, 1318.51, 0.75, bell);
  AddStrike(mix, 0.24, 1567.98, 0.70, bell);
  AddStrike(mix, 0.36, 2093.00, 0.75, bell);
  return Finish(std::move(mix), 0.60, 0.30);
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutLE(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLE(out, 16, 4);        // fmt chunk size
  PutLE(out, 1, 2);         // PCM
  PutLE(out, 1, 2);         // mono
  PutLE(out, rate, 4);      // samples per second
  PutLE(out, rate * 2, 4);  // bytes per second
  PutLE(out, 2, 2);         // bytes per sample frame
  PutLE(out, 16, 2);        // bits per sample
  PutTag(out, "data");
  PutLE(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLE(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

std::vector<TSoundFile> StockSounds() {
  return {{"coins.Wav", EncodeWav(SynthCoins(), kSampleRate)},
          {"CHIMES.WAV", EncodeWav(SynthChimes(), kSampleRate)}};
}

}  // namespace soundgen
