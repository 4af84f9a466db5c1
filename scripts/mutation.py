#!/usr/bin/env python3
"""Mutation check: plants faults one at a time, rebuilds, runs the tests and
tells which faults no test caught.

Two sources of faults:
  * the hand-written list tests/mutation/faults.txt (format at its top): real
    mistakes worth naming; the ones marked * form the quick sample;
  * --generate N --seed S: faults made by this script over every source line
    of the program (flipped comparisons, swapped operators, constants changed
    by one, deleted statements, swapped arguments), N of them drawn at random.
    Faults reviewed as equivalent are listed in tests/mutation/equivalents.txt
    and skipped.

The faults are planted in a copy of the source tree under the build folder
(BUILD/mutation/src, built in BUILD/mutation/build), never in the checkout.
A fault is caught when a test fails or hangs; a fault whose program does not
build is counted apart ("not compiling"); a listed fault whose snippet is no
longer found once is "stale" and counted apart too.
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
FAULTS = os.path.join(ROOT, "tests", "mutation", "faults.txt")
EQUIVALENTS = os.path.join(ROOT, "tests", "mutation", "equivalents.txt")
FOLDERS = ["catalogue", "core", "calculator", "ui"]
# A build of one fault takes a minute or two; one that takes ten hangs (a
# fault can make the artwork's baking loop), and counts as not compiling.
BUILD_TIMEOUT = 600


class Fault:
    """A listed fault: a snippet and what it becomes."""

    def __init__(self, path, description, line):
        self.path = path
        self.description = description
        self.line = line
        self.old = None
        self.new = None
        self.equivalent = None  # the reason, for a fault that changes nothing observable
        self.sample = False

    @property
    def folder(self):
        return self.path.split("/", 1)[0]

    def label(self):
        return f"{self.path}:{self.line} {self.description}"

    def key(self):
        return f"{self.path} {self.description}"

    def apply(self, text):
        """The planted text, or None when the snippet is not found exactly once."""
        if text.count(self.old) != 1:
            return None
        return text.replace(self.old, self.new, 1)


def parse_faults(path):
    faults = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if not line[0].isspace():
                head, sep, description = line.partition(": ")
                if not sep:
                    sys.exit(f"{path}:{number}: expected 'folder/file: description'")
                fault = Fault(head.lstrip("*").strip(), description.strip(), number)
                fault.sample = head.startswith("*")
                faults.append(fault)
                continue
            if not faults:
                sys.exit(f"{path}:{number}: a snippet line before the first fault")
            body = line.lstrip()
            kind, text = body[0], (body[2:] if len(body) > 1 else "").replace("\u23ce", "\n")
            fault = faults[-1]
            if kind == "-":
                fault.old = text
            elif kind == "+":
                fault.new = text
            elif kind == "=":
                fault.equivalent = text
            else:
                sys.exit(f"{path}:{number}: a snippet line starts with '- ', '+ ' or '= '")
    for fault in faults:
        if fault.old is None or fault.new is None:
            sys.exit(f"{path}:{fault.line}: the fault needs a '- ' and a '+ ' line")
    return faults


def stale_snippets(faults):
    """label -> problem, for listed faults that no longer fit the code."""
    problems = {}
    for fault in faults:
        file = os.path.join(ROOT, fault.path)
        if not os.path.isfile(file):
            problems[fault] = "no such file"
            continue
        with open(file, encoding="utf-8") as f:
            count = f.read().count(fault.old)
        if count != 1:
            problems[fault] = f"the snippet occurs {count} times"
        elif fault.old == fault.new:
            problems[fault] = "the replacement equals the snippet"
    return problems


# ------------------------------------------------------------ generated faults

KEYWORDS = {"return", "delete", "throw", "goto", "break", "continue", "if", "while", "for", "switch", "sizeof",
            "new", "case", "else", "do", "co_return", "emit", "Q_EMIT", "static_assert", "using", "typedef"}
# Swapping the arguments of these changes nothing.
SYMMETRIC = {"min", "max", "qMin", "qMax", "swap", "hypot", "std::min", "std::max", "std::swap", "std::hypot",
             "fmin", "fmax", "std::fmin", "std::fmax"}
COMPARISON = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=",
              "&&": "||", "||": "&&"}
STRING = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
OPERATOR = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>|\+=|-=|\*=|/=|&&|\|\||\+|-|\*|/)(?=\s)")
NUMBER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+\.\d*|\.\d+|\d+)([eE][+-]?\d+)?([uUlLfF]*)(?![\w.])")
CALL = re.compile(r"^\s*(?:[A-Za-z_]\w*\s*(?:::|\.|->)\s*)*[A-Za-z_]\w*\s*(?:<[^;]*>)?\s*\(.*\)\s*;\s*$")
ASSIGNMENT = re.compile(r"^\s*[A-Za-z_*(][\w.\->\[\]:()*]*\s*(?:=|\+=|-=|\*=|/=|%=|\|=|&=|\^=|<<=|>>=)\s*[^=\s].*;\s*$")
SIMPLE = re.compile(r"^(?:[A-Za-z_]\w*|\d[\w.]*|\"_*\")$")
ORDINALS = {1: "", 2: " (2nd)", 3: " (3rd)"}


class Generated:
    """A fault made by this script: one line of one file changed."""

    def __init__(self, path, line, text, kind, new):
        self.path = path
        self.line = line  # 1-based
        self.text = text  # the line as found
        self.kind = kind  # e.g. "< to <=", with "(2nd)" when the line allows the same change twice
        self.new = new
        self.equivalent = None

    @property
    def folder(self):
        return self.path.split("/", 1)[0]

    def normalised(self):
        return " ".join(strip_comment(self.text).split())

    def key(self):
        """Stays the same when lines move: the file, the line's text and the change."""
        return f"{self.path} [{self.kind}]: {self.normalised()}"

    def label(self):
        return f"{self.path}:{self.line} [{self.kind}]: {self.normalised()}"

    def apply(self, text):
        lines = text.split("\n")
        if len(lines) < self.line or lines[self.line - 1] != self.text:
            return None
        lines[self.line - 1] = self.new
        return "\n".join(lines)


def strip_comment(line):
    masked = STRING.sub(lambda m: m.group(0)[0] + "_" * (len(m.group(0)) - 2) + m.group(0)[-1], line)
    at = masked.find("//")
    return line[:at] if at >= 0 else line


def code_lines(text):
    """(number, line, masked) for each line worth changing: comments blanked,
    the insides of strings and characters masked, and the scope the line
    begins in ("code" for a function body, "type" or "init" else)."""
    result = []
    in_comment = False
    skipping = False  # the rest of a preprocessor line or static_assert
    scopes = []
    pending = ""  # text since the last ; { or }, to tell what a { opens
    for number, line in enumerate(text.split("\n"), 1):
        masked = STRING.sub(lambda m: m.group(0)[0] + "_" * (len(m.group(0)) - 2) + m.group(0)[-1], line)
        out = []
        i = 0
        while i < len(masked):
            if in_comment:
                end = masked.find("*/", i)
                if end < 0:
                    out.append(" " * (len(masked) - i))
                    i = len(masked)
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_comment = False
            elif masked.startswith("//", i):
                out.append(" " * (len(masked) - i))
                i = len(masked)
            elif masked.startswith("/*", i):
                in_comment = True
            else:
                out.append(masked[i])
                i += 1
        code = "".join(out)
        scope = scopes[-1] if scopes else "type"
        stripped = code.strip()
        skip = skipping or not stripped or stripped.startswith("#") or "static_assert" in code
        if stripped.startswith("#"):
            skipping = code.rstrip().endswith("\\")
        elif "static_assert" in code or skipping:
            skipping = code.count("(") > code.count(")") if "static_assert" in code else not stripped.endswith(";")
        if not skip:
            result.append((number, line, code, scope))
        if stripped.startswith("#"):
            continue
        for ch in code:
            if ch == "{":
                before = pending.strip()
                if re.search(r"\b(class|struct|union|enum|namespace)\b", before) and not before.endswith(")"):
                    kind = "type"
                elif not before or before.endswith(("=", ",", "(", "{", "return")) or re.search(r"[\w>]$", before) \
                        and not re.search(r"\b(else|do|try|const|override|noexcept|mutable|final)$", before):
                    kind = "init" if scopes and scopes[-1] != "type" or before.endswith("=") else "code"
                    if re.search(r"\)\s*->\s*[\w:<>]+$", before):
                        kind = "code"
                else:
                    kind = "code"
                scopes.append(kind)
                pending = ""
            elif ch == "}":
                if scopes:
                    scopes.pop()
                pending = ""
            elif ch == ";":
                pending = ""
            else:
                pending += ch
        pending += " "
    return result


def number_changes(token, exponent, suffix):
    """The token changed by one either way (text, description)."""
    out = []
    if token.lower().startswith("0x"):
        value = int(token, 16)
        out.append(hex(value + 1))
        if value > 0:
            out.append(hex(value - 1))
    elif "." in token:
        whole, _, fraction = token.partition(".")
        value = int(whole or "0")
        out.append(f"{value + 1}.{fraction}")
        if value > 0:
            out.append(f"{value - 1}.{fraction}")
    else:
        value = int(token)
        out.append(str(value + 1))
        if value > 0:
            out.append(str(value - 1))
    return [(t + exponent + suffix, f"{token}{exponent}{suffix} to {t}{exponent}{suffix}") for t in out]


def argument_swaps(code):
    """(start, end, new text of the span, description) for two neighbouring
    plain arguments of one call swapped."""
    swaps = []
    stack = []
    for i, ch in enumerate(code):
        if ch in "([{":
            stack.append((ch, i))
        elif ch in ")]}" and stack:
            kind, start = stack.pop()
            if kind != "(" or ch != ")":
                continue
            callee = re.search(r"([A-Za-z_][\w:]*)\s*$", code[:start])
            if not callee or callee.group(1) in KEYWORDS or callee.group(1) in SYMMETRIC:
                continue
            inner = code[start + 1:i]
            parts, depth, last = [], 0, 0
            for j, c in enumerate(inner):
                if c in "([{<":
                    depth += 1
                elif c in ")]}>":
                    depth -= 1
                elif c == "," and depth == 0:
                    parts.append((last, j))
                    last = j + 1
            parts.append((last, len(inner)))
            for (a0, a1), (b0, b1) in zip(parts, parts[1:]):
                a, b = inner[a0:a1].strip(), inner[b0:b1].strip()
                same = (a[0].isdigit() == b[0].isdigit()) and (a[0] == '"') == (b[0] == '"') if a and b else False
                if a != b and SIMPLE.match(a) and SIMPLE.match(b) and same:
                    s0 = start + 1 + a0 + (len(inner[a0:a1]) - len(inner[a0:a1].lstrip()))
                    s1 = start + 1 + b0 + len(inner[b0:b1].rstrip())
                    swaps.append((s0, s1, (a, b), f"swap {a}, {b}"))
    return swaps


def generate(paths):
    faults = []
    for path in paths:
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            text = f.read()
        header = path.endswith(".h")
        previous_end = ";"
        for number, line, code, scope in code_lines(text):
            changes = []  # (kind, new line)
            for m in OPERATOR.finditer(code):
                op = m.group(1)
                if code[:m.start()].rstrip().endswith("operator"):
                    continue
                new = COMPARISON.get(op) or ARITHMETIC[op]
                changes.append((f"{op} to {new}", line[:m.start()] + new + line[m.end():]))
            for m in NUMBER.finditer(code):
                for replacement, kind in number_changes(m.group(1), m.group(2) or "", m.group(3)):
                    changes.append((kind, line[:m.start()] + replacement + line[m.end():]))
            for s0, s1, (a, b), kind in argument_swaps(code):
                span = line[s0:s1]
                a_text, b_text = span[:len(a)], span[len(span) - len(b):]
                changes.append((kind, line[:s0] + b_text + span[len(a):len(span) - len(b)] + a_text + line[s1:]))
            statement_start = previous_end.endswith((";", "{", "}", ":")) and not previous_end.endswith("::")
            if scope == "code" and not header and statement_start and code.count("(") == code.count(")"):
                first = re.match(r"\s*([A-Za-z_]\w*)", code)
                if CALL.match(code) and first and first.group(1) not in KEYWORDS:
                    changes.append(("delete call", line[:len(line) - len(line.lstrip())]))
                elif ASSIGNMENT.match(code) and not re.search(r"=\s*(default|delete|0)\s*;", code):
                    changes.append(("delete assignment", line[:len(line) - len(line.lstrip())]))
            seen = {}
            for kind, new in changes:
                seen[kind] = seen.get(kind, 0) + 1
                suffix = ORDINALS.get(seen[kind], f" ({seen[kind]}th)")
                if new != line:
                    faults.append(Generated(path, number, line, kind + suffix, new))
            previous_end = code.strip() or previous_end
    return faults


def source_files():
    out = subprocess.run(["git", "-C", ROOT, "ls-files", "--cached", "--others", "--exclude-standard", *FOLDERS],
                         stdout=subprocess.PIPE, text=True, check=True).stdout.split("\n")
    return sorted(p for p in out if p.endswith((".cpp", ".h")) and os.path.isfile(os.path.join(ROOT, p)))


def parse_equivalents(path):
    """key -> reason."""
    found = {}
    if not os.path.isfile(path):
        return found
    key = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if not line[0].isspace():
                key = line.strip()
                found[key] = None
            elif line.lstrip().startswith("= ") and key:
                found[key] = line.lstrip()[2:]
            else:
                sys.exit(f"{path}:{number}: expected a fault or '  = the reason'")
    missing = [k for k, reason in found.items() if not reason]
    if missing:
        sys.exit(f"{path}: a reason is missing for {missing[0]}")
    return found


# ------------------------------------------------------------ the working copy

def run(cmd, cwd, timeout=None):
    """(exit code, output); (None, "") when the time ran out."""
    # A session of its own, so that a hang ends with all it started: a fault
    # can make a build step (the artwork's baking) loop as well as a test.
    with subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          errors="replace", start_new_session=True) as p:
        try:
            out, _ = p.communicate(timeout=timeout)
            return p.returncode, out or ""
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.communicate()
            return None, ""


MIRRORED = ("CMAKE_BUILD_TYPE", "CMAKE_CXX_COMPILER", "CMAKE_C_COMPILER", "CMAKE_CXX_COMPILER_LAUNCHER",
            "UMRIDO_WERROR", "UMRIDO_BUILD_UI", "UMRIDO_BUILD_BENCH", "UMRIDO_SANITIZE", "UMRIDO_FUZZ")


def mirrored_options(build_dir):
    """The cmake options of a build folder of the checkout itself, or None."""
    cache = os.path.join(build_dir, "CMakeCache.txt")
    if not os.path.isfile(cache) or os.path.dirname(os.path.relpath(build_dir, ROOT)) != "":
        return None
    found = {}
    with open(cache, encoding="utf-8", errors="replace") as f:
        for line in f:
            name, _, value = line.rstrip("\n").partition("=")
            name, _, kind = name.partition(":")
            if name == "CMAKE_HOME_DIRECTORY" and os.path.realpath(value) != os.path.realpath(ROOT):
                return None
            if name in MIRRORED and value:
                found[name] = f"-D{name}:{kind}={value}"
    return list(found.values())


class WorkingCopy:
    """The checkout's files (tracked or new, not ignored) copied under the
    build folder. Only files whose content differs are written, so the
    copy's build stays incremental."""

    def __init__(self, build_dir):
        self.top = os.path.join(build_dir, "mutation")
        self.src = os.path.join(self.top, "src")
        self.options = mirrored_options(build_dir)
        if self.options is None:
            self.build = os.path.join(self.top, "build")
        else:
            # The checkout's own build folder, in the image of which the copy
            # is built: at the same place relative to the sources and with the
            # same options, every unchanged file is a cache hit.
            self.build = os.path.join(self.src, os.path.relpath(build_dir, ROOT))

    def sync(self):
        out = subprocess.run(["git", "-C", ROOT, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                             stdout=subprocess.PIPE, check=True).stdout.decode("utf-8", "replace")
        wanted = set()
        for path in filter(None, out.split("\0")):
            source = os.path.join(ROOT, path)
            if not os.path.isfile(source) or os.path.islink(source):
                continue
            wanted.add(path)
            self.put(path, self.read_original(path))
            shutil.copymode(source, os.path.join(self.src, path))
        for top, dirs, files in os.walk(self.src):
            dirs[:] = [d for d in dirs if os.path.join(top, d) != self.build]
            for name in files:
                path = os.path.relpath(os.path.join(top, name), self.src)
                if path not in wanted:
                    os.remove(os.path.join(top, name))

    @staticmethod
    def read_original(path):
        with open(os.path.join(ROOT, path), "rb") as f:
            return f.read()

    def put(self, path, data):
        target = os.path.join(self.src, path)
        if os.path.isfile(target):
            with open(target, "rb") as f:
                if f.read() == data:
                    return
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)

    def plant(self, fault):
        """False when the fault no longer fits its file (stale)."""
        original = self.read_original(fault.path).decode("utf-8")
        planted = fault.apply(original)
        if planted is None or planted == original:
            return False
        self.put(fault.path, planted.encode("utf-8"))
        return True

    def restore(self, fault):
        self.put(fault.path, self.read_original(fault.path))


class Runner:
    def __init__(self, args, copy):
        self.copy = copy
        self.build = copy.build
        self.jobs = str(args.jobs)
        self.timeout = args.timeout
        self.verbose = args.verbose
        self._targets = None
        self._steps = None

    def configure(self):
        if os.path.isfile(os.path.join(self.build, "CMakeCache.txt")):
            return
        cmd = ["cmake", "-S", self.copy.src, "-B", self.build, "-DBUILD_TESTING=ON"]
        if self.copy.options is not None:
            cmd += self.copy.options
        else:
            cmd += ["-DCMAKE_BUILD_TYPE=Release", "-DUMRIDO_BUILD_BENCH=OFF"]
            if shutil.which("ccache"):
                # The original compiles again after every fault: a cache hit.
                cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        code, out = run(cmd, self.copy.src)
        if code != 0:
            sys.exit("configuring the mutation build failed:\n" + out)

    def targets(self):
        if self._targets is None:
            code, out = run(["cmake", "--build", self.build, "--target", "help"], self.build)
            names = [l.split()[1] for l in out.splitlines() if l.startswith("... ")]
            # catalogue_dump feeds the catalogue snapshot test.
            engine = [n for n in names if n.endswith("_tests") or n == "catalogue_dump"]
            window = [n for n in names if n.startswith("ui_") and n.endswith("_test")] + ["umrido"]
            self._targets = engine, window
        return self._targets

    def stages(self, fault):
        """Engine tests first (fast), the window tests after; a fault in the
        window's own code only reaches the window tests (and the artwork's)."""
        engine, window = self.targets()
        stages = []
        if fault is None or fault.folder != "ui" or fault.path.startswith("ui/art/"):
            stages.append((engine, "engine"))
        stages.append((window, "window"))
        return stages

    def gtest_programs(self, targets):
        found = []
        for top, _dirs, files in os.walk(os.path.join(self.build, "tests")):
            found += [os.path.join(top, f) for f in files if f in targets and f.endswith("_tests")]
        return sorted(found)

    def run_tests(self, stage, targets, tests=None):
        """True when every test of the stage (or the named ones) passes within the time limit."""
        if stage == "engine":
            # The GoogleTest programs run whole, each in one process: through
            # ctest every case would start a process of its own.
            for program in self.gtest_programs(targets):
                code, _ = run([program, "--gtest_fail_fast", "--gtest_brief=1"], self.build, timeout=self.timeout)
                if code != 0:
                    return False
            select = ["-E", "^ui_", "-R", "^[a-z_]+$"]  # the other engine tests, e.g. catalogue_snapshot
        elif tests:
            select = ["-R", "^(" + "|".join(re.escape(t) for t in tests) + ")$"]
        else:
            select = ["-R", "^ui_"]
        code, out = run(["ctest", "--test-dir", self.build, "--stop-on-failure", "--timeout", str(self.timeout),
                         *select], self.build)
        if code != 0 and self.verbose:
            print("\n".join(l for l in out.splitlines() if "***" in l or "Failed" in l)[:2000])
        return code == 0

    def window_steps(self, targets):
        """(program, its tests) in the order the tests are listed: each window
        program is linked only when the ones before it passed."""
        if self._steps is None:
            out = subprocess.run(["ctest", "--test-dir", self.build, "--show-only=json-v1", "-R", "^ui_"],
                                 cwd=self.build, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
            try:
                listed = json.loads(out).get("tests", [])
            except ValueError:
                listed = []
            steps = {}
            for test in listed:
                names = {os.path.basename(part) for part in test.get("command", [])}
                target = next((t for t in targets if t in names), None)
                if target is None:
                    return [(targets, None)]  # a test that names no program: everything at once
                steps.setdefault(target, []).append(test["name"])
            self._steps = list(steps.items()) or [(targets, None)]
        return self._steps

    def build_and_test(self, fault):
        """('caught' | 'not caught' | 'not compiling', the stage that caught it)."""
        for targets, stage in self.stages(fault):
            steps = [(targets, None)] if stage == "engine" else self.window_steps(targets)
            if fault is not None and fault.path.startswith("ui/art/"):
                # Pictures: the frame comparison is the likeliest to see them.
                steps = sorted(steps, key=lambda step: "first_frame" not in str(step[0]))
            for target, tests in steps:
                names = [target] if isinstance(target, str) else target
                code, out = run(["cmake", "--build", self.build, "--parallel", self.jobs, "--target", *names],
                                self.build, timeout=BUILD_TIMEOUT)
                if code != 0:
                    if self.verbose:
                        print(out[-3000:])
                    return "not compiling", stage
                if not self.run_tests(stage, names, tests):
                    return "caught", stage
        return "not caught", None


def main():
    parser = argparse.ArgumentParser(description="Plants faults one at a time in a copy of the tree and runs the tests.")
    parser.add_argument("--sample", action="store_true", help="only the listed faults marked with * (a quick check)")
    parser.add_argument("--generate", type=int, metavar="N", help="N faults generated from --seed instead of the list")
    parser.add_argument("--seed", type=int, default=1, help="seed of the generated sample (default 1)")
    parser.add_argument("--survivors", action="store_true",
                        help="with --generate: run again only the faults the last run of this seed did not catch")
    parser.add_argument("--list", action="store_true", help="only print the chosen faults")
    parser.add_argument("--folder", action="append", choices=FOLDERS, help="only the faults in this folder")
    parser.add_argument("--match", action="append", help="only faults whose file or description contains this text")
    parser.add_argument("--check", action="store_true", help="only check that every listed snippet occurs once")
    parser.add_argument("--build-dir", default="build-mutation",
                        help="build folder; the copy and its build go in BUILD/mutation (default build-mutation)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=60, help="seconds per test; a hang counts as caught")
    parser.add_argument("--skip-baseline", action="store_true", help="trust that the unchanged tree passes its tests")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    stale = {}
    if args.generate:
        equivalents = parse_equivalents(EQUIVALENTS)
        everything = generate(source_files())
        rng = random.Random(args.seed)
        chosen = rng.sample(everything, min(args.generate, len(everything)))
        for fault in chosen:
            fault.equivalent = equivalents.get(fault.key())
        print(f"{len(everything)} faults generated, {len(chosen)} drawn with seed {args.seed}.")
    else:
        chosen = parse_faults(FAULTS)
        stale = stale_snippets(chosen)
        if args.check:
            if stale:
                print("Stale fault list:\n  " + "\n  ".join(f"{f.label()}: {p}" for f, p in stale.items()))
                sys.exit(2)
            print(f"{len(chosen)} faults, every snippet found once.")
            return
    chosen = [f for f in chosen if (not args.sample or getattr(f, "sample", False))
              and (not args.folder or f.folder in args.folder)
              and (not args.match or any(m in f.label() for m in args.match))]
    # The engines first: their tests are fast. Within a folder the generated
    # faults keep the order of the draw, so that a run cut short has still
    # tried a random part of the sample.
    order = {f: i for i, f in enumerate(chosen)}
    chosen.sort(key=lambda f: (FOLDERS.index(f.folder), 0 if args.generate else f.path, order[f]))
    if args.list:
        for f in chosen:
            print(f.label() + (f"\n  = {f.equivalent}" if f.equivalent else ""))
        return

    copy = WorkingCopy(os.path.join(ROOT, args.build_dir))
    runner = Runner(args, copy)
    results_file = os.path.join(copy.top, f"results-seed{args.seed}.json") if args.generate else None
    results, stages = {}, {}
    active = [f for f in chosen if f.equivalent is None]
    if args.survivors and results_file and os.path.isfile(results_file):
        with open(results_file, encoding="utf-8") as f:
            earlier = json.load(f)
        for fault in active:
            if fault.key() in earlier and earlier[fault.key()][0] != "not caught":
                results[fault], stages[fault] = earlier[fault.key()]
        # Faults the last run never reached stay out: this is a re-check.
        active = [f for f in active if f not in results and f.key() in earlier]
    for fault in active:
        if fault in stale:
            results[fault] = "stale"
    active = [f for f in active if f not in results]

    def stop(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)

    started = time.time()
    try:
        copy.sync()
        runner.configure()
        print(f"Building and testing the unchanged copy in {os.path.relpath(copy.top, ROOT)} ...", flush=True)
        if not args.skip_baseline and runner.build_and_test(None)[0] != "not caught":
            sys.exit("The unchanged tree must build and pass its tests first.")
        for i, fault in enumerate(active, 1):
            t0 = time.time()
            if not copy.plant(fault):
                results[fault] = "stale"
            else:
                try:
                    results[fault], stages[fault] = runner.build_and_test(fault)
                finally:
                    copy.restore(fault)
            print(f"[{i}/{len(active)}] {results[fault]:13} {time.time() - t0:5.0f} s  {fault.label()}", flush=True)
    except KeyboardInterrupt:
        print("\nInterrupted.")
    finally:
        copy.sync()
        if results_file:
            # Runs of one seed over different folders add up.
            saved = {}
            if os.path.isfile(results_file):
                with open(results_file, encoding="utf-8") as f:
                    saved = json.load(f)
            saved.update({k.key(): [v, stages.get(k)] for k, v in results.items()})
            with open(results_file, "w", encoding="utf-8") as f:
                json.dump(saved, f, indent=0)

    report(chosen, results, stages, stale, time.time() - started)
    if any(outcome in ("not compiling", "stale") for outcome in results.values()) and not args.generate:
        sys.exit(1)
    # The sample is a check: each of its faults must be caught.
    if args.sample and any(outcome != "caught" for outcome in results.values()):
        sys.exit(1)


def report(chosen, results, stages, stale, seconds):
    print(f"\nMutation report ({len(results)} faults in {seconds / 60:.1f} min)")
    print(f"{'folder':12} {'caught':>14} {'not compiling':>14} {'stale':>6} {'equivalent':>11}")
    for folder in FOLDERS:
        here = [f for f in chosen if f.folder == folder]
        counted = [f for f in here if results.get(f) in ("caught", "not caught")]
        caught = sum(1 for f in counted if results[f] == "caught")
        broken = sum(1 for f in here if results.get(f) == "not compiling")
        old = sum(1 for f in here if results.get(f) == "stale")
        equivalent = sum(1 for f in here if f.equivalent is not None)
        if not counted and not broken and not old and not equivalent:
            continue
        pct = f"{100 * caught / len(counted):.1f}%" if counted else "-"
        print(f"{folder:12} {caught:>4} of {len(counted):<3} {pct:>6} {broken:>12} {old:>6} {equivalent:>11}")

    def listing(title, faults, extra=lambda f: ""):
        if faults:
            print(f"\n{title}:")
            for f in faults:
                print(f"  {f.label()}{extra(f)}")

    listing("Not caught", [f for f in chosen if results.get(f) == "not caught"])
    listing("Engine faults caught only by a window test",
            [f for f in chosen if results.get(f) == "caught" and stages.get(f) == "window" and f.folder != "ui"])
    listing("Not compiling", [f for f in chosen if results.get(f) == "not compiling"])
    listing("Stale (the snippet no longer fits; rewrite the fault)",
            [f for f in chosen if results.get(f) == "stale"], lambda f: f": {stale.get(f, 'changed')}")
    listing("Equivalent, left out of the count", [f for f in chosen if f.equivalent is not None],
            lambda f: f"\n      {f.equivalent}")


if __name__ == "__main__":
    main()
