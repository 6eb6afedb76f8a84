// The clock's signals: a sound file of the program folder, else a tone of the
// configured pitch and length, else the system beep. Nothing here waits for the
// sound to end, and a machine without a sound device just gets the beep.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "game/settings.h"

class QAudioSink;
class QBuffer;
class QSoundEffect;

namespace kwarrel::ui {

class SignalPlayer : public QObject {
  Q_OBJECT

 public:
  // `folder` holds "asterisk.wav" and "asterisk2.wav", when present.
  explicit SignalPlayer(QString folder, QObject* parent = nullptr);
  ~SignalPlayer() override;

  // One signal; `second` for the second kind (last seconds of the clock).
  void playSignal(bool second, const kwarrel::Settings& settings);

  // How the last signal was given, for the tests: "asterisk2.wav", "asterisk.wav",
  // "toon" or "piep".
  const QString& lastSignal() const { return lastSignal_; }

 private:
  bool hasAudioOutput() const;
  bool playFile(const QString& name);
  bool playTone(int frequency, int durationMs);

  QString folder_;
  QString lastSignal_;
  std::unique_ptr<QSoundEffect> effect_;
  std::unique_ptr<QBuffer> toneBuffer_;
  std::unique_ptr<QAudioSink> toneSink_;
};

}  // namespace kwarrel::ui
