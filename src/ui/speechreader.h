#pragma once

#include "matchsinks.h"

#include <QStringList>

class QTextToSpeech;

// Reading aloud in Spanish through Qt's text-to-speech, the engine loaded at
// the first line read.
class SpeechReader : public SpeechSink
{
public:
    SpeechReader();
    ~SpeechReader() override;
    QString unavailable() override;
    void say(const QString &text) override;
    void queue(const QString &text) override;

private:
    QTextToSpeech *engine();
    void next();

    QTextToSpeech *m_engine = nullptr;
    bool m_tried = false;
    QStringList m_queue;
};
