// The clock's signals: a sound file of the program folder, else a tone of the
// configured pitch and length, else the system beep. Nothing here waits for the
// sound to end, and a machine without a sound device just gets the beep.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "game/settings.h"

class QAudioSink;
class QBuffer;
class QSoundEffect;

namespace kwarrel::ui {

// What a signal tries, in order: the sound files that exist in `folder` (the
// second kind first tries "asterisk2.wav"), "toon" when length and pitch are set,
// and "piep", the system beep, always last.
QStringList signalSources(bool second, const QString& folder, const kwarrel::Settings& settings);

class SignalPlayer : public QObject {
  Q_OBJECT

 public:
  // `folder` holds "asterisk.wav" and "asterisk2.wav", when present.
  explicit SignalPlayer(QString folder, QObject* parent = nullptr);
  ~SignalPlayer() override;

  // One signal; `second` for the second kind (last seconds of the clock).
  void playSignal(bool second, const kwarrel::Settings& settings);

  // How the last signal was given: one of the sources above.
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
