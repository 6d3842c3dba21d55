"""The mutants of a C++ file: plausible one-place faults, found on the code's text with comments
and literals blanked out, so that no mutant lands in a comment or a string."""
import dataclasses
import pathlib
import re
import subprocess

SOURCE_SUFFIXES = (".cpp", ".h")

# Comments and literals, blanked before any pattern is looked for (raw strings are rare here and
# only ever hold text).
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'', re.S)

# (kind, pattern, replacement): replacement is a text, or a function of the match giving one.
# Binary operators are matched with the blanks clang-format puts around them, which keeps
# template brackets, pointers and unary minus out.
SWAPS = [
    ("relational", r" < ", " <= "), ("relational", r" <= ", " < "),
    ("relational", r" > ", " >= "), ("relational", r" >= ", " > "),
    ("equality", r" == ", " != "), ("equality", r" != ", " == "),
    ("arithmetic", r" \+ ", " - "), ("arithmetic", r" - ", " + "),
    ("arithmetic", r" \* ", " / "), ("arithmetic", r" / ", " * "),
    ("arithmetic", r" \+= ", " -= "), ("arithmetic", r" -= ", " += "),
    ("logical", r" && ", " || "), ("logical", r" \|\| ", " && "),
    ("boolean", r"\btrue\b", "false"), ("boolean", r"\bfalse\b", "true"),
]
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
CONDITION = re.compile(r"\b(?:if|while) \(")
TWO_ARGUMENTS = re.compile(r"\b\w+\(([\w.:>-]+), ([\w.:>-]+)\)")
# A whole line that is a call or an assignment to one name: dropping it still builds.
STATEMENT = re.compile(r"^\s*(?:[\w.:>\-\[\]]+\([^;]*\)|[\w.:>\-\[\]*]+ [+\-*/|&]?= [^;]*);$")
RETURN = re.compile(r"^\s*return\b[^;]*;$")


@dataclasses.dataclass(frozen=True)
class Mutant:
    path: pathlib.Path
    line: int     # from 1
    column: int   # from 0, in characters
    kind: str
    old: str
    new: str

    def id(self, root):
        try:
            shown = self.path.relative_to(root)
        except ValueError:
            shown = self.path
        return f"{shown}:{self.line}:{self.column}:{self.kind}"

    def describe(self):
        return f"{self.old.strip()!r} -> {self.new.strip()!r}"

    def apply(self, original):
        lines = original.decode("utf-8").split("\n")
        text = lines[self.line - 1]
        assert text[self.column:self.column + len(self.old)] == self.old, "file changed"
        lines[self.line - 1] = text[:self.column] + self.new + text[self.column + len(self.old):]
        return "\n".join(lines).encode("utf-8")


def blanked(text):
    """The text with every comment and literal turned to blanks, each line keeping its length."""
    return TOKEN.sub(lambda m: re.sub(r"[^\n]", " ", m.group(0)), text)


def closing(code, opening):
    """The index of the bracket that closes the one at `opening`, or -1 on another line."""
    depth = 0
    for at in range(opening, len(code)):
        depth += {"(": 1, ")": -1}.get(code[at], 0)
        if depth == 0:
            return at
    return -1


def mutants_of_line(path, number, text, code):
    """Every mutant of one line: `text` as written, `code` the same line blanked."""
    if code.lstrip().startswith("#") or not code.strip():
        return []
    found = []
    for kind, pattern, replacement in SWAPS:
        for m in re.finditer(pattern, code):
            found.append(Mutant(path, number, m.start(), kind, m.group(0), replacement))
    for m in INTEGER.finditer(code):
        value = int(m.group(1))
        for moved in (value + 1, value - 1):
            if moved >= 0:
                found.append(Mutant(path, number, m.start(), "constant", m.group(1), str(moved)))
    for m in CONDITION.finditer(code):
        start = m.end() - 1
        end = closing(code, start)
        if end > start + 1:
            old = text[start:end + 1]
            found.append(Mutant(path, number, start, "negated", old, f"(!{old})"))
    for m in TWO_ARGUMENTS.finditer(code):
        first, second = m.group(1), m.group(2)
        if first != second:
            old = text[m.start(1):m.end(2)]
            found.append(Mutant(path, number, m.start(1), "swapped", old, f"{second}, {first}"))
    for kind, pattern in (("dropped", STATEMENT), ("dropped-return", RETURN)):
        if pattern.match(code):
            start = len(code) - len(code.lstrip())
            old = text[start:len(code.rstrip())]
            found.append(Mutant(path, number, start, kind, old, "{}"))
    return found


def mutants_of(path, wanted=None):
    """The mutants of the file's lines in `wanted` (all lines when None)."""
    text = path.read_text(encoding="utf-8")
    found = []
    lines = zip(text.split("\n"), blanked(text).split("\n"))
    for number, (line, code) in enumerate(lines, start=1):
        if wanted is None or number in wanted:
            found.extend(mutants_of_line(path, number, line, code))
    return found


def lines_of_range(root, revisions):
    """{path: lines} that the git range adds or changes, for the project's C++ sources."""
    diff = subprocess.run(["git", "diff", "-U0", "--no-color", revisions], cwd=root, check=True,
                          capture_output=True, text=True).stdout
    lines, path = {}, None
    for row in diff.splitlines():
        if row.startswith("+++ "):
            name = row[4:].removeprefix("b/")
            path = (root / name) if name.endswith(SOURCE_SUFFIXES) else None
        elif row.startswith("@@") and path is not None:
            added = re.search(r"\+(\d+)(?:,(\d+))?", row)
            first, count = int(added.group(1)), int(added.group(2) or 1)
            lines.setdefault(path, set()).update(range(first, first + count))
    return {p: n for p, n in lines.items() if n and p.exists()}
