#!/usr/bin/env python3
"""Mutation check: plants each fault of tests/mutation/faults.txt in turn,
rebuilds, runs the tests and tells which faults no test caught.

The file format is described at the top of tests/mutation/faults.txt.
A fault is caught when a test fails or hangs; a fault whose program does not
build is counted apart ("not compiling") and should be replaced. The tree is
left exactly as found: every changed file is backed up first and restored
afterwards, on Ctrl+C and on SIGTERM too, and a backup left over by a run that
was killed outright is restored at the next start.
"""
import argparse
import json
import os
import random
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
FAULTS = os.path.join(ROOT, "tests", "mutation", "faults.txt")
FOLDERS = ["catalogue", "core", "calculator", "ui"]


class Fault:
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


def check_snippets(faults):
    problems = []
    for fault in faults:
        file = os.path.join(ROOT, fault.path)
        if not os.path.isfile(file):
            problems.append(f"{fault.label()}: no such file")
            continue
        with open(file, encoding="utf-8") as f:
            count = f.read().count(fault.old)
        if count != 1:
            problems.append(f"{fault.label()}: the snippet occurs {count} times")
        if fault.old == fault.new:
            problems.append(f"{fault.label()}: the replacement equals the snippet")
    return problems


class Backup:
    """One planted file at a time, saved beside the build folder."""

    def __init__(self, build_dir):
        self.dir = os.path.join(build_dir, "mutation-backup")
        self.record = os.path.join(self.dir, "planted.json")

    def restore(self):
        if not os.path.isfile(self.record):
            return False
        with open(self.record, encoding="utf-8") as f:
            entry = json.load(f)
        shutil.copyfile(os.path.join(self.dir, "original"), os.path.join(ROOT, entry["path"]))
        os.remove(self.record)
        return True

    def plant(self, fault):
        os.makedirs(self.dir, exist_ok=True)
        file = os.path.join(ROOT, fault.path)
        shutil.copyfile(file, os.path.join(self.dir, "original"))
        with open(self.record, "w", encoding="utf-8") as f:
            json.dump({"path": fault.path}, f)
        with open(file, encoding="utf-8") as f:
            text = f.read()
        with open(file, "w", encoding="utf-8") as f:
            f.write(text.replace(fault.old, fault.new, 1))


def run(cmd, timeout=None, quiet=True):
    try:
        r = subprocess.run(cmd, cwd=ROOT, timeout=timeout, stdout=subprocess.PIPE if quiet else None,
                           stderr=subprocess.STDOUT if quiet else None, text=True,
                           errors="replace")
        return r.returncode, r.stdout or ""
    except subprocess.TimeoutExpired:
        return None, ""


class Runner:
    def __init__(self, args):
        self.build = os.path.join(ROOT, args.build_dir)
        self.jobs = str(args.jobs)
        self.timeout = args.timeout
        self.verbose = args.verbose

    def configure(self):
        if os.path.isfile(os.path.join(self.build, "CMakeCache.txt")):
            return
        cmd = ["cmake", "-S", ".", "-B", self.build, "-DCMAKE_BUILD_TYPE=Release", "-DBUILD_TESTING=ON",
               "-DUMRIDO_BUILD_BENCH=OFF"]
        if shutil.which("ccache"):
            # The restored original compiles again after every fault: a cache hit.
            cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        code, out = run(cmd)
        if code != 0:
            sys.exit("configuring the mutation build failed:\n" + out)

    def targets(self):
        code, out = run(["cmake", "--build", self.build, "--target", "help"])
        names = [l.split()[1] for l in out.splitlines() if l.startswith("... ")]
        # catalogue_dump feeds the catalogue snapshot test.
        engine = [n for n in names if n.endswith("_tests") or n == "catalogue_dump"]
        window = [n for n in names if n.startswith("ui_") and n.endswith("_test")] + ["umrido"]
        return engine, window

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

    def run_tests(self, stage, targets):
        """True when every test of the stage passes (within the time limit)."""
        if stage == "engine":
            # The GoogleTest programs run whole, each in one process: through
            # ctest every case would start a process of its own.
            for program in self.gtest_programs(targets):
                code, _ = run([program, "--gtest_fail_fast", "--gtest_brief=1"], timeout=self.timeout)
                if code != 0:
                    return False
            select = ["-E", "^ui_", "-R", "^[a-z_]+$"]  # the other engine tests, e.g. catalogue_snapshot
        else:
            select = ["-R", "^ui_"]
        code, out = run(["ctest", "--test-dir", self.build, "--stop-on-failure", "--timeout", str(self.timeout),
                         *select])
        if code != 0 and self.verbose:
            print("\n".join(l for l in out.splitlines() if "***" in l or "Failed" in l)[:2000])
        return code == 0

    def build_and_test(self, fault):
        """'caught', 'not caught' or 'not compiling'."""
        for targets, stage in self.stages(fault):
            code, out = run(["cmake", "--build", self.build, "--parallel", self.jobs, "--target", *targets])
            if code != 0:
                if self.verbose:
                    print(out[-3000:])
                return "not compiling"
            if not self.run_tests(stage, targets):
                return "caught"
        return "not caught"


def main():
    parser = argparse.ArgumentParser(description="Plants each listed fault in turn and runs the tests.")
    parser.add_argument("--sample", action="store_true", help="only the faults marked with * (a quick check)")
    parser.add_argument("--folder", action="append", choices=FOLDERS, help="only the faults in this folder")
    parser.add_argument("--match", action="append", help="only faults whose file or description contains this text")
    parser.add_argument("--check", action="store_true", help="only check that every snippet occurs once")
    parser.add_argument("--build-dir", default="build-mutation", help="build folder (default build-mutation)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=60, help="seconds per test; a hang counts as caught")
    parser.add_argument("--skip-baseline", action="store_true",
                        help="trust that the unchanged tree passes (it was just built and tested)")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    runner = Runner(args)
    backup = Backup(runner.build)
    if backup.restore():
        print("Restored a file left planted by an interrupted run.")

    faults = parse_faults(FAULTS)
    problems = check_snippets(faults)
    if problems:
        print("Stale fault list:\n  " + "\n  ".join(problems))
        sys.exit(2)
    if args.check:
        print(f"{len(faults)} faults, every snippet found once.")
        return
    chosen = [f for f in faults if (not args.sample or f.sample) and (not args.folder or f.folder in args.folder)
              and (not args.match or any(m in f.path or m in f.description for m in args.match))]
    active = [f for f in chosen if f.equivalent is None]

    def stop(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)

    results = {}
    started = time.time()
    try:
        runner.configure()
        print(f"Building and testing the unchanged tree in {os.path.relpath(runner.build, ROOT)} ...", flush=True)
        if not args.skip_baseline and runner.build_and_test(None) != "not caught":
            sys.exit("The unchanged tree must build and pass its tests first.")
        for i, fault in enumerate(active, 1):
            t0 = time.time()
            backup.plant(fault)
            try:
                outcome = runner.build_and_test(fault)
            finally:
                backup.restore()
            results[fault] = outcome
            print(f"[{i}/{len(active)}] {outcome:13} {time.time() - t0:5.0f} s  {fault.label()}", flush=True)
    except KeyboardInterrupt:
        print("\nInterrupted; the tree is restored.")
    finally:
        backup.restore()
        # The build folder's programs match the tree again.
        if results:
            run(["cmake", "--build", runner.build, "--parallel", runner.jobs, "--target",
                 *sum((t for t, _ in runner.stages(None)), [])])

    report(chosen, results, time.time() - started)
    if any(outcome == "not compiling" for outcome in results.values()):
        sys.exit(1)
    # The sample is a check: each of its faults must be caught.
    if args.sample and any(outcome != "caught" for outcome in results.values()):
        sys.exit(1)


def report(chosen, results, seconds):
    print(f"\nMutation report ({len(results)} faults run in {seconds / 60:.1f} min)")
    print(f"{'folder':12} {'caught':>14} {'not compiling':>14} {'equivalent':>11}")
    for folder in FOLDERS:
        run_here = [f for f in chosen if f.folder == folder and f in results]
        counted = [f for f in run_here if results[f] != "not compiling"]
        caught = sum(1 for f in counted if results[f] == "caught")
        broken = len(run_here) - len(counted)
        equivalent = sum(1 for f in chosen if f.folder == folder and f.equivalent is not None)
        if not run_here and not equivalent:
            continue
        pct = f"{100 * caught / len(counted):.0f}%" if counted else "-"
        print(f"{folder:12} {caught:>4} of {len(counted):<3} {pct:>4} {broken:>14} {equivalent:>11}")
    missed = [f for f in chosen if results.get(f) == "not caught"]
    if missed:
        print("\nNot caught:")
        for f in missed:
            print(f"  {f.label()}")
    broken = [f for f in chosen if results.get(f) == "not compiling"]
    if broken:
        print("\nNot compiling (replace these faults):")
        for f in broken:
            print(f"  {f.label()}")
    equivalent = [f for f in chosen if f.equivalent is not None]
    if equivalent:
        print("\nEquivalent, left out of the count:")
        for f in equivalent:
            print(f"  {f.label()}: {f.equivalent}")


if __name__ == "__main__":
    main()
