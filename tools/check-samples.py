#!/usr/bin/env python3
"""Checks match reports the way Tezmaro reads them and lists what a replay
should show: score, goals, cards and substitutions, per side.

Usage: tools/check-samples.py [report ...]      (default: ejemplos/*.txt)

Exit status 1 when any report has an error; warnings do not fail.
"""

import glob
import os
import re
import struct
import sys

HALF_TIME = "Marcador al descanso:"
FULL_TIME = "Resultado final:"

YELLOW_CONFIRM = [
    " amarilla.", " amarilla ", "es amonestado", "se gana la tarjeta",
    "Será amonestado por ello? SI", "muestra otra tarjeta; esta vez a",
    "vuelve a llevarse la mano al bolsillo",
    "¿Tarjeta? Eso sólo lo ha visto el árbitro.",
]
YELLOW_CANCEL = [
    "¡Se juega la amarilla!", "Eso debió ser amarilla",
    "Esa patada merecía amarilla", "será amarilla mínimo...pero",
    "Esa acción merecía amarilla; pero", "Todos han visto amarilla; menos él",
    "pero el árbitro dice que siga el juego",
    "no acierta en esa jugada. Era amarilla",
]
RED_CONFIRM = [" roja ", "...ROJA!!!!", " expulsado ", "se va a la puta calle"]
RED_CANCEL = [
    "se lleva una amarilla. Debió ser roja",
    "pero el árbitro dice que siga el juego",
    "El banquillo parece una saco de ratas de mal asiento",
]
SUBSTITUTION = " SALE POR "

# Characters every sample should carry, so that a reader that gets the
# encoding wrong shows it at once.
SPANISH = "áéíóúñ¿¡"

STATS_HEADINGS = {1: " " * 19 + "Alineaciones finales",
                  2: " " * 19 + "Alineaciones finales",
                  3: " " * 21 + "Resumen del partido"}

NARRATION_WIDTH = 85
CLOSING_WIDTH = 72


def contains_phrase(line, phrases):
    upper = line.upper()
    return any(p.upper() in upper for p in phrases)


class Report:
    def __init__(self, path):
        self.path = path
        self.errors = []
        self.warnings = []
        self.lines = []

    def error(self, text):
        self.errors.append(text)

    def warn(self, text):
        self.warnings.append(text)

    # -- file level ----------------------------------------------------------

    def read(self):
        with open(self.path, "rb") as f:
            data = f.read()
        if not data.endswith(b"\r\n"):
            self.error("the last line does not end with CR LF")
        raw = data.split(b"\r\n")
        if raw and raw[-1] == b"":
            raw.pop()
        for number, chunk in enumerate(raw, 1):
            if b"\r" in chunk or b"\n" in chunk:
                self.error("line %d: a lone CR or LF inside the line" % number)
            try:
                self.lines.append(chunk.decode("cp1252"))
            except UnicodeDecodeError as e:
                self.error("line %d: not Windows-1252 (%s)" % (number, e))
                self.lines.append(chunk.decode("cp1252", "replace"))
        text = "\n".join(self.lines)
        missing = [c for c in SPANISH if c not in text]
        if missing:
            self.warn("no %s anywhere in the report" % " ".join(missing))

    # -- header and teams line -----------------------------------------------

    def check_header(self):
        lines = self.lines
        marker = next((i for i, l in enumerate(lines) if "Comentarios" in l),
                      None)
        if marker is None:
            self.error('no line contains "Comentarios"')
            marker = len(lines)
        self.header_lines = marker
        teams = [i for i in range(marker) if "vs." in lines[i]]
        if len(teams) != 1:
            self.error('%d header lines contain "vs." (want exactly one)'
                       % len(teams))
        self.teams = None
        if teams:
            self.teams = self.cut_teams(lines[teams[0]])
        first_min = next((i for i, l in enumerate(lines) if "Min" in l), None)
        if first_min is None:
            self.error('no line contains "Min"')
            return
        if first_min < marker:
            self.error('line %d contains "Min" before the "Comentarios" line'
                       % (first_min + 1))
        for i in range(first_min):
            if HALF_TIME in lines[i] or FULL_TIME in lines[i]:
                self.error("line %d: half-time or full-time phrase before "
                           "the first minute line" % (i + 1))

    def cut_teams(self, line):
        po, pc = line.find("("), line.find(")")
        pv, pe = line.find("vs."), line.find(") en ")
        if po < 1 or pc < po or pv < 0:
            self.error("teams line cannot be cut: %s" % line)
            return None
        away_part = line[pv + 4:]
        qo = away_part.find("(")
        if qo < 1:
            self.error("away part of the teams line cannot be cut")
            return None
        rest = line[pc + 1:]
        home = line[:po - 1]
        away = away_part[:qo - 1]
        stadium = line[pe + 5:pe + 5 + len(line) - (pv + 1) - 5] \
            if pe >= 0 else ""
        home_key = line[po + 1:pc]
        away_key = rest[rest.find("(") + 1:rest.find(")")]
        for key in (home_key, away_key):
            self.check_crest(key)
        return home, home_key, away, away_key, stadium

    def check_crest(self, key):
        folder = os.path.join(os.path.dirname(os.path.dirname(
            os.path.abspath(self.path))), "escudos")
        path = os.path.join(folder, key + ".gif")
        if not os.path.exists(path):
            self.warn("no crest %s" % os.path.relpath(path))
            return
        with open(path, "rb") as f:
            head = f.read(10)
        if head[:6] not in (b"GIF87a", b"GIF89a"):
            self.error("%s is not a GIF" % path)
            return
        size = struct.unpack("<HH", head[6:10])
        if size != (121, 143):
            self.error("%s is %dx%d, want 121x143" % ((path,) + size))

    # -- closing section, as captured when a match is opened -----------------

    def capture_lineups(self):
        rows, start, end, capturing = [], 0, 0, False
        for line in self.lines:
            if capturing or "Alineaciones finales" in line:
                capturing = True
                if len(rows) > 50:
                    self.error("closing section longer than 51 rows before "
                               "the summary heading")
                    break
                rows.append(line[3:])
                if line == "" and start == 0:
                    start = len(rows) - 1
                if "Resumen del par" in line:
                    end = len(rows) - 2
                    break
        self.rows, self.S, self.F = rows, start, end
        if not rows:
            self.error('no "Alineaciones finales" line')
            return
        if start == 0:
            self.error("no empty line in the closing section (S = 0)")
        if end == 0:
            self.error('no "Resumen del par" line after the line-ups (F = 0)')
            return
        if rows[end] != "":
            self.warn("the line before the summary heading is not empty")
        for i in list(range(1, 4)) + list(range(start + 1, start + 4)):
            if rows[i].strip() == "":
                self.error("closing row %d should be a heading line" % i)
        self.home_rows = list(range(4, start))
        self.away_rows = list(range(start + 4, end))
        for side, block in (("home", self.home_rows),
                            ("away", self.away_rows)):
            if len(block) < 11:
                self.error("%s line-up has %d players" % (side, len(block)))
        names = {}
        self.unused = set()
        for i in self.home_rows + self.away_rows:
            name = self.extraer_nombre(i)
            if " " not in name:
                self.warn("row %d: player name %r has one word" % (i, name))
            if not name:
                self.error("row %d: no name can be cut" % i)
                continue
            if name in names:
                self.error("rows %d and %d: same name %r"
                           % (names[name], i, name))
            names[name] = i
            row = self.rows[i]
            if len(row) < 48 or not row[47].isdigit():
                self.error("row %d: column 51 is %r, want the minutes played"
                           % (i, row[47:48]))
            elif row[47] == "0":
                self.unused.add(name)
        for a in names:
            for b in names:
                if a != b and a in b:
                    self.error("name %r is part of name %r" % (a, b))
        self.names = names

    def extraer_nombre(self, i):
        if i < 0 or i > 50 or i >= len(self.rows):
            return ""
        row = self.rows[i]
        b = row.find(" ") + 1
        if b == 0:
            return ""
        first = row[:b - 1]
        if b >= 20:
            return first
        window = row[b:20]
        c = window.find(" ") + 1
        if c == 0:
            return first
        second = window[:c - 1]
        return first + " " + second if second else first

    # -- playback ------------------------------------------------------------

    def play(self):
        lines = self.lines
        self.recent = [""] * 6
        self.minute = 0
        self.home = self.away = 0
        self.marc, self.marc2 = "1 --", "0 --"
        self.lists = {1: [], 2: [], 3: [], 4: []}
        self.half_time = self.full_time = None
        self.minute_lines = self.continuation_lines = 0
        label = ""
        narrating = False
        last_minute = 0
        mentioned = set()
        for i, line in enumerate(lines):
            where = "line %d" % (i + 1)
            if label != "" or "Min" in line:
                narrating = True
                label = line[8:] if len(line) > 8 else ""
                if line and line[0] != " ":
                    if not self.check_minute_line(line, where):
                        continue
                    if self.minute < last_minute:
                        self.error("%s: minute %d after minute %d"
                                   % (where, self.minute, last_minute))
                    last_minute = self.minute
                    self.minute_lines += 1
                elif line:
                    if not line.startswith(" " * 8) or line[8:9] in ("", " "):
                        self.error("%s: continuation line not indented by "
                                   "exactly 8 blanks" % where)
                    self.continuation_lines += 1
                if 0 < len(line) <= 8:
                    self.warn("%s: short line ends the block" % where)
                if len(line) > NARRATION_WIDTH:
                    self.warn("%s: %d characters" % (where, len(line)))
                for name in self.names:
                    if name in line:
                        mentioned.add(name)
                self.recent[2:6] = self.recent[1:5]
                self.recent[1] = line
                self.buscar_gol(line, i)
                self.buscar_tarjeta(line, i, YELLOW_CONFIRM, YELLOW_CANCEL,
                                    "Amarilla")
                self.buscar_tarjeta(line, i, RED_CONFIRM, RED_CANCEL, "Roja")
                self.buscar_cambio(line, i)
            else:
                if HALF_TIME in line:
                    self.half_time = (i, self.home, self.away)
                    label = line
                    self.check_score_line(line, where)
                if FULL_TIME in line:
                    self.full_time = (i, self.home, self.away)
                    self.check_score_line(line, where)
                    break
                if narrating and line and HALF_TIME not in line:
                    self.notes.append("%s: skipped, never shown: %s"
                                      % (where, line))
        if self.half_time is None:
            self.error("no half-time line was reached")
        if self.full_time is None:
            self.error("no full-time line was reached")
        for name in sorted(mentioned & self.unused):
            self.warn("%s is named in the narration but never played" % name)
        if not 80 <= self.minute_lines <= 150:
            self.warn("%d minute lines" % self.minute_lines)

    def check_minute_line(self, line, where):
        colon = line.find(":")
        if "Min" not in line or colon < 6 \
                or not line[5:colon].strip().isdigit():
            self.error("%s: no minute between column 6 and the first "
                       "colon: %s" % (where, line))
            return False
        self.minute = int(line[5:colon])
        if not re.match(r"Min.. ?\d\d?: \S", line) or colon != 7:
            self.warn("%s: not laid out as 'Min. 12: text'" % where)
        if self.minute > 90:
            self.warn("%s: minute %d" % (where, self.minute))
        return True

    def check_score_line(self, line, where):
        found = re.search(r"(\d+)\D+(\d+)\s*$", line)
        want = (self.home, self.away)
        if not found or (int(found.group(1)), int(found.group(2))) != want:
            self.error("%s: score line does not read %d - %d"
                       % ((where,) + want))

    def buscar_gol(self, line, index):
        if self.marc in line:
            scorer = self.anotar_goleador(4, self.S - 1)
            self.home += 1
            self.marc = "%d --" % (self.home + 1)
            self.marc2 = "%d --" % self.home
            self.goal(3, scorer, index)
        elif self.marc2 in line:
            scorer = self.anotar_goleador(self.S + 4, self.F - 1)
            self.away += 1
            self.goal(4, scorer, index)

    def goal(self, list_number, scorer, index):
        if scorer is None:
            self.error("line %d: goal without a scorer found" % (index + 1))
            return
        self.lists[list_number].append(("%s(Gol,%d)" % (scorer, self.minute),
                                        index))

    def anotar_goleador(self, first, last):
        for k in range(1, 6):
            for i in range(first, last + 1):
                if i < 0 or i > 50 or i >= len(self.rows):
                    return None
                entry = self.rows[i]
                p = entry.find(" ") + 1
                if p == 0 or p > 20:
                    return None
                window = entry[p:20]
                q = window.find(" ")
                if q < 0:
                    return None
                second = window[:q]
                name = entry[:p - 1] + (" " + second if second else "")
                played = len(entry) < 48 or entry[47] != "0"
                if name and name in self.recent[k] and played:
                    return name
        return None

    def player_rows(self):
        return self.home_rows + self.away_rows

    def buscar_tarjeta(self, line, index, confirm, cancel, kind):
        if not contains_phrase(line, confirm) or contains_phrase(line, cancel):
            if contains_phrase(line, confirm):
                self.notes.append("line %d: card talk, no %s: %s"
                                  % (index + 1, kind.lower(), line.strip()))
            return
        for k in range(1, 6):
            for i in self.player_rows():
                name = self.extraer_nombre(i)
                if name and name in self.recent[k]:
                    side = 2 if i > self.S else 1
                    self.lists[side].append(
                        ("%s(%s,%d)" % (name, kind, self.minute), index))
                    return
        self.error("line %d: %s card without a player" % (index + 1, kind))

    def buscar_cambio(self, line, index):
        if SUBSTITUTION not in line.upper():
            return
        kept = None
        for i in self.player_rows():
            name = self.extraer_nombre(i)
            if not name:
                continue
            pos = self.recent[1].find(name)
            if pos < 0:
                continue
            if kept is None:
                kept = (name, pos)
                continue
            pair = (name, kept[0]) if kept[1] > pos else (kept[0], name)
            side = 2 if i > self.S else 1
            self.lists[side].append(("%s<=>%s(%d)" % (pair + (self.minute,)),
                                     index))
            return
        self.notes.append("line %d: substitution phrase with fewer than two "
                          "players: %s" % (index + 1, line.strip()))

    # -- statistics window ---------------------------------------------------

    def statistics_pages(self):
        pages = {p: [""] * 21 for p in range(1, 5)}
        counters = {1: 0, 2: 1, 3: 0, 4: 0}
        overflow = set()

        def store(p, text):
            if counters[p] > 20:
                overflow.add(p)
            else:
                pages[p][counters[p]] = text
            if p in STATS_HEADINGS:
                pages[p][0] = STATS_HEADINGS[p]
            counters[p] += 1

        lines, i = self.lines, 0
        paso, paso2 = 1, 0
        while i < len(lines):
            text = lines[i]
            i += 1
            if not (paso2 == 1 or "Alineaciones finales" in text):
                continue
            paso2 = 1
            if len(text) > CLOSING_WIDTH:
                self.warn("closing line %d: %d characters"
                          % (i, len(text)))
            if paso == 1:
                if text:
                    store(1, text)
                else:
                    if i >= len(lines):
                        self.error("the file ends inside the line-ups")
                        break
                    text, i, paso = lines[i], i + 1, 2
            if paso == 2:
                if text:
                    store(2, text)
                else:
                    if i >= len(lines):
                        self.error("the file ends inside the line-ups")
                        break
                    text, i, paso = lines[i], i + 1, 3
            if paso == 3 or "Resumen del par" in text:
                if text:
                    store(3, text)
                    paso = 3
                else:
                    paso = 4
            if paso == 4 or "Bonus Local:" in text:
                store(4, text)
        for p in sorted(overflow):
            self.error("statistics page %d has %d rows, more than 21"
                       % (p, counters[p]))
        if not any("Bonus Local:" in row for row in pages[4]):
            self.error('statistics page 4 holds no "Bonus Local:" line')
        self.page_rows = [counters[p] for p in range(1, 5)]

    # -- driver --------------------------------------------------------------

    def check(self):
        self.notes = []
        self.read()
        self.check_header()
        self.capture_lineups()
        if self.F:
            self.play()
        self.statistics_pages()

    def print_report(self):
        print("== %s" % self.path)
        if self.teams:
            home, hk, away, ak, stadium = self.teams
            print("  %s (%s) vs. %s (%s) en %s" % (home, hk, away, ak, stadium))
        print("  header %d lines; %d minute lines, %d continuation lines"
              % (self.header_lines, getattr(self, "minute_lines", 0),
                 getattr(self, "continuation_lines", 0)))
        if self.F:
            print("  line-ups: S = %d, F = %d; home rows 4-%d (%d players), "
                  "away rows %d-%d (%d players)"
                  % (self.S, self.F, self.S - 1, len(self.home_rows),
                     self.S + 4, self.F - 1, len(self.away_rows)))
            print("  unused substitutes (column 51 = '0'): %s"
                  % ", ".join(sorted(self.unused)))
        if getattr(self, "half_time", None):
            print("  half time %d - %d (line %d)" % (
                self.half_time[1], self.half_time[2], self.half_time[0] + 1))
        if getattr(self, "full_time", None):
            print("  full time %d - %d (line %d)" % (
                self.full_time[1], self.full_time[2], self.full_time[0] + 1))
        titles = {3: "List3 home goals", 4: "List4 away goals",
                  1: "List1 home cards and substitutions",
                  2: "List2 away cards and substitutions"}
        for n in (3, 4, 1, 2):
            entries = getattr(self, "lists", {}).get(n, [])
            print("  %s:" % titles[n])
            for entry, index in entries:
                print("    %-40s line %d" % (entry, index + 1))
        if hasattr(self, "page_rows"):
            print("  statistics pages: %s rows" % ", ".join(
                str(r) for r in self.page_rows))
        for note in self.notes:
            print("  note: %s" % note)
        for text in self.warnings:
            print("  WARNING: %s" % text)
        for text in self.errors:
            print("  ERROR: %s" % text)


def main():
    paths = sys.argv[1:]
    if not paths:
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        paths = sorted(glob.glob(os.path.join(root, "ejemplos", "*.txt")))
    failed = False
    for path in paths:
        report = Report(path)
        report.check()
        report.print_report()
        failed = failed or bool(report.errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
