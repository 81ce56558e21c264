#include "soundeffects.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>

namespace {

// Qt plays sound through a PulseAudio server (PipeWire's included). Without
// one it warns at the first question and may try to start one: where no
// server is named and none listens in the user's runtime folder, there is
// no sound to ask about.
bool soundServer()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

QString fileOf(Cue cue)
{
    switch (cue) {
    case Cue::KickOff:
        return QStringLiteral("silbato");
    case Cue::HalfTime:
        return QStringLiteral("descanso");
    case Cue::FullTime:
        return QStringLiteral("final");
    case Cue::Goal:
        return QStringLiteral("gol");
    case Cue::GoalAgainst:
        return QStringLiteral("gol_contra");
    case Cue::RedCard:
        return QStringLiteral("roja");
    case Cue::GoalElsewhere:
        return QStringLiteral("gol_otro_campo");
    }
    return {};
}

} // namespace

SoundEffects::SoundEffects() = default;

SoundEffects::~SoundEffects()
{
    qDeleteAll(m_effects);
}

void SoundEffects::play(Cue cue)
{
    // Asked once: a machine without a sound device stays silent, and without
    // a word, rather than have every cue fail.
    if (!m_output)
        m_output = soundServer() && !QMediaDevices::audioOutputs().isEmpty();
    if (!*m_output)
        return;
    QSoundEffect *&effect = m_effects[cue];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/") + fileOf(cue) + QStringLiteral(".wav")));
    }
    // A cue still sounding starts again rather than overlap itself.
    effect->stop();
    effect->play();
}
