#!/usr/bin/env python3
"""The terminal dialogs in a real terminal: tmux runs tagquill (or Vim running
it as a filter), the test types keys and reads the screen. Every screen the
test looks at is kept under the screens directory.

usage: tty_test.py edit|pick|vim|emacs TAGQUILL SCREENS_DIR
"""
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

GROUP, TAGQUILL, SCREENS = sys.argv[1], sys.argv[2], sys.argv[3]
SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
os.makedirs(SCREENS, exist_ok=True)
failures = []


class Tty:
    """One tmux server with one 80x25 window running a shell command."""

    def __init__(self, name, command, cwd, capture=True):
        self.name = name
        self.socket = os.path.join(cwd, f"{name}.tmux")
        self.rc_file = os.path.join(cwd, f"{name}.rc")
        self.out_file = os.path.join(cwd, f"{name}.out")
        self.shots = 0
        out = f" > {shlex.quote(self.out_file)}" if capture else ""
        wrapped = f"{command}{out}; echo $? > {shlex.quote(self.rc_file)}; sleep 60"
        self.tmux("new-session", "-d", "-x", "80", "-y", "25", "-c", cwd, "sh", "-c", wrapped)

    def tmux(self, *args):
        return subprocess.run(["tmux", "-S", self.socket, "-f", "/dev/null", *args], check=True,
                              capture_output=True, text=True).stdout

    def screen(self):
        return self.tmux("capture-pane", "-p")

    def keys(self, *keys, gone=None, then=None, shot=None):
        """Sends the keys; then waits until gone has left the screen and then shows."""
        for k in keys:
            self.tmux("send-keys", k)
            # Alt+x is Esc then x; the next key must not look like part of it.
            time.sleep(0.05)
        if gone:
            self.wait_for(gone, gone=True)
        if then:
            self.wait_for(then, shot)

    def click(self, row, col):
        """Button 1 pressed and released at a cell (X10 mouse report)."""
        at = [f"{33 + col:02x}", f"{33 + row:02x}"]
        self.tmux("send-keys", "-H", "1b", "5b", "4d", "20", *at)
        self.tmux("send-keys", "-H", "1b", "5b", "4d", "23", *at)

    def paste(self, text):
        """Pasted as a terminal pastes (bracketed when the program asks)."""
        self.tmux("set-buffer", "-b", "tq", text)
        self.tmux("paste-buffer", "-p", "-b", "tq")

    def type(self, text, then=None, shot=None):
        self.tmux("send-keys", "-l", text)
        if then:
            self.wait_for(then, shot)

    def wait_for(self, text, what=None, gone=False):
        """Polls the screen (10 s at most) until text shows (or is gone); keeps that screen."""
        end = time.time() + 10
        while True:
            s = self.screen()
            if (text in s) != gone:
                if not gone:
                    self.shot(what or text, s)
                return s
            if time.time() > end:
                self.shot((what or text) + "-missing", s)
                raise AssertionError(f"{self.name}: '{text}' {'stayed' if gone else 'never showed'}; screen:\n{s}")
            time.sleep(0.05)

    def shot(self, what, s=None):
        self.shots += 1
        safe = "".join(c if c.isalnum() else "_" for c in what)[:40]
        with open(os.path.join(SCREENS, f"{self.name}-{self.shots:02d}-{safe}.txt"), "w") as f:
            f.write(s if s is not None else self.screen())

    def result(self):
        """(exit status, stdout bytes) once the command has ended (within 10 s)."""
        end = time.time() + 10
        while not os.path.exists(self.rc_file) or not open(self.rc_file).read().strip():
            if time.time() > end:
                self.shot("still-running")
                raise AssertionError(f"{self.name}: the command did not end")
            time.sleep(0.05)
        out = open(self.out_file, "rb").read() if os.path.exists(self.out_file) else b""
        return int(open(self.rc_file).read()), out

    def ends(self, rc, out):
        """The command ended with this status and wrote this."""
        got = self.result()
        expect(got == (rc, out), f"{self.name}: got {got[0]} {got[1]!r}")

    def close(self):
        subprocess.run(["tmux", "-S", self.socket, "kill-server"], capture_output=True)


def case(fn):
    """Runs one case in its own directory and profile; a failure is noted."""
    work = tempfile.mkdtemp(prefix="tq-tty-")
    profile = os.path.join(work, "profile.ini")
    opened = []

    def run(name, args, selection="abc", editor=None):
        """tagquill with args on the selection, or an editor's command line."""
        sel = os.path.join(work, f"{name}.in")
        with open(sel, "wb") as f:
            f.write(selection.encode())
        cmd = (f"env LANG=C.UTF-8 XDG_CONFIG_HOME={shlex.quote(work)} {shlex.quote(TAGQUILL)} "
               f"--profile {shlex.quote(profile)} {args} < {shlex.quote(sel)}")
        t = Tty(name, editor or cmd, work, capture=not editor)
        opened.append(t)
        return t

    def read_profile():
        return open(profile, encoding="utf-8").read() if os.path.exists(profile) else ""

    try:
        fn(run, read_profile, work)
        print(f"ok   {fn.__name__}")
    except AssertionError as e:
        failures.append(f"{fn.__name__}: {e}")
        print(f"FAIL {fn.__name__}: {e}")
    finally:
        for t in opened:
            t.close()
        shutil.rmtree(work, ignore_errors=True)


def expect(cond, message):
    if not cond:
        raise AssertionError(message)


# --- edit -------------------------------------------------------------------

def heading_id_typed_and_remembered(run, read_profile, work):
    t = run("h1-id", "edit 29121")
    t.wait_for("基本的な属性の設定 <H1>", "basic-h1")
    t.keys("M-i", "Tab")
    t.type("top", then="[x] ID指定      top", shot="basic-h1-typed")
    t.keys("Enter")
    t.ends(0, b'<H1 ID="top">abc</H1>')
    expect('Bsc_121ID = "top"' in read_profile(), "ID was not remembered")
    # The next time the dialog shows what it remembered; Esc changes nothing.
    t = run("h1-esc", "edit 29121")
    t.wait_for("[x] ID指定      top___", "basic-h1-remembered")
    # The mouse clicks where the terminal reports it.
    t.click(3, 3)
    t.wait_for("[ ] ID指定      top___", "basic-h1-clicked")
    t.keys("Escape")
    t.ends(1, b"abc")


# One dialog of each kind: it opens and shows its title; some open a
# dialog or message box over themselves (keys, a text of it, the key that
# closes it). Esc gives the selection back unchanged and writes nothing.
DIALOGS = [
    (29110, "<HEAD>の設定", None), (29116, "<BODY>の設定", None), (29151, "作表に関する属性の設定", None),
    (29153, "作表に関する設定", None), (29158, "作表に関する設定", None), (29445, "アンカ/リンク", None),
    (29455, "画像<IMG>の設定", None), (29170, "<SCRIPT>の設定", None), (29172, "<FORM>の設定", None),
    (29466, "<INPUT>の設定", None), (29470, "<TEXTAREA>の設定", None), (29465, "<LABEL>の設定", None),
    (29165, "<FRAMESET>の設定", None), (29166, "<FRAME>", None), (29456, "<OBJECT>の設定", None),
    (29457, "パラメタ<PARAM>の設定", None), (29471, "<LEGEND>の設定", None), (29467, "<SELECT>の設定", None),
    (29113, "<META>の設定", None),
    (29115, "STYLEの設定", (("M-s",), "セレクタ（要素）を指定してから実行してください", "Enter")),
    (29127, "基本的な属性の設定 <P>", (("M-e", "M-v"), "イベントとスクリプトの選択", "Escape")),
    (29140, "基本的な属性の設定 <UL>", (("M-y", "M-s"), "リストに関する属性の設定 <UL>", "Escape")),
]


def every_kind_of_dialog_opens_and_esc_gives_the_selection_back(run, read_profile, work):
    for cid, title, over in DIALOGS:
        t = run(f"dialog-{cid}", f"edit {cid}")
        t.wait_for(title, f"{cid}")
        if over:
            t.keys(*over[0], then=over[1], shot=f"{cid}-over")
            t.keys(over[2], gone=over[1], then=title, shot=f"{cid}-back")
        t.keys("Escape")
        t.ends(1, b"abc")
    expect(read_profile() == "", "a cancelled dialog wrote settings:\n" + read_profile())


def composer_colour_font_and_japanese_typing(run, read_profile, work):
    t = run("colour-font", "edit 29127")
    t.wait_for("基本的な属性の設定 <P>")
    t.keys("M-t", "Tab")
    t.type("見出し", then="[x] TITLE指定   見出し", shot="typed-japanese")
    # A pasted line break does not press OK in a one-line box.
    t.paste("X\nY")
    t.wait_for("[x] TITLE指定   見出しXY", "pasted")
    t.keys("M-y", "M-s", then="スタイルの設定 <P>")
    t.keys("M-l", "M-d", then="画像・背景の設定")
    t.keys("M-c", "M-r", then="色の設定", shot="colour-dialog")
    t.keys("M-c")
    t.type("#12ab34", then="#12ab34", shot="colour-typed")
    t.keys("Enter", gone="色の設定", then="#12AB34", shot="colour-swatch")
    t.keys("Enter", gone="画像・背景の設定")
    # A group dialog, the value list it opens, and the font dialog.
    t.keys("M-f", "M-g", then="フォントの設定", shot="font-group")
    t.keys("M-w", "M-g", then="bold (太字)", shot="value-list")
    t.keys("Down", "Down", then=">bold (太字)", shot="value-list-bold")
    t.keys("Enter", then="bold____", shot="font-group-filled")
    t.keys("M-m", "M-i", then="フォント名(F):", shot="font-dialog")
    t.keys("M-f")
    t.type("Test Sans")
    t.keys("Enter", then="'Test Sans'", shot="font-chosen")
    t.keys("Enter", gone="フォントの設定")
    t.keys("Enter", gone="スタイルの設定 <P>")
    t.keys("Enter")
    t.ends(0, """<P TITLE="見出しXY" STYLE="color:#12AB34; font-family:'Test Sans'; font-weight:bold;">abc</P>""".encode())


# Each group of the composer and the nested dialogs below three of them:
# each opens over its opener and Esc goes back one level; at the end
# nothing was built or written.
def esc_at_every_level_goes_back_one(run, read_profile, work):
    t = run("esc-chain", "edit 29127")
    basic = "基本的な属性の設定 <P>"
    composer = "スタイルの設定 <P>"
    t.wait_for(basic)
    t.keys("M-y", "M-s", then=composer)
    # (check, change, title, nested dialog: keys and a text of it)
    groups = [("M-l", "M-d", "画像・背景の設定", None),
              ("M-f", "M-g", "フォントの設定", (("M-w", "M-g"), "bold (太字)")),
              ("M-t", "M-x", "テキストの設定", None),
              ("M-m", "M-n", "Margin/Paddingの設定", (("M-p",), "paddingの設定")),
              ("M-b", "M-o", "枠(Border)の設定", (("M-b", "M-a"), "幅(width)を指定")),
              ("M-w", "M-h", "要素の幅(width)指定", None)]
    for check, change, title, nested in groups:
        t.keys(check, change, then=title, shot="group-" + title)
        if nested:
            t.keys(*nested[0], then=nested[1], shot="nested-" + nested[1])
            t.keys("Escape", gone=nested[1], then=title)
        t.keys("Escape", gone=title, then=composer, shot="back-to-composer")
    t.keys("Escape", gone=composer, then=basic, shot="back-to-basic")
    t.keys("Escape")
    t.ends(1, b"abc")
    expect(read_profile() == "", "cancelled dialogs wrote settings:\n" + read_profile())


def file_dialog_browses_to_a_file(run, read_profile, work):
    os.makedirs(os.path.join(work, "pics"))
    open(os.path.join(work, "pics", "logo.png"), "w").close()
    t = run("file", "edit 29455", selection="")
    t.wait_for("画像<IMG>の設定")
    t.keys("M-s", then="場所:", shot="file-dialog")
    t.wait_for("pics/", "file-dialog-listing")
    t.keys("M-n")
    t.type("pics")
    t.keys("Enter", then="logo.png", shot="file-dialog-in-pics")
    t.keys("Down", "Down", then=">logo.png", shot="file-dialog-chosen")
    t.keys("Enter", then="画像<IMG>の設定", shot="image-with-src")
    t.keys("Enter")
    src = os.path.join(os.path.realpath(work), "pics", "logo.png")
    t.ends(0, f'<IMG SRC="{src}" ALT="">'.encode())


def toolbox_customization_sheet(run, read_profile, work):
    t = run("customize", "edit 29002")
    t.wait_for("HTMLツールボックスのカスタマイズ", "sheet-page-a")
    # The title edit has the focus and its text is selected: typing replaces it.
    t.type("Mine", then="Mine___")
    # Add without a selection: the sheet's message, then back.
    t.keys("M-a", then="コマンド一覧で追加するコマンドを選択して実行してください。", shot="sheet-message")
    t.keys("Enter", gone="コマンド一覧で追加する")
    t.keys("C-PageDown", then="詳細___", shot="sheet-page-b")
    t.keys("Enter")
    t.ends(0, b"abc")
    expect('ToolBox_1Title1 = "Mine"' in read_profile(), "the title was not written:\n" + read_profile())
    t = run("customize-esc", "edit 29002")
    t.wait_for("Mine___")
    t.keys("Escape")
    t.ends(1, b"abc")


def no_terminal_is_a_clear_error(run, read_profile, work):
    p = subprocess.run([TAGQUILL, "--profile", os.path.join(work, "p.ini"), "edit", "29121"],
                       input=b"abc", capture_output=True, start_new_session=True)
    expect(p.returncode == 1 and p.stdout == b"abc", f"got {p.returncode} {p.stdout!r}")
    expect(b"/dev/tty" in p.stderr, f"stderr: {p.stderr!r}")


# --- pick -------------------------------------------------------------------

def menu_runs_a_dialog_esc_returns_then_a_simple_command(run, read_profile, work):
    t = run("pick", "pick")
    t.wait_for("作表(T)", "menu")
    t.keys("t", then="表組み<TABLE> (詳細)", shot="menu-tables")
    t.keys("Down", "Down", "Down", "Down", "Down", "Down", "Enter")
    t.wait_for("作表に関する属性の設定", "table-from-menu")
    t.keys("Escape", then="作表(T)", shot="menu-again")
    t.keys("Escape", gone="表組み<TABLE> (詳細)")
    t.keys("h", then="見出し<H1>", shot="menu-headings")
    t.keys("Enter")
    t.ends(0, b"<H1>abc</H1>")


def toolbox_from_the_menu(run, read_profile, work):
    t = run("pick-toolbox", "pick")
    t.wait_for("ツールボックス表示(X)")
    t.keys("x", then="FOR HTML", shot="toolbox-page-1")
    t.wait_for("STRIKE")
    t.keys("Tab")  # from the first button (H1) to the second
    t.keys("Enter")
    t.ends(0, b"<H3>abc</H3>")
    expect("TBox_1Page = 0" in read_profile(), "the toolbox did not save its place:\n" + read_profile())


# --- vim --------------------------------------------------------------------

# Vim with the plugin: a plain filter of a line first (the dialog leaves
# Vim's screen as it was), then the plugin's command cancelled and used.
def vim_filter_and_plugin(run, read_profile, work):
    doc = os.path.join(work, "doc.txt")
    with open(doc, "w") as f:
        f.write("abc\ncell\nafter\n")
    bindir = os.path.join(work, "bin")
    os.makedirs(bindir)
    os.symlink(TAGQUILL, os.path.join(bindir, "tagquill"))
    profile = os.path.join(work, "profile.ini")
    plugin = os.path.join(SOURCE_DIR, "editors", "vim")
    cmd = (f"env LANG=C.UTF-8 PATH={shlex.quote(bindir)}:$PATH TQPROFILE={shlex.quote(profile)} "
           f"vim -u NONE -i NONE -N -n --cmd 'set rtp^={plugin}' --cmd 'runtime plugin/tagquill.vim' "
           f"--cmd 'let g:tagquill_options = [\"--profile\", \"{profile}\"]' {shlex.quote(doc)}")
    t = run("vim", "", editor=cmd)
    t.wait_for("after", "vim-before")
    t.keys("j", "V")
    t.type(":")
    t.type("!tagquill --profile $TQPROFILE edit 29151")
    t.keys("Enter", then="作表に関する属性の設定", shot="vim-table-dialog")
    t.keys("Enter", then="<TABLE")
    s = t.wait_for("after", "vim-after")
    expect("作表" not in s, "the dialog stayed on Vim's screen:\n" + s)
    expect(s.splitlines()[0] == "abc", "Vim's screen was not restored:\n" + s)
    t.keys("g", "g")
    # Esc in the form: the line stays as it was.
    t.type(":TagquillEdit 29121")
    t.keys("Enter", then="基本的な属性の設定", shot="vim-plugin-form")
    t.keys("Escape")
    s = t.wait_for("after", "vim-plugin-cancelled")
    expect(s.splitlines()[0] == "abc", "the line changed on Esc:\n" + s)
    t.type(":TagquillEdit 29121")
    t.keys("Enter", then="基本的な属性の設定")
    t.keys("M-i", "Tab")
    t.type("top")
    t.keys("Enter")
    s = t.wait_for('<H1 ID="top">abc</H1>', "vim-plugin-built")
    expect(s.splitlines()[1].startswith("<TABLE"), "the next line moved:\n" + s)
    t.type(":wq")
    t.keys("Enter")
    t.result()
    text = open(doc).read()
    expect(text == '<H1 ID="top">abc</H1>\n<TABLE>\ncell\n</TABLE>\nafter\n', "file: " + repr(text))


def emacs_edit_in_a_term_buffer(run, read_profile, work):
    doc = os.path.join(work, "doc.txt")
    with open(doc, "w") as f:
        f.write("abc\nnext\n")
    profile = os.path.join(work, "profile.ini")
    setup = (f"(progn (require 'tagquill) (setq tagquill-program \"{TAGQUILL}\" "
             f"tagquill-options '(\"--profile\" \"{profile}\")))")
    cmd = (f"env LANG=C.UTF-8 emacs -nw -Q -L {shlex.quote(os.path.join(SOURCE_DIR, 'editors', 'emacs'))} "
           f"--eval {shlex.quote(setup)} {shlex.quote(doc)}")
    t = run("emacs", "", editor=cmd)
    t.wait_for("next", "emacs-before")
    for then, keys, want in (("cancelled", [("Escape", "Escape")], "abc"),
                             ("built", [("M-i", "Tab"), "top", ("Enter",)], '<H1 ID="top">abc</H1>')):
        t.keys("M-x")
        t.type("tagquill-edit")
        t.keys("Enter")
        t.type("29121")
        t.keys("Enter", then="基本的な属性の設定", shot="emacs-form")
        for k in keys:
            if isinstance(k, tuple):
                t.keys(*k)
            else:
                t.type(k)
        s = t.wait_for("next", "emacs-" + then)
        first = s.splitlines()[1]
        expect(first == want, f"{then}: the first line reads {first!r}:\n" + s)
    t.keys("C-x", "C-s", then="Wrote")
    expect(open(doc).read() == '<H1 ID="top">abc</H1>\nnext\n', "file: " + repr(open(doc).read()))


GROUPS = {
    "edit": [heading_id_typed_and_remembered, every_kind_of_dialog_opens_and_esc_gives_the_selection_back,
             composer_colour_font_and_japanese_typing,
             esc_at_every_level_goes_back_one,
             file_dialog_browses_to_a_file, toolbox_customization_sheet,
             no_terminal_is_a_clear_error],
    "pick": [menu_runs_a_dialog_esc_returns_then_a_simple_command, toolbox_from_the_menu],
    "vim": [vim_filter_and_plugin],
    "emacs": [emacs_edit_in_a_term_buffer],
}

for fn in GROUPS[GROUP]:
    case(fn)
if failures:
    print(f"{len(failures)} failed; screens in {SCREENS}")
    sys.exit(1)
