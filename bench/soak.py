#!/usr/bin/env python3
"""A bounded soak run of lumora-cli over random jobs, in a scratch data folder of its own.

  nice bench/soak.py [--jobs 1000] [--seed 1] [--cli PATH] [--scratch DIR]

Each job (sheet or coil, random stock, glass, kerf, tolerance, B (MM) and objective) goes
through: summary; optimize with the standard engine (EFF 1 to 3) or the deep one (a budget of
5 to 30 search steps and a seed); check --result; alternate; edit (--strict, so an edit that would leave
its layout uncuttable is not stored) and check --result again; report; labels; export of the
glass list and of every part; import of the exported glass list into a copy of the job.
Every result must pass the validator (an edit may change the plan, never what a cutter meets),
every job file written must reopen, every command must end with an exit code it documents, and
no working file may be left in the data folder. Prints the figures; exits 1 when anything failed,
leaving the failed jobs in the scratch folder. Not part of `make test`: it takes a while.
"""

import argparse
import collections
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CUSTOMERS = ["ACME GLAZING", "NORTH WINDOW", "CITY DOORS", "PARKSIDE", "M\xdcLLER GLAS", ""]
# What each command may answer besides 0: nothing to do or refused (2), the run's own refusal
# (3), no result (4).
ALLOWED = {"optimize": {0, 2, 3, 4}, "alternate": {0, 2}, "edit": {0, 2}, "check": {0, 2}}
WORKING_FILE = re.compile(r"^[0-9][0-9.]*[A-Za-z]")


def cell(value):
    return '"' + str(value) + '"'


def row(values):
    return ",".join(cell(v) for v in values) + "\r\n"


def random_job(rng, coil):
    """The bytes of a random job file and its stock sizes (L1, L2)."""
    kerf = rng.choice([0, 0, 2, 3, 4])
    tolerance = rng.choice([0, 0, 1, 2])
    b_mm = 0 if coil else rng.choice([0, 0, 0, 50, 100])
    basic = row(["SOAK", "CLR", rng.choice([4, 5, 6]), "", "", kerf, "soak", tolerance, b_mm, "",
                 ""])
    options = rng.choice(["-1,0", "0,-1"]) + "\r\n"
    stocks = []
    for _ in range(rng.randint(1, 2 if coil else 3)):
        if coil:
            l1, l2 = rng.randint(5000, 40000), rng.randint(800, 2500)
        else:
            l1 = rng.randint(1200, 4000)
            l2 = rng.randint(800, min(l1, 3200))
        margins = [rng.randint(0, 20) if rng.random() < 0.3 else "" for _ in range(4)]
        stocks.append((l1, l2, [l1, l2, "", "", rng.randint(1, 15), *margins,
                                round(rng.uniform(0.5, 2), 2)]))
    short = min(min(l1, l2) for l1, l2, _ in stocks)
    glass = []
    for n in range(rng.randint(1, 12)):
        top = short if rng.random() < 0.95 else short + 500
        l1, l2 = rng.randint(100, top), rng.randint(100, top)
        orn = rng.choice(["", "", "", "1", "2"])
        glass.append([l1, l2, "", "", rng.randint(1, 8), orn, "", "", rng.choice(CUSTOMERS),
                      round(rng.uniform(3, 9), 1), n + 1, "", "", "", "", ""])
    text = ("[BASIC.TLF]\r\n" + basic + "[END]\r\n[OPTIONS.TLF]\r\n" + options +
            "[END]\r\n[SHEET.TLF]\r\n" + "".join(row(s) for _, _, s in stocks) +
            "[END]\r\n[CUT.TLF]\r\n" + "".join(row(g) for g in glass) +
            "[END]\r\n[DIA.TLF]\r\n[END]\r\n")
    return text.encode("latin-1")


def layout_elements(job_path):
    """The elements of the job's stored layouts: (layout, kind, x1, y1, x2, y2) in file order."""
    with open(job_path, "rb") as f:
        text = f.read().decode("latin-1")
    section = text.split("[DIA.TLF]\r\n", 1)[-1].split("[END]", 1)[0]
    elements = []
    for line in section.split("\r\n"):
        fields = line.split(",")
        if len(fields) >= 9:
            elements.append((int(fields[0]), int(fields[1]), *map(float, fields[3:7])))
    return elements


class Soak:
    def __init__(self, cli, scratch):
        self.cli = cli
        self.scratch = scratch
        self.data = os.path.join(scratch, "data")
        self.calls = 0
        self.codes = collections.Counter()
        self.seconds = collections.Counter()
        self.slowest = (0.0, "")
        self.figures = collections.Counter()
        self.failures = []
        self.job = None

    def run(self, *args, allowed=None):
        """Runs the cli in the job's folder; a crash, a hang or an undocumented exit fails."""
        self.calls += 1
        command = [self.cli, *args, "--data-dir", self.data]
        start = time.time()
        try:
            done = subprocess.run(command, cwd=os.path.dirname(self.job), capture_output=True,
                                  timeout=300)
            took = time.time() - start
            self.seconds[args[0]] += took
            self.slowest = max(self.slowest, (took, " ".join(args)))
        except subprocess.TimeoutExpired:
            self.fail(args, "no answer within 300 s")
            return None, ""
        out = (done.stdout + done.stderr).decode("latin-1")
        self.codes[(args[0], done.returncode)] += 1
        if done.returncode not in (allowed or {0}):
            self.fail(args, "exit %d: %s" % (done.returncode, out.strip()[-400:]))
        return done.returncode, out

    def fail(self, args, what):
        self.failures.append("%s: %s: %s" % (os.path.basename(self.job), " ".join(args), what))

    def reopens(self, path):
        code, out = self.run("summary", path)
        return code == 0 and "Glass sizes:" in out

    def check_result(self, name, after_edit=False):
        code, out = self.run("check", self.job, "--result", allowed=ALLOWED["check"])
        self.figures["results checked"] += 1
        cuts = [l for l in out.splitlines() if l.startswith("cuts:")]
        plan = [l for l in out.splitlines() if l.startswith("plan:")]
        self.figures["problems a cutter would meet"] += len(cuts)
        if cuts or (plan and not after_edit):
            self.fail(["check", "--result"], "after %s: %s" % (name, "; ".join(cuts + plan)))
        if plan:
            self.figures["hand-edited plans that differ from the order"] += 1

    def edit(self, rng, coil):
        elements = layout_elements(self.job)
        layout = rng.randint(1, elements[-1][0])
        # A coil's leftovers run on beyond the length the layout uses, where nothing is drawn.
        targets = [e for e in elements if e[0] == layout and (e[1] > 0 or e[1] == -4 and not coil)
                   and e[4] > e[2] and e[5] > e[3]]
        frame = next(e for e in elements if e[0] == layout and e[1] == -1)
        args = ["edit", self.job, "--layout", str(layout), "--strict"]
        action = rng.choice(["move", "move", "delete", "add"]) if targets else "add"
        if action == "add":
            args += ["--add", "0", "--xs", str(rng.randint(0, int(frame[4]) // 2)),
                     "--ys", str(rng.randint(0, int(frame[5]) // 2)), "--dim-x", "100",
                     "--dim-y", "100"]
        else:
            target = rng.choice(targets)
            args += ["--at", "%g,%g" % ((target[2] + target[4]) / 2, (target[3] + target[5]) / 2)]
            if action == "delete":
                args.append("--delete")
            else:
                args += ["--xs", str(rng.randint(0, int(frame[4]))),
                         "--ys", str(rng.randint(0, int(frame[5])))]
        code, _ = self.run(*args, allowed=ALLOWED["edit"])
        self.figures["edits (%s) %s" % (action, "stored" if code == 0 else "refused")] += 1
        if code == 0 and not self.reopens(self.job):
            self.fail(args, "the edited job does not reopen")
        self.check_result("edit", after_edit=True)

    def one_job(self, number, rng):
        coil = rng.random() < 0.3
        folder = os.path.join(self.scratch, "job%04d" % number)
        os.makedirs(folder)
        self.job = os.path.join(folder, "job.sdr" if coil else "job.opt")
        original = random_job(rng, coil)
        with open(self.job, "wb") as f:
            f.write(original)
        failures = len(self.failures)
        self.figures["coil jobs" if coil else "sheet jobs"] += 1
        if not self.reopens(self.job):
            self.fail(["summary"], "the generated job does not open")
        if rng.random() < 0.5:
            engine = "standard"
            code, out = self.run("optimize", self.job, "--eff", str(rng.randint(1, 3)), "--quiet",
                                 allowed=ALLOWED["optimize"])
        else:
            engine = "deep"
            code, out = self.run("optimize", self.job, "--engine", "deep", "--budget",
                                 str(rng.randint(5, 30)), "--seed", str(rng.randint(1, 99)),
                                 "--quiet", allowed=ALLOWED["optimize"])
        self.figures["%s runs ending %s" % (engine, code)] += 1
        if code in (0, 4) and not self.reopens(self.job):
            self.fail(["optimize"], "the optimized job does not reopen")
        if code == 0:
            self.check_result(engine + " run")
            layouts = layout_elements(self.job)[-1][0]
            code, _ = self.run("alternate", self.job, "--layout", str(rng.randint(1, layouts)),
                               "--tries", str(rng.randint(0, 2)), allowed=ALLOWED["alternate"])
            self.figures["alternates %s" % ("kept" if code == 0 else "not possible")] += 1
            if code == 0 and not self.reopens(self.job):
                self.fail(["alternate"], "the job does not reopen")
            self.check_result("alternate")
            self.edit(rng, coil)
            self.run("report", self.job, "--out-dir", "report")
            self.run("labels", self.job, "-o", "labels.tlf")
            # A plan whose last piece an edit deleted has no labels and may have no balances.
            if not os.path.getsize(os.path.join(folder, "report/report.tlf")):
                self.fail(["report"], "report.tlf is empty")
            for name in ("report/offcut.tlf", "report/sheets.Adj", "labels.tlf"):
                if not os.path.exists(os.path.join(folder, name)):
                    self.fail(["report/labels"], name + " was not written")
            self.run("export", self.job, "-o", "all.xlsx")
        self.run("export", self.job, "-o", "glass.csv", "--what", "glass")
        copy = os.path.join(folder, "copy" + os.path.splitext(self.job)[1])
        with open(copy, "wb") as f:
            f.write(original)
        self.run("import", copy, "--glass", "glass.csv", "--replace")
        glass = [l for l in self.run("summary", copy)[1].splitlines() if l.startswith("Glass")]
        if glass != [l for l in self.run("summary", self.job)[1].splitlines()
                     if l.startswith("Glass")]:
            self.fail(["import"], "the imported glass list is not the exported one")
        left = [n for n in os.listdir(self.data) if WORKING_FILE.match(n)]
        if left or os.path.exists(os.path.join(self.data, "recovery")):
            self.fail(["data folder"], "working files left: " + " ".join(left[:5]))
            for name in left:
                os.remove(os.path.join(self.data, name))
        if len(self.failures) == failures:
            shutil.rmtree(folder)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jobs", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--cli", default=os.path.join(ROOT, "build/default/src/cli/lumora-cli"))
    parser.add_argument("--scratch", help="the scratch folder (default: a new temporary one)")
    options = parser.parse_args()
    scratch = options.scratch or tempfile.mkdtemp(prefix="lumora-soak-")
    soak = Soak(os.path.abspath(options.cli), scratch)
    start = time.time()
    for number in range(1, options.jobs + 1):
        soak.one_job(number, random.Random(options.seed * 1000003 + number))
        if number % 100 == 0:
            print("%d jobs, %d cli calls, %d failures, %.0f s" %
                  (number, soak.calls, len(soak.failures), time.time() - start), flush=True)
    print("\nSoak of %d jobs (seed %d) in %.0f s, %d cli calls, scratch folder %s" %
          (options.jobs, options.seed, time.time() - start, soak.calls, scratch))
    for name, count in sorted(soak.figures.items()):
        print("  %-48s %d" % (name, count))
    print("Exit codes (command, code, calls):")
    for (command, code), count in sorted(soak.codes.items()):
        print("  %-12s %d  %d" % (command, code, count))
    print("Seconds by command:")
    for command, seconds in sorted(soak.seconds.items()):
        print("  %-12s %.0f" % (command, seconds))
    print("Slowest call: %.1f s, %s" % soak.slowest)
    print("Failures: %d" % len(soak.failures))
    for failure in soak.failures[:50]:
        print("  " + failure)
    if not soak.failures:
        shutil.rmtree(scratch)
    return 1 if soak.failures else 0


if __name__ == "__main__":
    sys.exit(main())
