#!/usr/bin/env python3
"""Writes the sample match reports shipped in ejemplos/.

The key moments of every match (goals, cards, substitutions, the lines that
only talk about a card) are written out by hand below; the quieter minutes
are filled from a table of stock phrases, the way the league's simulator
does it, with a fixed seed so that every run writes the same bytes.

Reports are Windows-1252 with CR LF line ends, like the simulator's own.

Usage: tools/make-samples.py [output-folder]     (default: ejemplos/)
"""

import os
import random
import sys

# Columns of a player row in the final line-ups (1-based, as the viewer
# counts them).  The minutes played start at column 51: the viewer reads
# that one character to tell a player who took part from an unused
# substitute, whose minutes read "0".
COLS = {"num": 1, "name": 4, "pos": 25, "edad": 31, "media": 36,
        "forma": 42, "tit": 48, "min": 51, "nota": 56, "gol": 63, "tarj": 68}
HEAD_COLS = {"Nº": 1, "Jugador": 4, "Pos": 25, "Edad": 30, "Media": 35,
             "Forma": 41, "Tit": 47, "Min": 51, "Nota": 56, "Gol": 62,
             "Tarj": 67}
RULE_WIDTHS = {"Nº": 2, "Jugador": 20, "Pos": 3, "Edad": 4, "Media": 5,
               "Forma": 5, "Tit": 3, "Min": 3, "Nota": 4, "Gol": 3, "Tarj": 4}


def put(fields):
    """Lays (column, text) pairs out on one line."""
    line = ""
    for col, text in sorted(fields):
        line = line.ljust(col - 1) + text
    return line.rstrip()


def short(name):
    """The name as the viewer lists it: first and second word only."""
    return " ".join(name.split()[:2])


class Team:
    def __init__(self, name, key, short, coach, system, players):
        self.name = name
        self.key = key
        self.short = short
        self.coach = coach
        self.system = system
        # (number, name, position, age, average); the first eleven start.
        self.players = players

    def names(self):
        return [p[1] for p in self.players]

    def position(self, player):
        for p in self.players:
            if p[1] == player:
                return p[2]
        raise KeyError(player)


# ---------------------------------------------------------------------------
# Stock phrases for the quiet minutes.  {a1} and {a2} are players of the side
# with the ball (midfielders and forwards), {d1} a defender of the other side,
# {gk} its goalkeeper, {eq} and {rival} the short names of both sides.
# None of them may hold a score, a card phrase or the words that announce a
# substitution: only the scripted lines below carry events.
FILLER = [
    ["{a1} toca en corto para {a2}.",
     "El {eq} mueve el balón con paciencia."],
    ["Saque de banda para el {eq} cerca del banderín de córner."],
    ["Centro de {a1} desde la derecha...",
     "...que despeja {d1} de cabeza."],
    ["{a1} lo intenta desde lejos, pero el balón se marcha muy alto."],
    ["Disparo raso de {a1} que atrapa sin problemas {gk}."],
    ["Falta de {d1} sobre {a1} en la medular. Nada más."],
    ["Fuera de juego de {a1}. El asistente levanta la bandera."],
    ["El {eq} tiene ahora el control y juega en campo contrario."],
    ["Pérdida de {a1} en la salida...",
     "...pero el {rival} no sabe aprovecharla."],
    ["Córner a favor del {eq}. Lo bota {a1}...",
     "...y despeja la zaga del {rival}."],
    ["Balón largo buscando a {a1}...",
     "...pero {d1} se anticipa con oficio."],
    ["Buena internada de {a1} por la izquierda...",
     "...pero su pase atrás no encuentra rematador."],
    ["Centro envenenado de {a1}...",
     "...y {gk} despeja de puños."],
    ["Presión alta del {eq}.",
     "{d1} tiene que despejar a la grada."],
    ["Juego trabado en el centro del campo, sin dueño claro del partido."],
    ["Se duele {d1} tras un choque con {a1}.",
     "Entran las asistencias, pero parece que podrá seguir."],
    ["Tiro libre lejano para el {eq}; {a1} lo cuelga al área",
     "y el balón se pierde por la línea de fondo."],
    ["Gran combinación de {a1} y {a2}...",
     "...al primer toque hasta la frontal, pero falta el último pase."],
    ["¡Uy! Cabezazo de {a1} que se marcha rozando el poste."],
    ["¡Qué parada de {gk}!",
     "Saca una mano prodigiosa a tiro de {a1}."],
    ["La afición anima sin descanso desde la grada."],
    ["Los jugadores del {eq} piden mano de {d1}.",
     "El colegiado no ve nada y el juego sigue."],
    ["{a1} conduce, regatea a {d1} y cae en el área...",
     "¡Nada! El árbitro le pide que se levante."],
    ["El {rival} se repliega y espera su oportunidad a la contra."],
    ["Contraataque del {eq} conducido por {a1}.",
     "{d1} lo corta con una entrada limpia y providencial."],
    ["¿Qué hace {a1}? Pierde un balón fácil.",
     "Su entrenador se desespera en la banda."],
    ["{a1} pide el balón al espacio...",
     "...pero el pase de {a2} es demasiado largo."],
    ["Balón al segundo palo para {a1}, que no llega por centímetros."],
    ["Mucha intensidad en estos minutos; nadie quiere ceder un palmo."],
    ["Rechace en la frontal que recoge {a1}; su volea se va desviada."],
    ["Saque de esquina en corto entre {a1} y {a2}.",
     "El centro final lo atrapa {gk} por alto."],
    ["Falta en la frontal a favor del {eq}.",
     "{a1} se perfila...",
     "...y su disparo se estrella en la barrera."],
    ["{a1} recibe entre líneas y levanta la cabeza...",
     "...pase filtrado para {a2}...",
     "...que se planta solo ante {gk}...",
     "¡Y la manda fuera! Increíble lo que ha fallado."],
    ["Jugada individual de {a1}, que deja atrás a {d1}.",
     "Su centro lo aleja {gk} con los puños."],
    ["El entrenador del {eq} da instrucciones a gritos."],
    ["Posesión larga del {eq}...",
     "...que busca sin prisa abrir la defensa del {rival}."],
    ["Mal control de {a1} y saque de puerta para el {rival}."],
    ["Remate de cabeza de {a1} tras un córner.",
     "{gk} bloca en dos tiempos."],
    ["¡Ocasión clarísima! {a1} remata a bocajarro...",
     "...y {gk} despeja como puede.",
     "El rechace lo manda {d1} a córner."],
    ["Autopase de {a1} por la banda, pero el balón se le va largo."],
    ["{d1} despeja de chilena en el área pequeña.",
     "¡Qué apuros del {rival}!"],
    ["Lanzamiento lejano de {a1} que bota delante de {gk}.",
     "El portero lo atrapa con seguridad."],
    ["El colegiado llama a {d1} y le advierte:",
     "la próxima no se la perdona."],
    ["{a2} abre a banda para {a1}.",
     "Se la devuelve de tacón, pero el balón se pierde."],
    ["El {eq} busca la espalda de {d1} una y otra vez."],
]


class Match:
    def __init__(self, filename, home, away, stadium, header, seed,
                 home_share, script, summary, closing):
        self.filename = filename
        self.home = home
        self.away = away
        self.stadium = stadium
        self.header = header
        self.seed = seed
        self.home_share = home_share
        self.script = script
        self.summary = summary
        self.closing = closing


# Script items, in match order:
#   ("txt", minute, lines)                      narration without an event
#   ("gol", minute, side, scorer, lines)        "{score}" becomes "H -- A"
#   ("ama", minute, side, player, lines)        yellow card
#   ("roj", minute, side, player, lines)        red card
#   ("cam", minute, side, out, in, lines)       substitution
#   ("descanso",) and ("final",)
# side is "L" (home) or "V" (away).


def build(match):
    rng = random.Random(match.seed)
    home, away = match.home, match.away
    on_pitch = {"L": list(home.names()[:11]), "V": list(away.names()[:11])}
    team = {"L": home, "V": away}
    played_from = {}
    played_to = {}
    for side in "LV":
        for n in on_pitch[side]:
            played_from[n] = 0
    goals = {}
    cards = {}
    events = {"goles": [], "tarjetas": [], "cambios": []}
    score = [0, 0]
    blocks = []      # list of line lists; "" separators are added later
    out_lines = []

    def minute_line(m, text):
        return "Min. %2d: %s" % (m, text)

    def block(m, lines):
        result = [minute_line(m, lines[0])]
        result += ["        " + t for t in lines[1:]]
        return result

    deck = []

    def filler(m):
        side = "L" if rng.random() < match.home_share else "V"
        other = "V" if side == "L" else "L"
        attackers = [n for n in on_pitch[side]
                     if team[side].position(n) in ("MED", "DEL")]
        defenders = [n for n in on_pitch[other]
                     if team[other].position(n) == "DEF"]
        keeper = [n for n in on_pitch[other]
                  if team[other].position(n) == "POR"][0]
        a1, a2 = rng.sample(attackers, 2)
        values = {"a1": a1, "a2": a2, "d1": rng.choice(defenders),
                  "gk": keeper, "eq": team[side].short,
                  "rival": team[other].short}
        if not deck:
            deck.extend(rng.sample(FILLER, len(FILLER)))
        template = deck.pop()
        return block(m, [t.format(**values) for t in template])

    scripted = {}
    for item in match.script:
        if item[0] not in ("descanso", "final"):
            scripted.setdefault(item[1], []).append(item)

    def run_item(item):
        kind, m = item[0], item[1]
        if kind == "txt":
            return block(m, item[2])
        side = item[2]
        if kind == "gol":
            scorer = item[3]
            score[0 if side == "L" else 1] += 1
            marker = "%d -- %d" % tuple(score)
            lines = [t.replace("{score}", marker) for t in item[4]]
            goals[scorer] = goals.get(scorer, 0) + 1
            events["goles"].append((side, "%s(Gol,%d)" % (short(scorer), m)))
            return block(m, lines)
        if kind == "ama":
            cards[item[3]] = cards.get(item[3], "") + "A"
            events["tarjetas"].append(
                (side, "%s(Amarilla,%d)" % (short(item[3]), m)))
            return block(m, item[4])
        if kind == "roj":
            cards[item[3]] = cards.get(item[3], "") + "R"
            events["tarjetas"].append(
                (side, "%s(Roja,%d)" % (short(item[3]), m)))
            on_pitch[side].remove(item[3])
            played_to[item[3]] = m
            return block(m, item[4])
        if kind == "cam":
            out, inn = item[3], item[4]
            on_pitch[side].remove(out)
            on_pitch[side].append(inn)
            played_to[out] = m
            played_from[inn] = m
            events["cambios"].append(
                (side, "%s<=>%s(%d)" % (short(out), short(inn), m)))
            return block(m, item[5])
        raise ValueError(kind)

    # The first half runs to 45, the second from 46; a minute with a scripted
    # moment gets no stock phrase.
    def play(first, last):
        for m in range(first, last + 1):
            if m in scripted:
                for item in scripted[m]:
                    blocks.append(run_item(item))
            elif first < m < last:
                if rng.random() < 0.82:
                    blocks.append(filler(m))
                    if rng.random() < 0.2:
                        blocks.append(filler(m))

    for line in match.header(home, away, match.stadium):
        out_lines.append(line)
    out_lines += ["", "=" * 30 + " Comentarios " + "=" * 30, ""]

    play(1, 45)
    for b in blocks:
        out_lines += b + [""]
    half = tuple(score)
    out_lines.append("Marcador al descanso: %s %d - %s %d"
                     % (home.name, half[0], away.name, half[1]))
    out_lines += ["", "-" * 28 + " Segunda parte " + "-" * 28, ""]
    blocks.clear()
    play(46, 90)
    for b in blocks:
        out_lines += b + [""]
    out_lines.append("Resultado final: %s %d - %s %d"
                     % (home.name, score[0], away.name, score[1]))
    out_lines.append("")

    # Closing section.
    ratings = {}
    rrng = random.Random(match.seed * 7 + 1)
    for t in (home, away):
        for n in t.names():
            if n in played_from:
                r = rrng.choice([5.5, 6.0, 6.0, 6.5, 6.5, 6.5, 7.0, 7.0, 7.5])
                r += goals.get(n, 0) * 1.0
                if "R" in cards.get(n, ""):
                    r -= 1.5
                ratings[n] = min(r, 9.5)

    out_lines.append("=" * 23 + " Alineaciones finales " + "=" * 23)
    for side, t in (("L", home), ("V", away)):
        out_lines.append("   %s (%s) - Sistema: %s"
                         % (t.name, t.key, t.system))
        out_lines.append(put((c, h) for h, c in HEAD_COLS.items()))
        out_lines.append(put((c, "-" * RULE_WIDTHS[h])
                             for h, c in HEAD_COLS.items()))
        for i, (num, name, pos, edad, media) in enumerate(t.players):
            starter = i < 11
            if name in played_from:
                mins = played_to.get(name, 90) - played_from[name]
                nota = "%.1f" % ratings[name]
            else:
                mins, nota = 0, "-"
            c = cards.get(name, "")
            tarj = {"": "-", "A": "A", "AA": "AA", "R": "R", "AAR": "AA/R",
                    "AR": "A/R"}[c]
            forma = rrng.choice(["+2", "+1", "+1", " 0", " 0", "-1"])
            out_lines.append(put([
                (COLS["num"], "%02d" % num), (COLS["name"], name),
                (COLS["pos"], pos), (COLS["edad"], "%2d" % edad),
                (COLS["media"], "%2d" % media), (COLS["forma"], forma),
                (COLS["tit"], "S" if starter else "N"),
                (COLS["min"], str(mins)), (COLS["nota"], nota),
                (COLS["gol"], str(goals[name]) if name in goals else "-"),
                (COLS["tarj"], tarj)]))
        out_lines.append("")

    best = max(ratings, key=lambda n: (ratings[n], n in home.names()))
    best_team = home if best in home.names() else away
    out_lines.append("=" * 24 + " Resumen del partido " + "=" * 24)
    out_lines += summary_lines(match, score, cards)
    out_lines.append("Mejor jugador: %s (%s) - Nota %.1f"
                     % (best, best_team.short, ratings[best]))
    out_lines.append("")
    out_lines.append("-" * 17 + " Datos económicos y de simulación "
                     + "-" * 17)
    out_lines += match.closing
    out_lines.append("Entrenador local: %s" % home.coach)
    out_lines.append("Entrenador visitante: %s" % away.coach)
    return out_lines, events, score, half


def summary_lines(match, score, cards):
    s = match.summary
    home, away = match.home, match.away

    def count(team, letter):
        return sum(cards.get(n, "").count(letter) for n in team.names())

    rows = [
        ("Goles", score[0], score[1]),
        ("Posesión", "%d%%" % s["posesion"], "%d%%" % (100 - s["posesion"])),
        ("Tiros totales",) + s["tiros"],
        ("Tiros a puerta",) + s["puerta"],
        ("Paradas del portero", s["puerta"][1] - score[1],
         s["puerta"][0] - score[0]),
        ("Córners",) + s["corners"],
        ("Faltas cometidas",) + s["faltas"],
        ("Fueras de juego",) + s["fueras"],
        ("Tarjetas amarillas", count(home, "A"), count(away, "A")),
        ("Tarjetas rojas", count(home, "R"), count(away, "R")),
    ]
    lines = [" " * 26 + home.short.center(18) + away.short.center(18)]
    for label, h, a in rows:
        lines.append(label.ljust(26) + str(h).center(18) + str(a).center(18))
    return [line.rstrip() for line in lines]


# ---------------------------------------------------------------------------
# Match 1: Real Club Puerto Alcázar - Unión Deportiva Vallehondo, 2-1.

RCPA = Team("Real Club Puerto Alcázar", "RCPA", "Puerto Alcázar",
            "Anselmo Garrido", "4-4-2", [
                (1, "Iván Carrasco", "POR", 29, 74),
                (2, "Óscar Villalba", "DEF", 26, 70),
                (4, "Sergio Montalvo", "DEF", 31, 72),
                (5, "Andrés Quintana", "DEF", 24, 69),
                (3, "Borja Lezcano", "DEF", 27, 71),
                (6, "Rubén Castro", "MED", 30, 75),
                (8, "Pablo Arriaga", "MED", 22, 68),
                (7, "Nicolás Ferrán", "MED", 25, 71),
                (10, "Diego Salvatierra", "MED", 28, 79),
                (11, "Toño Ibáñez", "DEL", 23, 73),
                (9, "Álvaro Cepeda", "DEL", 32, 76),
                (13, "Javier Tello", "POR", 34, 66),
                (14, "Martín Sorní", "DEF", 20, 62),
                (15, "Hugo Lamas", "DEL", 21, 67),
                (16, "Raúl Benítez", "MED", 27, 69),
                (17, "Ismael Gaitán", "DEL", 19, 61),
            ])

UDVH = Team("Unión Deportiva Vallehondo", "UDVH", "Vallehondo",
            "Fermín Sastre", "4-4-2", [
                (1, "Gonzalo Otero", "POR", 27, 72),
                (2, "Marcos Bermúdez", "DEF", 25, 68),
                (4, "Luis Miguel Pardo", "DEF", 30, 71),
                (5, "Jacinto Arévalo", "DEF", 28, 69),
                (3, "Enrique Soria", "DEF", 23, 66),
                (6, "Tomás Iriarte", "MED", 29, 70),
                (8, "Adrián Escobedo", "MED", 26, 71),
                (10, "Íñigo Zubiaurre", "MED", 24, 77),
                (7, "Samuel Cantero", "MED", 22, 67),
                (11, "Joaquín Ledesma", "DEL", 27, 74),
                (9, "Fidel Arroyo", "DEL", 31, 72),
                (13, "Ramiro Salgado", "POR", 33, 64),
                (14, "Ulises Moreno", "DEF", 21, 63),
                (15, "Germán Vidal", "MED", 24, 66),
                (16, "Cristian Robles", "DEL", 20, 65),
                (17, "Mateo Urrutia", "DEL", 26, 67),
            ])


def header_1(home, away, stadium):
    return [
        "LIGA PENINSULAR DE FÚTBOL - PRIMERA DIVISIÓN",
        "Temporada 2024/2025 - Jornada 14",
        "Informe oficial del encuentro",
        "Fecha: domingo, 17 de noviembre de 2024 - 17:00 h",
        "%s (%s) vs. %s (%s) en %s" % (home.name, home.key, away.name,
                                       away.key, stadium),
        "Árbitro: Tomás Urquiza Bellido (Comité Atlántico)",
        "Asistentes: Ramón Ferrer Gil y Aurelio Castaño Pinto",
        "Clima: soleado, 19 ºC, viento flojo de poniente",
        "Estado del césped: excelente",
        "Asistencia: 23.418 espectadores (aforo: 28.000)",
        "Clasificación previa: Puerto Alcázar 5º (24 ptos.) - "
        "Vallehondo 9º (19 ptos.)",
        "¿Sabía que...? El Puerto Alcázar no pierde en casa desde hace "
        "ocho jornadas.",
    ]


SCRIPT_1 = [
    ("txt", 1, ["¡Comienza el partido en el Estadio del Malecón!",
                "Mueve el balón el Puerto Alcázar, que ataca hacia el faro."]),
    ("txt", 9, ["¡Primera ocasión! Álvaro Cepeda se queda solo ante "
                "Gonzalo Otero...",
                "...pero el portero del Vallehondo le gana el mano a mano."]),
    ("txt", 17, ["Plancha de Jacinto Arévalo sobre Toño Ibáñez en la banda.",
                 "Eso debió ser amarilla."]),
    ("gol", 23, "L", "Diego Salvatierra", [
        "Rubén Castro roba en la medular y abre para Toño Ibáñez.",
        "Toño Ibáñez centra con rosca al corazón del área...",
        "...y Diego Salvatierra llega desde atrás para rematar de primeras.",
        "¡¡¡GOOOOOL!!! ¡Gol del Puerto Alcázar! Marcador: {score}"]),
    ("txt", 27, ["El Vallehondo acusa el golpe y no logra salir de su campo."]),
    ("ama", 31, "V", "Adrián Escobedo", [
        "Adrián Escobedo derriba por detrás a Nicolás Ferrán en la contra.",
        "Adrián Escobedo es amonestado por cortar la jugada."]),
    ("ama", 38, "L", "Borja Lezcano", [
        "Entrada tardía de Borja Lezcano. El árbitro le muestra la amarilla."]),
    ("txt", 44, ["Zancadilla de Marcos Bermúdez a Álvaro Cepeda.",
                 "Eso será amarilla mínimo...pero el árbitro dice que siga "
                 "el juego."]),
    ("txt", 45, ["El cuarto árbitro muestra el tiempo añadido: dos minutos."]),
    ("txt", 45, ["¡Final de la primera parte! Se retiran los jugadores "
                 "entre aplausos."]),
    ("descanso",),
    ("txt", 46, ["Arranca la segunda parte. Ahora mueve el Vallehondo."]),
    ("txt", 52, ["¡Fidel Arroyo marca de cabeza!",
                 "...pero el asistente había levantado la bandera.",
                 "Fuera de juego: gol anulado. Respira el Malecón."]),
    ("gol", 58, "V", "Joaquín Ledesma", [
        "Íñigo Zubiaurre filtra un pase magnífico entre los centrales...",
        "¡GOL de Joaquín Ledesma! Bate a Iván Carrasco por bajo. "
        "Marcador: {score}"]),
    ("cam", 60, "V", "Samuel Cantero", "Germán Vidal", [
        "Cambio en el Vallehondo: Samuel Cantero sale por Germán Vidal."]),
    ("ama", 63, "V", "Luis Miguel Pardo", [
        "Luis Miguel Pardo protesta airadamente y se gana la tarjeta."]),
    ("cam", 66, "L", "Álvaro Cepeda", "Hugo Lamas", [
        "Primer cambio local: Álvaro Cepeda sale por Hugo Lamas.",
        "Ovación para el veterano delantero del Puerto Alcázar."]),
    ("cam", 70, "V", "Fidel Arroyo", "Cristian Robles", [
        "Movimiento en el banquillo visitante.",
        "Fidel Arroyo sale por Cristian Robles."]),
    ("txt", 72, ["Disparo de Hugo Lamas que sale por encima del larguero."]),
    ("cam", 74, "L", "Pablo Arriaga", "Raúl Benítez", [
        "El Puerto Alcázar refresca el centro del campo:",
        "Pablo Arriaga sale por Raúl Benítez."]),
    ("ama", 77, "L", "Sergio Montalvo", [
        "Sergio Montalvo corta con la mano un contragolpe visitante.",
        "¿Será amonestado por ello? SI. Tarjeta para el central."]),
    ("cam", 80, "V", "Tomás Iriarte", "Mateo Urrutia", [
        "Último cambio del Vallehondo, que va a por la victoria:",
        "Tomás Iriarte sale por Mateo Urrutia."]),
    ("gol", 84, "L", "Hugo Lamas", [
        "Córner botado por Raúl Benítez desde la derecha...",
        "¡¡¡GOOOL de Hugo Lamas!!! Puerto Alcázar {score} Vallehondo"]),
    ("ama", 86, "V", "Cristian Robles", [
        "Tangana en el área tras una falta sobre Gonzalo Otero.",
        "El colegiado muestra otra tarjeta; esta vez a Cristian Robles."]),
    ("cam", 88, "L", "Toño Ibáñez", "Ismael Gaitán", [
        "Cambio para perder tiempo: Toño Ibáñez sale por Ismael Gaitán."]),
    ("txt", 90, ["Se añaden tres minutos. El Vallehondo lo cuelga todo al área."]),
    ("txt", 90, ["¡Última ocasión! Mateo Urrutia remata...",
                 "...e Iván Carrasco la saca bajo palos."]),
    ("txt", 90, ["¡Final del partido! El Puerto Alcázar sigue invicto "
                 "en su estadio."]),
    ("final",),
]

MATCH_1 = Match(
    "puerto_alcazar-vallehondo.txt", RCPA, UDVH,
    "Estadio del Malecón (Puerto Alcázar)", header_1, 1411, 0.56, SCRIPT_1,
    {"posesion": 56, "tiros": (14, 9), "puerta": (6, 4), "corners": (7, 4),
     "faltas": (12, 15), "fueras": (2, 3)},
    [
        "Bonus Local: +3 (factor campo y apoyo de la afición)",
        "Bonus Visitante: -1 (desplazamiento de 412 km)",
        "Taquilla: 287.540 € (precio medio de la entrada: 12,28 €)",
        "Derechos de televisión: 150.000 € por club",
        "Moral tras el partido: Puerto Alcázar Alta - Vallehondo Normal",
        "Lesiones: ninguna",
        "Sanciones: ninguna",
        "Próxima jornada: Torrealba - Puerto Alcázar",
    ])


# ---------------------------------------------------------------------------
# Match 2: Atlético Santa Olaya - Club Deportivo Torrealba, 1-3.

ASOL = Team("Atlético Santa Olaya", "ASOL", "Santa Olaya",
            "Baltasar Ordóñez", "4-3-3", [
                (1, "Emilio Zapata", "POR", 31, 71),
                (2, "Alberto Cuesta", "DEF", 27, 68),
                (5, "Rodrigo Pizarro", "DEF", 29, 70),
                (4, "Mario Quesada", "DEF", 33, 69),
                (3, "Víctor Alcalde", "DEF", 24, 67),
                (6, "Francisco Olmedo", "MED", 26, 70),
                (8, "Jaime Recuero", "MED", 30, 69),
                (10, "Lucas Valbuena", "MED", 23, 74),
                (7, "Ángel Maturana", "DEL", 25, 71),
                (11, "Bruno Carvajal", "DEL", 28, 73),
                (9, "Esteban Rivas", "DEL", 30, 70),
                (13, "Felipe Aranda", "POR", 22, 60),
                (14, "Joel Santamaría", "DEF", 26, 65),
                (15, "Daniel Espinar", "MED", 21, 64),
                (16, "Marcelo Ortuño", "DEL", 24, 66),
                (17, "Pedro Carmona", "MED", 29, 63),
            ])

CDTA = Team("Club Deportivo Torrealba", "CDTA", "Torrealba",
            "Remedios Albarracín", "4-2-3-1", [
                (1, "Santiago Llorente", "POR", 28, 76),
                (2, "Rafael Echevarría", "DEF", 30, 72),
                (4, "Matías Guerrero", "DEF", 26, 73),
                (5, "Aitor Landa", "DEF", 29, 72),
                (3, "Cosme Villar", "DEF", 24, 69),
                (6, "Gabriel Montero", "MED", 31, 71),
                (8, "Eloy Carrascal", "MED", 25, 72),
                (10, "Manuel Abascal", "MED", 27, 81),
                (7, "Dionisio Rey", "MED", 23, 73),
                (11, "Simón Arteaga", "DEL", 26, 74),
                (9, "Teodoro Luján", "DEL", 32, 75),
                (13, "Ezequiel Nieto", "POR", 35, 65),
                (14, "Leandro Sáez", "DEF", 22, 64),
                (15, "Alonso Prieto", "MED", 24, 68),
                (16, "Benito Garcés", "DEL", 20, 69),
                (17, "Hernán Cabello", "DEL", 27, 68),
            ])


def header_2(home, away, stadium):
    return [
        "LIGA PENINSULAR DE FÚTBOL - PRIMERA DIVISIÓN",
        "Temporada 2024/2025 - Jornada 14",
        "Informe oficial del encuentro",
        "Fecha: sábado, 16 de noviembre de 2024 - 20:30 h",
        "%s (%s) vs. %s (%s) en %s" % (home.name, home.key, away.name,
                                       away.key, stadium),
        "Árbitro: Leopoldo Rentería Sanz (Comité del Norte)",
        "Asistentes: Eusebio Lago Marín y Celia Montes Ruano",
        "Cuarto árbitro: Florián Becerra Díaz",
        "Clima: lluvia intermitente, 11 ºC",
        "Estado del césped: pesado, con charcos en la banda izquierda",
        "Asistencia: 9.870 espectadores (aforo: 15.500)",
        "Clasificación previa: Santa Olaya 16º (12 ptos.) - "
        "Torrealba 2º (29 ptos.)",
        "¡Duelo de contrastes! El colista en casa ante el segundo clasificado.",
    ]


SCRIPT_2 = [
    ("txt", 1, ["Echa a rodar el balón en el Estadio Nuevo Sol.",
                "El césped está muy pesado por la lluvia."]),
    ("gol", 12, "V", "Manuel Abascal", [
        "Falta directa al borde del área para el Torrealba.",
        "Manuel Abascal la coloca por encima de la barrera...",
        "¡GOLAZO! ¡Imposible para Emilio Zapata! Marcador: {score}"]),
    ("ama", 21, "L", "Rodrigo Pizarro", [
        "Rodrigo Pizarro llega tarde y arrolla a Simón Arteaga.",
        "Tarjeta amarilla."]),
    ("ama", 29, "V", "Aitor Landa", [
        "Aitor Landa frena a Bruno Carvajal con un empujón.",
        "El árbitro vuelve a llevarse la mano al bolsillo: "
        "tarjeta para Aitor Landa."]),
    ("ama", 35, "L", "Mario Quesada", [
        "Plancha salvaje de Mario Quesada sobre Dionisio Rey.",
        "Mario Quesada se lleva una amarilla. Debió ser roja por esa entrada."]),
    ("txt", 40, ["Codazo de Gabriel Montero a Lucas Valbuena en un salto.",
                 "El colegiado no acierta en esa jugada. Era amarilla clara."]),
    ("txt", 45, ["¡Descanso en el Nuevo Sol! El Torrealba gana con un "
                 "golazo de falta."]),
    ("descanso",),
    ("txt", 46, ["Comienza la segunda parte. Sin cambios en ninguno de "
                 "los dos equipos."]),
    ("gol", 52, "L", "Bruno Carvajal", [
        "¡Remate de Lucas Valbuena que rechaza Santiago Llorente!",
        "Bruno Carvajal empuja a la red el balón suelto. Marcador: {score}",
        "¡Empata el Santa Olaya! La grada se viene arriba."]),
    ("cam", 58, "L", "Jaime Recuero", "Daniel Espinar", [
        "Jaime Recuero sale por Daniel Espinar en el Santa Olaya."]),
    ("cam", 64, "V", "Gabriel Montero", "Alonso Prieto", [
        "Cambio en el Torrealba: Gabriel Montero sale por Alonso Prieto."]),
    ("ama", 67, "L", "Rodrigo Pizarro", [
        "Rodrigo Pizarro derriba a Simón Arteaga cuando se marchaba solo.",
        "Rodrigo Pizarro es amonestado por segunda vez en el partido..."]),
    ("roj", 67, "L", "Rodrigo Pizarro", [
        "¡¡¡Tarjeta...ROJA!!!! El Santa Olaya se queda con diez."]),
    ("cam", 70, "L", "Ángel Maturana", "Joel Santamaría", [
        "Baltasar Ordóñez recompone la defensa:",
        "Ángel Maturana sale por Joel Santamaría."]),
    ("gol", 72, "V", "Manuel Abascal", [
        "¡GOL! Manuel Abascal firma su doblete con un disparo cruzado.",
        "Marcador: {score}. La superioridad numérica ya se nota."]),
    ("cam", 75, "V", "Teodoro Luján", "Benito Garcés", [
        "Teodoro Luján sale por Benito Garcés entre los aplausos de "
        "su afición."]),
    ("cam", 78, "L", "Esteban Rivas", "Marcelo Ortuño", [
        "Último cambio local: Esteban Rivas sale por Marcelo Ortuño."]),
    ("txt", 80, ["Codazo de Matías Guerrero a Marcelo Ortuño en un salto.",
                 "Eso es roja clarísima, pero el árbitro dice que siga el "
                 "juego."]),
    ("cam", 83, "V", "Simón Arteaga", "Hernán Cabello", [
        "Simón Arteaga, agotado, sale por Hernán Cabello."]),
    ("ama", 85, "V", "Benito Garcés", [
        "Benito Garcés y Joel Santamaría chocan al disputar un balón aéreo.",
        "¡Cartulina a Benito Garcés! ¿Tarjeta? Eso sólo lo ha visto "
        "el árbitro."]),
    ("gol", 88, "V", "Benito Garcés", [
        "Contragolpe del Torrealba con Hernán Cabello por la derecha...",
        "...que cede a Benito Garcés, solo ante Emilio Zapata.",
        "¡Y GOL! Define con sangre fría. Marcador: {score}"]),
    ("txt", 90, ["¡Final! El Torrealba asalta el Nuevo Sol y sigue segundo."]),
    ("final",),
]

MATCH_2 = Match(
    "santa_olaya-torrealba.txt", ASOL, CDTA,
    "Estadio Nuevo Sol (Santa Olaya)", header_2, 2207, 0.45, SCRIPT_2,
    {"posesion": 45, "tiros": (8, 15), "puerta": (3, 8), "corners": (3, 6),
     "faltas": (17, 11), "fueras": (1, 4)},
    [
        "Bonus Local: +1 (césped pesado, afición desanimada)",
        "Bonus Visitante: +2 (racha de cuatro victorias)",
        "Taquilla: 98.700 € (precio medio de la entrada: 10,00 €)",
        "Derechos de televisión: 150.000 € por club",
        "Moral tras el partido: Santa Olaya Baja - Torrealba Muy alta",
        "Lesiones: ninguna",
        "Sanciones: Rodrigo Pizarro, 1 partido (doble amonestación)",
        "Próxima jornada: Arenales - Santa Olaya",
    ])


# ---------------------------------------------------------------------------
# Match 3: Racing Club Arenales - Deportivo Peñascal, 3-2.

RCAR = Team("Racing Club Arenales", "RCAR", "Arenales",
            "Doroteo Camacho", "4-4-2", [
                (1, "Nacho Berrocal", "POR", 26, 73),
                (2, "Fabián Soler", "DEF", 28, 69),
                (4, "Jorge Valdivia", "DEF", 30, 71),
                (5, "Ricardo Mondéjar", "DEF", 27, 72),
                (3, "Julián Páez", "DEF", 25, 68),
                (6, "Cristóbal Nieva", "MED", 29, 72),
                (8, "Guillermo Ansótegui", "MED", 24, 73),
                (10, "Sebastián Roldán", "MED", 27, 78),
                (7, "Eugenio Campos", "MED", 31, 70),
                (11, "Lorenzo Bravo", "DEL", 26, 75),
                (9, "Amadeo Fuster", "DEL", 29, 74),
                (13, "Iker Sagasta", "POR", 30, 66),
                (14, "Rafa Villena", "DEF", 23, 65),
                (15, "Maximiliano Rueda", "MED", 21, 67),
                (16, "Saúl Olivares", "DEL", 22, 69),
                (17, "Teo Barragán", "MED", 28, 64),
            ])

DPEN = Team("Deportivo Peñascal", "DPEN", "Peñascal",
            "Gerardo Villaplana", "5-3-2", [
                (1, "Agustín Mena", "POR", 32, 72),
                (2, "Horacio Landete", "DEF", 27, 68),
                (4, "Jonás Etxeberria", "DEF", 30, 71),
                (5, "Celestino Bueno", "DEF", 26, 69),
                (3, "Vicente Arnedo", "DEF", 24, 67),
                (6, "Patricio Salas", "MED", 29, 70),
                (8, "Leonel Cifuentes", "MED", 25, 71),
                (10, "Ernesto Valcárcel", "MED", 28, 77),
                (7, "Roque Miralles", "MED", 31, 69),
                (11, "Quique Santana", "DEL", 23, 74),
                (9, "Benjamín Ayala", "DEL", 27, 73),
                (13, "Lisandro Cobo", "POR", 21, 61),
                (14, "Nazario Pons", "DEF", 29, 66),
                (15, "Efrén Tovar", "MED", 22, 65),
                (16, "Octavio Lara", "DEL", 25, 67),
                (17, "Valentín Ocaña", "MED", 20, 62),
            ])


def header_3(home, away, stadium):
    return [
        "LIGA PENINSULAR DE FÚTBOL - PRIMERA DIVISIÓN",
        "Temporada 2024/2025 - Jornada 14",
        "Informe oficial del encuentro",
        "Fecha: domingo, 17 de noviembre de 2024 - 12:00 h",
        "%s (%s) vs. %s (%s) en %s" % (home.name, home.key, away.name,
                                       away.key, stadium),
        "Árbitro: Anacleto Gómez Ribas (Comité de Levante)",
        "Asistentes: Dámaso Ortiz Vela y Paula Serrano Quirós",
        "Clima: nublado, 16 ºC, brisa marina",
        "Estado del césped: bueno",
        "Asistencia: 14.205 espectadores (aforo: 16.000)",
        "Clasificación previa: Arenales 11º (17 ptos.) - "
        "Peñascal 10º (18 ptos.)",
        "¡Derbi de la costa! Los dos equipos están separados por un punto.",
    ]


SCRIPT_3 = [
    ("txt", 1, ["¡Arranca el derbi en La Caracola!",
                "Ambiente espectacular con la grada llena de banderas."]),
    ("gol", 8, "L", "Lorenzo Bravo", [
        "¡GOOOL! Lorenzo Bravo cabecea a la red. Arenales {score} Peñascal"]),
    ("ama", 15, "V", "Celestino Bueno", [
        "Celestino Bueno agarra de la camiseta a Amadeo Fuster.",
        "Celestino Bueno es amonestado. Primera tarjeta del derbi."]),
    ("ama", 22, "L", "Jorge Valdivia", [
        "¡Penalti a favor del Peñascal! Jorge Valdivia derriba a "
        "Benjamín Ayala.",
        "Jorge Valdivia es amonestado por la acción."]),
    ("gol", 22, "V", "Ernesto Valcárcel", [
        "Ernesto Valcárcel coge el balón y lo coloca en el punto...",
        "Engaña a Nacho Berrocal. ¡GOL! Arenales {score} Peñascal"]),
    ("txt", 33, ["Entrada por detrás de Patricio Salas sobre "
                 "Sebastián Roldán.",
                 "Todos han visto amarilla; menos él. Se guarda la amarilla."]),
    ("ama", 38, "L", "Cristóbal Nieva", [
        "Cristóbal Nieva ve la amarilla por protestar un fuera de juego."]),
    ("txt", 45, ["Se llega al descanso con empate en un derbi muy disputado."]),
    ("descanso",),
    ("txt", 46, ["¡Empieza la segunda parte! El Peñascal saca de centro."]),
    ("gol", 49, "L", "Sebastián Roldán", [
        "Jugada de tiralíneas del Arenales: Amadeo Fuster la deja de tacón.",
        "Sebastián Roldán la clava en la escuadra desde la frontal.",
        "¡¡¡GOOOL!!! Marcador: {score}"]),
    ("gol", 57, "V", "Quique Santana", [
        "¡Empata el Peñascal! Quique Santana se anticipa a Ricardo Mondéjar.",
        "Marcador: {score}. Todo por decidir en La Caracola."]),
    ("cam", 60, "V", "Roque Miralles", "Efrén Tovar", [
        "Roque Miralles sale por Efrén Tovar en el Peñascal."]),
    ("cam", 62, "L", "Eugenio Campos", "Maximiliano Rueda", [
        "Cambio en el Arenales: Eugenio Campos sale por Maximiliano Rueda."]),
    ("ama", 65, "V", "Leonel Cifuentes", [
        "Leonel Cifuentes tarda una eternidad en sacar de banda",
        "y se gana la tarjeta por perder tiempo."]),
    ("cam", 70, "L", "Amadeo Fuster", "Saúl Olivares", [
        "Doroteo Camacho mueve el banquillo: Amadeo Fuster sale por "
        "Saúl Olivares."]),
    ("roj", 71, "V", "Jonás Etxeberria", [
        "Entrada criminal de Jonás Etxeberria sobre Lorenzo Bravo.",
        "Sin dudarlo: Jonás Etxeberria es expulsado con roja directa."]),
    ("txt", 72, ["Lorenzo Bravo es atendido en el césped; se reanuda el juego."]),
    ("cam", 73, "V", "Quique Santana", "Nazario Pons", [
        "El Peñascal, con diez, se cierra atrás:",
        "Quique Santana sale por Nazario Pons."]),
    ("cam", 76, "L", "Fabián Soler", "Rafa Villena", [
        "Fabián Soler, con molestias, sale por Rafa Villena."]),
    ("cam", 80, "V", "Benjamín Ayala", "Octavio Lara", [
        "Benjamín Ayala sale por Octavio Lara para buscar la contra."]),
    ("txt", 82, ["Octavio Lara se deja caer en el área buscando el penalti.",
                 "¿Será amonestado por ello? NO. El colegiado solo le "
                 "reprende."]),
    ("gol", 87, "L", "Saúl Olivares", [
        "¡¡¡GOOOOL DEL ARENALES!!! Saúl Olivares, de volea.",
        "Arenales {score} Peñascal. ¡La Caracola es una fiesta!"]),
    ("ama", 89, "L", "Saúl Olivares", [
        "Saúl Olivares es amonestado por quitarse la camiseta "
        "en la celebración."]),
    ("txt", 90, ["Cuatro minutos de añadido.",
                 "El Peñascal, con diez, lo intenta a la desesperada."]),
    ("txt", 90, ["¡Pitido final! El derbi es para el Racing Club Arenales."]),
    ("final",),
]

MATCH_3 = Match(
    "arenales-penascal.txt", RCAR, DPEN,
    "Estadio La Caracola (Arenales de Mar)", header_3, 3019, 0.53, SCRIPT_3,
    {"posesion": 53, "tiros": (16, 10), "puerta": (7, 5), "corners": (8, 3),
     "faltas": (10, 16), "fueras": (3, 2)},
    [
        "Bonus Local: +4 (derbi, estadio lleno)",
        "Bonus Visitante: +1 (derbi)",
        "Taquilla: 213.075 € (precio medio de la entrada: 15,00 €)",
        "Derechos de televisión: 180.000 € por club (partido destacado)",
        "Moral tras el partido: Arenales Muy alta - Peñascal Baja",
        "Lesiones: Lorenzo Bravo (Arenales), contusión, 1 semana",
        "Sanciones: Jonás Etxeberria, 2 partidos (roja directa)",
        "Próxima jornada: Vallehondo - Peñascal",
    ])

MATCHES = [MATCH_1, MATCH_2, MATCH_3]


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root,
                                                               "ejemplos")
    os.makedirs(target, exist_ok=True)
    for match in MATCHES:
        lines, events, score, half = build(match)
        path = os.path.join(target, match.filename)
        with open(path, "w", encoding="cp1252", newline="") as f:
            f.write("".join(line + "\r\n" for line in lines))
        print("%s: %s %d - %d %s (descanso %d - %d)"
              % (match.filename, match.home.key, score[0], score[1],
                 match.away.key, half[0], half[1]))
        for kind in ("goles", "tarjetas", "cambios"):
            for side, entry in events[kind]:
                print("  %-8s %s %s" % (kind, side, entry))


if __name__ == "__main__":
    main()
