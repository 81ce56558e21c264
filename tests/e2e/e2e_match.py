#!/usr/bin/python3
"""End-to-end: the installed Tezmaro, started by its launcher's Exec line in a
real X server, replays a sample report at the fastest speed to full time and
shows the statistics; everything is done and read the way a screen reader
would, through the accessibility bridge (AT-SPI).

Usage, inside an X server and a D-Bus session (run-e2e.sh sets both up):
    e2e_match.py DESKTOP_FILE
"""

import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

# The sample report and what its replay must show.
REPORT = "ejemplos/arenales-penascal.txt"
TEAMS_LINE = ("Racing Club Arenales (RCAR) vs. Deportivo Peñascal (DPEN) "
              "en Estadio La Caracola (Arenales de Mar)")
HOME, AWAY, STADIUM = "Racing Club Arenales", "Deportivo Peñascal", "Estadio La Caracola (Arenales de Mar)"
HOME_LINEUP = "Racing Club Arenales (RCAR) - Sistema: 4-4-2"
AWAY_LINEUP = "Deportivo Peñascal (DPEN) - Sistema: 5-3-2"
SUMMARY_LINE = "Mejor jugador: Ernesto Valcárcel (Peñascal) - Nota 8.0"
BONUS_LINE = "Bonus Local: +4 (derbi, estadio lleno)"
HALF_TIME = ("1", "1")
FULL_TIME = ("3", "2")
HOME_GOALS = ["Lorenzo Bravo(Gol,8)", "Sebastián Roldán(Gol,49)", "Saúl Olivares(Gol,87)"]
AWAY_GOALS = ["Ernesto Valcárcel(Gol,22)", "Quique Santana(Gol,57)"]
HOME_EVENTS = ["Jorge Valdivia(Amarilla,22)", "Cristóbal Nieva(Amarilla,38)",
               "Eugenio Campos<=>Maximiliano Rueda(62)", "Amadeo Fuster<=>Saúl Olivares(70)",
               "Fabián Soler<=>Rafa Villena(76)", "Saúl Olivares(Amarilla,89)"]
AWAY_EVENTS = ["Celestino Bueno(Amarilla,15)", "Roque Miralles<=>Efrén Tovar(60)",
               "Leonel Cifuentes(Amarilla,65)", "Jonás Etxeberria(Roja,71)",
               "Quique Santana<=>Nazario Pons(73)", "Benjamín Ayala<=>Octavio Lara(80)"]

# A narration line comes every 100 ms at the fastest speed: a half is 15 s or so.
HALF_TIMEOUT = 60
STEP_TIMEOUT = 15

XK_RETURN = 0xFF0D
XK_ESCAPE = 0xFF1B
XK_A = 0x0061
CONTROL_MASK = 1 << 2


STARTED = time.monotonic()
# The program under test, once started: a wait ends at once when it has ended.
watched = None


class Failure(Exception):
    pass


def log(message):
    print(f"[{time.monotonic() - STARTED:6.1f} s] {message}", flush=True)


def exec_line(desktop_file):
    """The command of a desktop file's Exec key, unquoted by the desktop entry rules."""
    value = None
    group = None
    with open(desktop_file, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and line.startswith("Exec="):
                value = line[len("Exec="):]
    if value is None:
        raise Failure(f"{desktop_file} has no Exec line")
    # The value is a string of the format (backslash escapes), then a command
    # line whose quoting is a subset of the shell's.
    unescaped = []
    i = 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value):
            unescaped.append({"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(value[i + 1], "\\" + value[i + 1]))
            i += 2
        else:
            unescaped.append(value[i])
            i += 1
    argv = shlex.split("".join(unescaped))
    # No field codes: the program takes no file on its command line.
    return [a.replace("%%", "%") for a in argv if not (len(a) == 2 and a[0] == "%")]


def wait_for(what, probe, timeout=STEP_TIMEOUT, interval=0.05):
    """Polls probe() until it returns something true; fails with the last value seen."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        if watched is not None and watched.poll() is not None:
            raise Failure(f"the program ended (status {watched.returncode}) while waiting for {what}")
        try:
            last = probe()
        except Exception as error:  # a window going away while it is read
            last = error
        if last and not isinstance(last, Exception):
            return last
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}; last seen: {last!r}")
        time.sleep(interval)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name=None, description=None):
    for node in walk(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if description is not None and node.description != description:
            continue
        return node
    return None


def find_all(root, role):
    return [node for node in walk(root) if node.getRole() == role]


def has_state(node, state):
    return node.getState().contains(state)


def press(node):
    """Activates a button or option by its default action, as a screen reader does."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle", "toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def click(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, pyatspi.MOUSE_B1C)


def list_items(node):
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]


def key(keysym, modifiers=0):
    if modifiers:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    finally:
        if modifiers:
            pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def expect(what, actual, expected):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, shown {actual!r}")
    log(f"{what}: {actual!r}")


class Program:
    def __init__(self, argv, env):
        global watched
        self.process = subprocess.Popen(argv, env=env)
        watched = self.process
        self.app = wait_for("the program on the accessibility bus", self._find_app, timeout=30)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, role, name):
        return wait_for(f"the window \"{name}\"",
                        lambda: next((w for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                                      if w is not None and w.getRole() == role and w.name == name
                                      and has_state(w, pyatspi.STATE_SHOWING)), None))

    def window_gone(self, name, timeout=STEP_TIMEOUT):
        def gone():
            return all(w is None or w.name != name or not has_state(w, pyatspi.STATE_SHOWING)
                       for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount)))
        wait_for(f"the window \"{name}\" to close", gone, timeout=timeout)

    def may_end(self):
        global watched
        watched = None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def replay(program, report_path):
    main = program.window(pyatspi.ROLE_FRAME, "Tezmaro 1.1")
    log("main window shown")
    label = lambda description: wait_for(f"the label \"{description}\"",
                                         lambda: find(main, pyatspi.ROLE_LABEL, description=description))
    button = lambda name: wait_for(f"the button \"{name}\"",
                                   lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, name=name))
    clock = label("Minuto de juego")
    home_score = label("Marcador del equipo local")
    away_score = label("Marcador del equipo visitante")
    narration = label("Narración")
    start = button("Comenzar Partida")
    statistics = button("Ver Estadisticas")
    if has_state(start, pyatspi.STATE_ENABLED) or has_state(statistics, pyatspi.STATE_ENABLED):
        raise Failure("start or statistics button enabled before a match is opened")

    # There is no window manager to give the new window the keyboard: a click
    # on the speed selector's caption does, as it would on a desktop.
    click(wait_for("the speed caption", lambda: find(main, pyatspi.ROLE_LABEL, name="Velocidad >>")))
    wait_for("the main window to be active", lambda: has_state(main, pyatspi.STATE_ACTIVE))

    # Open the report: Ctrl+A, type its path in the file dialog, Enter.
    key(XK_A, CONTROL_MASK)
    dialog = program.window(pyatspi.ROLE_DIALOG, "Buscar Encuentro")
    # Keys typed before the dialog has the keyboard would go astray.
    field = wait_for("the file name field to have the keyboard",
                     lambda: has_state(dialog, pyatspi.STATE_ACTIVE)
                     and next((t for t in find_all(dialog, pyatspi.ROLE_TEXT)
                               if has_state(t, pyatspi.STATE_FOCUSED)), None))
    log("file dialog shown")
    # The path goes in through the field's editable-text interface, as a
    # screen reader's user would enter it; synthesised keystrokes can be lost
    # on a busy machine. Typing stays as the fallback.
    for attempt in range(3):
        try:
            field.queryEditableText().setTextContents(report_path)
        except Exception:
            type_text(report_path)
        try:
            wait_for("the path in the file name field",
                     lambda: field.queryText().getText(0, -1) == report_path, timeout=5)
            break
        except Failure:
            if attempt == 2:
                raise
            log("path not in the file name field yet; entering it again")
    # The first Enter may only close the completion list that typing opened;
    # a second one reaching the main window would do nothing there.
    for attempt in range(3):
        key(XK_RETURN)
        try:
            program.window_gone("Buscar Encuentro", timeout=3)
            break
        except Failure:
            log("file dialog still open after Enter")
            if attempt == 2:
                raise
    wait_for("the start button to be enabled", lambda: has_state(start, pyatspi.STATE_ENABLED))
    picture = wait_for("the header printed in the display area",
                       lambda: next((f for f in find_all(main, pyatspi.ROLE_FILLER)
                                     if TEAMS_LINE in (f.description or "")), None))
    log("report opened; header shows the teams line")
    expect("printed text before the header", picture.description.split("\n")[:5], [""] * 5)

    fastest = find(main, pyatspi.ROLE_RADIO_BUTTON, name="Velocidad 5")
    if fastest is None:
        raise Failure("no option named \"Velocidad 5\"")
    press(fastest)
    wait_for("\"Velocidad 5\" to be checked", lambda: has_state(fastest, pyatspi.STATE_CHECKED))
    log("fastest speed picked")

    press(start)
    wait_for("the start button to read \"Continuar Partida\"", lambda: start.name == "Continuar Partida")
    expect("home team", label("Equipo local").name, HOME)
    expect("away team", label("Equipo visitante").name, AWAY)
    expect("stadium", label("Estadio").name, STADIUM)

    wait_for("half time (clock at 45, continue enabled)",
             lambda: clock.name == "45" and has_state(start, pyatspi.STATE_ENABLED), timeout=HALF_TIMEOUT)
    log("half time")
    expect("score at half time", (home_score.name, away_score.name), HALF_TIME)
    if "Marcador al descanso:" not in narration.name:
        raise Failure(f"narration at half time: {narration.name!r}")
    expect("start button at half time", start.name, "Continuar Partida")

    press(start)
    wait_for("full time (statistics enabled)", lambda: has_state(statistics, pyatspi.STATE_ENABLED),
             timeout=HALF_TIMEOUT)
    log("full time")
    expect("clock at full time", clock.name, "90")
    expect("score at full time", (home_score.name, away_score.name), FULL_TIME)
    if "Resultado final:" not in narration.name:
        raise Failure(f"narration at full time: {narration.name!r}")
    expect("start button at full time", start.name, "Comenzar Partida")
    if has_state(start, pyatspi.STATE_ENABLED):
        raise Failure("start button enabled at full time")
    lists = {name: find(main, pyatspi.ROLE_LIST, name=name) for name in (
        "Goles del equipo local", "Goles del equipo visitante",
        "Amonestaciones y sustituciones del equipo local", "Amonestaciones y sustituciones del equipo visitante")}
    expect("home goals", list_items(lists["Goles del equipo local"]), HOME_GOALS)
    expect("away goals", list_items(lists["Goles del equipo visitante"]), AWAY_GOALS)
    expect("home cards and substitutions",
           list_items(lists["Amonestaciones y sustituciones del equipo local"]), HOME_EVENTS)
    expect("away cards and substitutions",
           list_items(lists["Amonestaciones y sustituciones del equipo visitante"]), AWAY_EVENTS)

    # A click of the mouse: the button's action would answer only once the
    # modal window it opens is closed again.
    click(statistics)
    stats = program.window(pyatspi.ROLE_DIALOG, "Estadisticas")
    log("statistics window shown")
    page = wait_for("the statistics page", lambda: next((f for f in find_all(stats, pyatspi.ROLE_FILLER)
                                                         if f.description), None))
    previous = find(stats, pyatspi.ROLE_PUSH_BUTTON, name="Página anterior")
    following = find(stats, pyatspi.ROLE_PUSH_BUTTON, name="Página siguiente")
    if previous is None or following is None:
        raise Failure("no page buttons named \"Página anterior\" and \"Página siguiente\"")
    rows = lambda: page.description.split("\n")
    expect("page 1 heading", rows()[0], " " * 19 + "Alineaciones finales")
    expect("page 1 team", rows()[1].strip(), HOME_LINEUP)
    expect("page 1 first player", rows()[4][:22].strip(), "01 Nacho Berrocal")
    press(following)
    wait_for("page 2", lambda: rows()[1].strip() == AWAY_LINEUP)
    log(f"page 2 team: {rows()[1].strip()!r}")
    press(following)
    wait_for("page 3", lambda: rows()[0] == " " * 21 + "Resumen del partido")
    if SUMMARY_LINE not in rows():
        raise Failure(f"page 3 lacks {SUMMARY_LINE!r}: {rows()!r}")
    log(f"page 3 shows the summary down to {SUMMARY_LINE!r}")
    press(following)
    wait_for("page 4", lambda: BONUS_LINE in rows())
    log(f"page 4 shows {BONUS_LINE!r}")
    wait_for("\"Página siguiente\" disabled on the last page", lambda: not has_state(following, pyatspi.STATE_ENABLED))
    if not has_state(previous, pyatspi.STATE_ENABLED):
        raise Failure("\"Página anterior\" disabled on the last page")
    key(XK_ESCAPE)
    program.window_gone("Estadisticas")

    program.may_end()
    press(button("Salir"))
    wait_for("the program to end", lambda: program.process.poll() is not None)
    expect("exit status", program.process.returncode, 0)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    desktop_file = sys.argv[1]
    argv = exec_line(desktop_file)
    program_dir = os.path.dirname(os.path.realpath(argv[0]))
    report_path = os.path.join(program_dir, REPORT)
    log(f"launcher runs: {argv}")

    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            # The file dialog keeps its history in the user's configuration.
            "XDG_CONFIG_HOME": os.path.join(scratch, "config"),
            "XDG_RUNTIME_DIR": os.path.join(scratch, "runtime"),
        })
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        program = Program(argv, env)
        try:
            replay(program, report_path)
        except Failure as failure:
            log(f"FAIL: {failure}")
            shot = os.environ.get("TEZMARO_E2E_SCREENSHOT")
            if shot and shutil.which("import"):
                subprocess.run(["import", "-window", "root", shot], check=False)
                log(f"screen saved in {shot}")
            return 1
        finally:
            program.stop()
    log("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
