#include "speechreader.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {

// As many lines as a round's results: more waiting is never read in time.
constexpr qsizetype MaxQueued = 64;

} // namespace

SpeechReader::SpeechReader() = default;

SpeechReader::~SpeechReader()
{
    delete m_engine;
}

QString SpeechReader::unavailable()
{
    if (QTextToSpeech::availableEngines().isEmpty())
        // flite's voices speak English only: the one to name reads Spanish.
        return QStringLiteral("No hay ningún motor de voz instalado (paquetes qt6-speech-speechd-plugin y "
                              "speech-dispatcher).");
    // A plugin without its service fails at once: the entry would read nothing.
    if (!engine())
        return QStringLiteral("El servicio de voz no responde (paquete speech-dispatcher).");
    return {};
}

QTextToSpeech *SpeechReader::engine()
{
    if (m_tried)
        return m_engine;
    m_tried = true;
    if (QTextToSpeech::availableEngines().isEmpty())
        return nullptr;
    m_engine = new QTextToSpeech;
    if (m_engine->state() == QTextToSpeech::Error) {
        delete m_engine;
        m_engine = nullptr;
        return nullptr;
    }
    // Spanish, Spain's first where the engine has several.
    const QList<QLocale> locales = m_engine->availableLocales();
    for (const QLocale &locale : locales) {
        if (locale.language() == QLocale::Spanish
            && (locale.territory() == QLocale::Spain || m_engine->locale().language() != QLocale::Spanish))
            m_engine->setLocale(locale);
    }
    QObject::connect(m_engine, &QTextToSpeech::stateChanged, m_engine, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Ready)
            next();
    });
    return m_engine;
}

void SpeechReader::say(const QString &text)
{
    m_queue.clear();
    if (!m_engine && text.isEmpty())
        return;
    QTextToSpeech *speech = engine();
    if (!speech)
        return;
    speech->stop();
    if (!text.isEmpty())
        speech->say(text);
}

void SpeechReader::queue(const QString &text)
{
    QTextToSpeech *speech = engine();
    if (!speech || m_queue.size() >= MaxQueued)
        return;
    m_queue.append(text);
    if (speech->state() == QTextToSpeech::Ready)
        next();
}

void SpeechReader::next()
{
    if (!m_queue.isEmpty())
        m_engine->say(m_queue.takeFirst());
}
