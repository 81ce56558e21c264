#pragma once

#include "matchsinks.h"

#include <QHash>

class QSoundEffect;

// The stadium's sounds through Qt Multimedia. Nothing is loaded before the
// first cue, and where the system has no sound output nothing is loaded at all.
class SoundEffects : public SoundSink
{
public:
    SoundEffects();
    ~SoundEffects() override;
    void play(Cue cue) override;

private:
    std::optional<bool> m_output;
    QHash<Cue, QSoundEffect *> m_effects;
};
