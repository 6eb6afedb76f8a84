#include "ui/window/signal_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kwarrel::ui {

namespace {

constexpr int kToneSampleRate = 22050;

}  // namespace

QStringList signalSources(bool second, const QString& folder, const Settings& settings) {
  QStringList sources;
  const auto addFile = [&](const QString& name) {
    if (QFileInfo(folder + QLatin1Char('/') + name).isFile()) sources << name;
  };
  if (second) addFile(QStringLiteral("asterisk2.wav"));
  addFile(QStringLiteral("asterisk.wav"));
  if (settings.soundDuration > 0 && settings.soundFrequency > 0) sources << QStringLiteral("toon");
  sources << QStringLiteral("piep");
  return sources;
}

SignalPlayer::SignalPlayer(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {}

SignalPlayer::~SignalPlayer() = default;

void SignalPlayer::playSignal(bool second, const Settings& settings) {
  // A source that cannot play (no device, a damaged file) passes to the next.
  for (const QString& source : signalSources(second, folder_, settings)) {
    lastSignal_ = source;
    if (source == QLatin1String("piep")) {
      QApplication::beep();
      return;
    }
    const bool played = source == QLatin1String("toon")
                            ? playTone(settings.soundFrequency, settings.soundDuration)
                            : playFile(source);
    if (played) return;
  }
}

bool SignalPlayer::hasAudioOutput() const {
  // Offscreen and headless runs have no device to play on; asking Qt Multimedia
  // then only costs time.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
  return !QMediaDevices::defaultAudioOutput().isNull();
}

bool SignalPlayer::playFile(const QString& name) {
  if (!hasAudioOutput()) return false;
  const QString path = folder_ + QLatin1Char('/') + name;
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  const QUrl url = QUrl::fromLocalFile(path);
  if (effect_->source() != url) effect_->setSource(url);
  if (effect_->status() == QSoundEffect::Error) return false;
  effect_->play();
  return true;
}

bool SignalPlayer::playTone(int frequency, int durationMs) {
  if (!hasAudioOutput()) return false;
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  QAudioFormat format;
  format.setSampleRate(kToneSampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return false;

  // A sine of the configured pitch, at most ten seconds long.
  const int samples = std::clamp(durationMs, 1, 10000) * kToneSampleRate / 1000;
  QByteArray pcm(static_cast<qsizetype>(samples) * 2, '\0');
  auto* out = reinterpret_cast<int16_t*>(pcm.data());
  const double step = 2.0 * std::numbers::pi * frequency / kToneSampleRate;
  for (int i = 0; i < samples; ++i) out[i] = static_cast<int16_t>(12000.0 * std::sin(step * i));

  if (toneSink_) toneSink_->stop();
  toneSink_ = std::make_unique<QAudioSink>(device, format);
  toneBuffer_ = std::make_unique<QBuffer>();
  toneBuffer_->setData(pcm);
  toneBuffer_->open(QIODevice::ReadOnly);
  toneSink_->start(toneBuffer_.get());
  return toneSink_->error() == QAudio::NoError;
}

}  // namespace kwarrel::ui
