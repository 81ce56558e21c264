#include "reportgenerator.h"

#include <QStringEncoder>

#include <algorithm>
#include <utility>

namespace {

const QString Indent = QStringLiteral("        ");

// Quiet-minute phrases. %1 and %2 are players of the side with the ball, %3 a
// defender of the other side, %4 its goalkeeper, %5 and %6 the short names of
// both sides. None holds a score, a card phrase, "Min" or the words of a
// substitution: only the event blocks carry events.
const char16_t *const Filler[][4] = {
    {u"%1 toca en corto para %2.", u"El %5 mueve el balón con paciencia."},
    {u"Saque de banda para el %5 cerca del banderín de córner."},
    {u"Centro de %1 desde la derecha...", u"...que despeja %3 de cabeza."},
    {u"%1 lo intenta desde lejos, pero el balón se marcha muy alto."},
    {u"Disparo raso de %1 que atrapa sin problemas %4."},
    {u"Falta de %3 sobre %1 en la medular. Nada más."},
    {u"Fuera de juego de %1. El asistente levanta la bandera."},
    {u"El %5 tiene ahora el control y juega en campo contrario."},
    {u"Pérdida de %1 en la salida...", u"...pero el %6 no sabe aprovecharla."},
    {u"Córner a favor del %5. Lo bota %1...", u"...y despeja la zaga del %6."},
    {u"Balón largo buscando a %1...", u"...pero %3 se anticipa con oficio."},
    {u"Buena internada de %1 por la izquierda...", u"...pero su pase atrás no encuentra rematador."},
    {u"Presión alta del %5.", u"%3 tiene que despejar a la grada."},
    {u"Juego trabado en el centro del campo, sin dueño claro del partido."},
    {u"Se duele %3 tras un choque con %1.", u"Entran las asistencias, pero parece que podrá seguir."},
    {u"Gran combinación de %1 y %2...", u"...al primer toque hasta la frontal, pero falta el último pase."},
    {u"¡Uy! Cabezazo de %1 que se marcha rozando el poste."},
    {u"¡Qué parada de %4!", u"Saca una mano prodigiosa a tiro de %1."},
    {u"La afición anima sin descanso desde la grada."},
    {u"Los jugadores del %5 piden mano de %3.", u"El colegiado no ve nada y el juego sigue."},
    {u"%1 conduce, regatea a %3 y cae en el área...", u"¡Nada! El árbitro le pide que se levante."},
    {u"El %6 se repliega y espera su oportunidad a la contra."},
    {u"¿Qué hace %1? Pierde un balón fácil.", u"Su entrenador se desespera en la banda."},
    {u"Falta en la frontal a favor del %5.", u"%1 se perfila...", u"...y su disparo se estrella en la barrera."},
    {u"%1 recibe entre líneas y levanta la cabeza...", u"...pase filtrado para %2...",
     u"...que se planta solo ante %4...", u"¡Y la manda fuera! Increíble lo que ha fallado."},
    {u"Posesión larga del %5...", u"...que busca sin prisa abrir la defensa del %6."},
    {u"¡Ocasión clarísima! %1 remata a bocajarro...", u"...y %4 despeja como puede.",
     u"El rechace lo manda %3 a córner."},
    {u"Lanzamiento lejano de %1 que bota delante de %4.", u"El portero lo atrapa con seguridad."},
};

QString put(const QList<std::pair<int, QString>> &fields)
{
    QString line;
    for (const auto &[column, text] : fields)
        line = line.leftJustified(column - 1, u' ') + text;
    return line;
}

} // namespace

ReportGenerator::ReportGenerator(quint32 seed)
    : m_random(seed)
{
    const auto team = [](const char16_t *name, const char16_t *shortName, const char16_t *key,
                         const char16_t *system, std::initializer_list<std::pair<const char16_t *, const char16_t *>> players) {
        Team t{QString::fromUtf16(name), QString::fromUtf16(shortName), QString::fromUtf16(key),
               QString::fromUtf16(system), {}, {}};
        for (const auto &[player, position] : players)
            t.players.append({QString::fromUtf16(player), QString::fromUtf16(position)});
        for (int i = 0; i < 11; ++i)
            t.onPitch.append(i);
        return t;
    };
    // 21 home and 20 away players: with the section's headings and empty lines
    // they fill rows 0 to 50, the most the line-up capture keeps.
    m_teams[0] = team(u"Racing Club Arenales", u"Arenales", u"RCAR", u"4-4-2",
                      {{u"Nacho Berrocal", u"POR"}, {u"Fabián Soler", u"DEF"}, {u"Jorge Valdivia", u"DEF"},
                       {u"Ricardo Mondéjar", u"DEF"}, {u"Julián Páez", u"DEF"}, {u"Cristóbal Nieva", u"MED"},
                       {u"Guillermo Ansótegui", u"MED"}, {u"Sebastián Roldán", u"MED"}, {u"Eugenio Campos", u"MED"},
                       {u"Lorenzo Bravo", u"DEL"}, {u"Amadeo Fuster", u"DEL"}, {u"Iker Sagasta", u"POR"},
                       {u"Rafa Villena", u"DEF"}, {u"Maximiliano Rueda", u"MED"}, {u"Saúl Olivares", u"DEL"},
                       {u"Teo Barragán", u"MED"}, {u"Ginés Aldana", u"DEF"}, {u"Mauro Cifré", u"MED"},
                       {u"Dámaso Ortiz", u"DEL"}, {u"Pelayo Sotillo", u"DEF"}, {u"Íñigo Berrueta", u"MED"}});
    m_teams[1] = team(u"Deportivo Peñascal", u"Peñascal", u"DPEN", u"5-3-2",
                      {{u"Agustín Mena", u"POR"}, {u"Horacio Landete", u"DEF"}, {u"Jonás Etxeberria", u"DEF"},
                       {u"Celestino Bueno", u"DEF"}, {u"Vicente Arnedo", u"DEF"}, {u"Patricio Salas", u"MED"},
                       {u"Leonel Cifuentes", u"MED"}, {u"Ernesto Valcárcel", u"MED"}, {u"Roque Miralles", u"MED"},
                       {u"Quique Santana", u"DEL"}, {u"Benjamín Ayala", u"DEL"}, {u"Lisandro Cobo", u"POR"},
                       {u"Nazario Pons", u"DEF"}, {u"Efrén Tovar", u"MED"}, {u"Octavio Lara", u"DEL"},
                       {u"Valentín Ocaña", u"MED"}, {u"Eloy Carbajo", u"DEF"}, {u"Fidel Arrieta", u"MED"},
                       {u"Baltasar Nogués", u"DEL"}, {u"Ulises Bermejo", u"DEF"}});
}

int ReportGenerator::chance(int perMille)
{
    return int(m_random() % 1000) < perMille;
}

QString ReportGenerator::pick(const Team &team, const QStringList &positions)
{
    QList<int> candidates;
    for (int i : team.onPitch) {
        if (positions.contains(team.players.at(i).position))
            candidates.append(i);
    }
    if (candidates.isEmpty())
        candidates = team.onPitch;
    return team.players.at(candidates.at(int(m_random() % candidates.size()))).name;
}

QStringList ReportGenerator::header(int lines) const
{
    const Team &home = m_teams[0];
    const Team &away = m_teams[1];
    QStringList result = {
        QStringLiteral("LIGA PENINSULAR DE FÚTBOL - PRIMERA DIVISIÓN"),
        QStringLiteral("Temporada 2024/2025 - Jornada 14"),
        QStringLiteral("Informe oficial del encuentro"),
        QStringLiteral("Fecha: domingo, 17 de noviembre de 2024 - 12:00 h"),
        QStringLiteral("%1 (%2) vs. %3 (%4) en Estadio La Caracola (Arenales de Mar)")
            .arg(home.name, home.key, away.name, away.key),
        QStringLiteral("Árbitro: Anacleto Gómez Ribas (Comité de Levante)"),
        QStringLiteral("Asistentes: Dámaso Ortiz Vela y Paula Serrano Quirós"),
        QStringLiteral("Clima: nublado, 16 ºC, brisa marina"),
        QStringLiteral("Estado del césped: bueno"),
        QStringLiteral("Asistencia: 14.205 espectadores (aforo: 16.000)"),
        QStringLiteral("Clasificación previa: Arenales 11º (17 ptos.) - Peñascal 10º (18 ptos.)"),
        QStringLiteral("¡Derbi de la costa! Los dos equipos están separados por un punto."),
    };
    // Longer headers are padded with press notes; the marker and the empty
    // lines around it close the header.
    for (int note = 1; result.size() < lines - 3; ++note)
        result.append(QStringLiteral("Nota de prensa %1: la directiva agradece el apoyo de la afición.").arg(note));
    result << QString() << QStringLiteral("============================== Comentarios ==============================")
           << QString();
    return result;
}

QStringList ReportGenerator::filler(int minute, int side)
{
    const Team &team = m_teams[side];
    const Team &rival = m_teams[1 - side];
    if (m_deck.isEmpty()) {
        for (int i = 0; i < int(std::size(Filler)); ++i)
            m_deck.append(i);
        std::shuffle(m_deck.begin(), m_deck.end(), m_random);
    }
    const auto &phrases = Filler[m_deck.takeLast()];
    const QString a1 = pick(team, {QStringLiteral("MED"), QStringLiteral("DEL")});
    QString a2 = a1;
    for (int tries = 0; a2 == a1 && tries < 10; ++tries)
        a2 = pick(team, {QStringLiteral("MED"), QStringLiteral("DEL")});
    const QString d1 = pick(rival, {QStringLiteral("DEF")});
    const QString gk = pick(rival, {QStringLiteral("POR")});
    QStringList lines;
    for (const char16_t *phrase : phrases) {
        if (!phrase)
            break;
        QString text = QString::fromUtf16(phrase);
        text.replace(QLatin1String("%1"), a1).replace(QLatin1String("%2"), a2).replace(QLatin1String("%3"), d1).replace(QLatin1String("%4"), gk);
        text.replace(QLatin1String("%5"), team.shortName).replace(QLatin1String("%6"), rival.shortName);
        lines.append(text);
    }
    Q_UNUSED(minute);
    return lines;
}

QStringList ReportGenerator::block(int minute)
{
    const int side = chance(550) ? 0 : 1;
    Team &team = m_teams[side];
    const Team &rival = m_teams[1 - side];
    QStringList lines;
    // Event rates per block, so that a match of about 250 blocks has a few
    // goals, five or six bookings, a sending-off now and then and the
    // substitutions.
    if (chance(14)) {
        const QString scorer = pick(team, {QStringLiteral("MED"), QStringLiteral("DEL")});
        ++m_score[side];
        side == 0 ? ++m_events.homeGoals : ++m_events.awayGoals;
        lines << QStringLiteral("%1 recibe en la frontal y dispara...").arg(scorer)
              << QStringLiteral("¡GOOOL! %1 %2 -- %3 %4").arg(m_teams[0].shortName).arg(m_score[0]).arg(m_score[1]).arg(m_teams[1].shortName);
    } else if (chance(22)) {
        const QString player = pick(team, {QStringLiteral("DEF"), QStringLiteral("MED")});
        ++m_events.yellowCards;
        lines << QStringLiteral("Entrada a destiempo de %1 sobre %2.").arg(player, pick(rival, {QStringLiteral("DEL")}))
              << QStringLiteral("%1 es amonestado por la acción.").arg(player);
    } else if (chance(4)) {
        const QString player = pick(team, {QStringLiteral("DEF")});
        ++m_events.redCards;
        lines << QStringLiteral("Entrada criminal de %1 por detrás.").arg(player)
              << QStringLiteral("Sin dudarlo: %1 es expulsado con roja directa.").arg(player);
    } else if (chance(24)) {
        // Any player off the pitch may come on, so long narrations never run
        // out of substitutes.
        QList<int> bench;
        for (int i = 0; i < team.players.size(); ++i) {
            if (!team.onPitch.contains(i))
                bench.append(i);
        }
        const qsizetype out = m_random() % team.onPitch.size();
        const int in = bench.at(int(m_random() % bench.size()));
        ++m_events.substitutions;
        lines << QStringLiteral("Cambio en el %1: %2 sale por %3.")
                     .arg(team.shortName, team.players.at(team.onPitch.at(out)).name, team.players.at(in).name);
        team.onPitch[out] = in;
    } else {
        lines = filler(minute, side);
    }
    QStringList result;
    result << QStringLiteral("Min. %1: ").arg(minute, 2) + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        result << Indent + lines.at(i);
    return result;
}

QStringList ReportGenerator::closing() const
{
    QStringList result;
    result << QStringLiteral("======================= Alineaciones finales =======================");
    for (const Team &team : m_teams) {
        result << QStringLiteral("   %1 (%2) - Sistema: %3").arg(team.name, team.key, team.system);
        result << put({{1, QStringLiteral("Nº")}, {4, QStringLiteral("Jugador")}, {25, QStringLiteral("Pos")},
                       {30, QStringLiteral("Edad")}, {35, QStringLiteral("Media")}, {41, QStringLiteral("Forma")},
                       {47, QStringLiteral("Tit")}, {51, QStringLiteral("Min")}, {56, QStringLiteral("Nota")},
                       {62, QStringLiteral("Gol")}, {67, QStringLiteral("Tarj")}});
        result << put({{1, QStringLiteral("--")}, {4, QString(20, u'-')}, {25, QStringLiteral("---")},
                       {30, QStringLiteral("----")}, {35, QStringLiteral("-----")}, {41, QStringLiteral("-----")},
                       {47, QStringLiteral("---")}, {51, QStringLiteral("---")}, {56, QStringLiteral("----")},
                       {62, QStringLiteral("---")}, {67, QStringLiteral("----")}});
        for (int i = 0; i < team.players.size(); ++i) {
            const Player &p = team.players.at(i);
            const bool starter = i < 11;
            result << put({{1, QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'))}, {4, p.name},
                           {25, p.position}, {31, QString::number(20 + (i * 7) % 15)},
                           {36, QString::number(60 + (i * 11) % 20)}, {42, i % 3 ? QStringLiteral("+1") : QStringLiteral(" 0")},
                           {48, starter ? QStringLiteral("S") : QStringLiteral("N")},
                           {51, starter ? QStringLiteral("90") : QStringLiteral("0")},
                           {56, starter ? QStringLiteral("6.5") : QStringLiteral("-")}, {63, QStringLiteral("-")},
                           {68, QStringLiteral("-")}});
        }
        result << QString();
    }
    result << QStringLiteral("======================== Resumen del partido ========================");
    result << QStringLiteral("                               Arenales          Peñascal");
    result << QStringLiteral("Goles                             %1                 %2").arg(m_score[0]).arg(m_score[1]);
    result << QStringLiteral("Posesión                         53%               47%");
    result << QStringLiteral("Tiros totales                     16                10");
    result << QStringLiteral("Tiros a puerta                    7                 5");
    result << QStringLiteral("Córners                           8                 3");
    result << QStringLiteral("Faltas cometidas                  10                16");
    result << QStringLiteral("Tarjetas amarillas                %1                 -").arg(m_events.yellowCards);
    result << QStringLiteral("Tarjetas rojas                    %1                 -").arg(m_events.redCards);
    result << QStringLiteral("Mejor jugador: Ernesto Valcárcel (Peñascal) - Nota 8.0");
    result << QString();
    result << QStringLiteral("----------------- Datos económicos y de simulación -----------------");
    result << QStringLiteral("Bonus Local: +4 (derbi, estadio lleno)");
    result << QStringLiteral("Bonus Visitante: +1 (derbi)");
    result << QStringLiteral("Taquilla: 213.075 € (precio medio de la entrada: 15,00 €)");
    result << QStringLiteral("Entrenador local: Doroteo Camacho");
    result << QStringLiteral("Entrenador visitante: Gerardo Villaplana");
    return result;
}

QByteArray ReportGenerator::generate(const Options &options)
{
    m_events = {};
    m_score[0] = m_score[1] = 0;

    QStringList lines = header(options.headerLines);
    const auto bytesOf = [](const QStringList &part) {
        qsizetype n = 0;
        for (const QString &line : part)
            n += line.size() + 2;
        return n;
    };
    // Characters stand for bytes: every one of them is a single byte in
    // Windows-1252. The closing section's size hardly depends on the score.
    const qsizetype fixedBytes = bytesOf(lines) + bytesOf(closing()) + 200;
    const qsizetype narrationBudget = std::max<qsizetype>(options.targetBytes - fixedBytes, 1000);

    qsizetype narrationBytes = 0;
    int narrationLines = 0;
    bool halfTime = false;
    const auto progress = [&] {
        return options.targetBytes > 0 ? double(narrationBytes) / double(narrationBudget)
                                       : double(narrationLines) / double(options.narrationLines);
    };
    while (progress() < 1.0) {
        const double p = progress();
        if (!halfTime && p >= 0.5) {
            halfTime = true;
            const QStringList half = {
                QStringLiteral("Marcador al descanso: %1 %2 - %3 %4").arg(m_teams[0].name).arg(m_score[0]).arg(m_teams[1].name).arg(m_score[1]),
                QString(),
                QStringLiteral("---------------------------- Segunda parte ----------------------------"),
                QString(),
            };
            lines << half;
            narrationBytes += bytesOf(half);
            narrationLines += int(half.size());
            continue;
        }
        const int minute = p < 0.5 ? 1 + int(p * 2 * 44) : 46 + int((p - 0.5) * 2 * 44);
        QStringList b = block(std::min(minute, 90));
        b << QString();
        narrationBytes += bytesOf(b);
        narrationLines += int(b.size());
        lines << b;
    }
    lines << QStringLiteral("Resultado final: %1 %2 - %3 %4").arg(m_teams[0].name).arg(m_score[0]).arg(m_teams[1].name).arg(m_score[1]);
    ++narrationLines;
    lines << QString();
    lines << closing();
    m_events.narrationLines = narrationLines;
    m_events.totalLines = int(lines.size());

    QStringEncoder toWindows1252("windows-1252");
    return toWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}
