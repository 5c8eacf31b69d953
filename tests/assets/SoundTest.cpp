// The sounds must play on any sound service: plain 16-bit PCM WAV, mono,
// short, and loud enough to be heard.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "GameFolder.h"

namespace {

struct WavInfo {
  int format = 0;
  int channels = 0;
  int rate = 0;
  int bits = 0;
  double seconds = 0;
  int peak = 0;  // largest sample magnitude, 0..32768
};

uint32_t Le32(const QByteArray& b, qsizetype at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
int Le16(const QByteArray& b, qsizetype at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}

// Walks the RIFF chunks; fails on anything a strict reader would refuse:
// a chunk running past the end, no format or no data chunk.
std::optional<WavInfo> ReadWav(const QByteArray& b) {
  if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return std::nullopt;
  if (Le32(b, 4) + 8 != static_cast<uint32_t>(b.size())) return std::nullopt;
  WavInfo info;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= b.size()) {
    const QByteArray id = b.mid(at, 4);
    const qsizetype size = Le32(b, at + 4);
    const qsizetype body = at + 8;
    if (body + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      info.format = Le16(b, body);
      info.channels = Le16(b, body + 2);
      info.rate = static_cast<int>(Le32(b, body + 4));
      info.bits = Le16(b, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || info.bits != 16 || info.channels < 1) return std::nullopt;
      const qsizetype samples = size / 2;
      info.seconds = static_cast<double>(samples) / info.channels / info.rate;
      for (qsizetype i = 0; i < samples; ++i) {
        const int v = static_cast<int16_t>(Le16(b, body + 2 * i));
        info.peak = std::max(info.peak, std::abs(v));
      }
      return info;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return std::nullopt;
}

TEST(Sounds, AreShortLoudSixteenBitPcmMono) {
  for (const char* name :
       {"So/sonoui.wav", "So/V.Wav", "So/C.Wav", "So/K.Wav", "So/P.Wav", "So/T.Wav", "So/E.wav"}) {
    SCOPED_TRACE(name);
    QFile file(GamePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<WavInfo> wav = ReadWav(file.readAll());
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->format, 1);  // PCM
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_TRUE(wav->rate == 22050 || wav->rate == 44100) << wav->rate;
    EXPECT_GT(wav->seconds, 0.2);
    EXPECT_LT(wav->seconds, 2.0);
    // Normalised: the loudest sample is near full scale, without clipping.
    EXPECT_GT(wav->peak, 26000);
    EXPECT_LT(wav->peak, 32767);
  }
}

TEST(Sounds, ReaderRefusesBrokenFiles) {
  QFile file(GamePath(QStringLiteral("So/C.Wav")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray good = file.readAll();
  ASSERT_TRUE(ReadWav(good).has_value());
  EXPECT_FALSE(ReadWav(good.left(good.size() - 10)).has_value());  // cut short
  QByteArray notWave = good;
  notWave.replace(8, 4, "AVI ");
  EXPECT_FALSE(ReadWav(notWave).has_value());
}

}  // namespace
