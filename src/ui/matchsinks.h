#pragma once

#include "sound/announcer.h"

#include <QString>

#include <memory>

class QObject;

// Where a replay's cues, notifications and reading aloud go: the system's
// sound, notification service and speech in the program, recording ones in
// tests. None of them waits, and each does nothing where the system lacks it.
class SoundSink
{
public:
    virtual ~SoundSink() = default;
    virtual void play(Cue cue) = 0;
};

class NoticeSink
{
public:
    virtual ~NoticeSink() = default;
    virtual void notify(const Notice &notice) = 0;
};

class SpeechSink
{
public:
    virtual ~SpeechSink() = default;
    // Empty when text can be read aloud; otherwise why not, for the user.
    virtual QString unavailable() = 0;
    // Cuts short what is being read and reads text (nothing when empty).
    virtual void say(const QString &text) = 0;
    // Read once what is being read, and what was queued before, ends.
    virtual void queue(const QString &text) = 0;
};

struct MatchSinks
{
    std::unique_ptr<SoundSink> sound;
    std::unique_ptr<NoticeSink> notice;
    std::unique_ptr<SpeechSink> speech;
};

// The system's own, each loaded only when first used.
MatchSinks systemSinks();
