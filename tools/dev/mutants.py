#!/usr/bin/env python3
"""Measures how well the tests guard the code: applies one small change at a
time to the C++ sources of the folders given (a comparison flipped or
loosened, && and || swapped, an arithmetic operator swapped, a constant moved
by one, a statement removed, two adjacent statements swapped), rebuilds and
runs only the test programs that depend on the changed file, one at a time
and the fastest first until one fails, and reports every change that no test
caught. A change that does not compile is not counted. The source is restored after each change, and on Ctrl+C.

    tools/dev/mutants.py [--build DIR] [--only FILE:LINE ...] FOLDER...

It needs a configured build directory (default: build/, made by
tools/setup/configure.sh) and works in place, so run it in a clone you are
not editing. Headers are left alone unless --headers is given. It runs on
demand, never from ./test. --survivors FILE writes the
survivors as JSON lines; --rerun FILE runs only the changes listed there.
"""
import argparse
import json
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, asdict

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


@dataclass
class Mutant:
    path: str         # relative to the top of the tree
    line: int         # 1-based, the first line changed
    kind: str
    description: str
    text: str = ""    # the whole changed file (not stored in reports)

    def key(self):
        return (self.path, self.line, self.kind, self.description)


# ---------------------------------------------------------------------------
# Finding the changes


def blank_comments_and_literals(source):
    """The source with comments, string and character literals replaced by
    spaces (newlines kept), so that offsets still match and no change lands
    inside them."""
    out = []
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            j = source.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif source.startswith("/*", i):
            j = source.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", source[i:j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and source[j] != c:
                j += 2 if source[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(c + " " * (j - i - 2) + c if j - i >= 2 else " " * (j - i))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


RELATIONAL = {
    "<": [(">=", "flipped"), ("<=", "loosened")],
    "<=": [(">", "flipped"), ("<", "tightened")],
    ">": [("<=", "flipped"), (">=", "loosened")],
    ">=": [("<", "flipped"), (">", "tightened")],
    "==": [("!=", "flipped")],
    "!=": [("==", "flipped")],
}
BINARY = {"&&": "||", "||": "&&", "+": "-", "-": "+", "*": "/", "/": "*", "%": "*"}
COMPOUND = {"+=": "-=", "-=": "+=", "++": "--", "--": "++"}

# Binary operators stand between spaces in this tree's formatting, which
# tells them from template brackets, pointers and unary minus.
SPACED_OPERATOR = re.compile(r"(?<= )(<=|>=|==|!=|&&|\|\||<|>|\+|-|\*|/|%)(?= )")
COMPOUND_OPERATOR = re.compile(r"\+=|-=|\+\+|--")
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")


def line_of(text, offset):
    return text.count("\n", 0, offset) + 1


DECLARATION = re.compile(r"^(const |constexpr |static |auto |virtual |typedef |enum |struct |class |"
                         r"(unsigned |signed )?(int|char|short|long|bool|double|float|void|size_t|u?int\d+_t)\b|"
                         r"std::[\w:]+(<.*>)?[&*]? \w|[A-Z]\w*(<.*>)?[&*]? \w)")


def statement_lines(lines, blanked_lines):
    """Indexes of lines that hold one whole simple statement: they end with
    ';', the line before ends a statement or opens a block, and they are not
    declarations (removing one fails to build; swapping two rarely matters)."""
    found = []
    previous_end = "{"
    for i, line in enumerate(blanked_lines):
        stripped = line.strip()
        if not stripped:
            continue
        whole = (stripped.endswith(";") and previous_end in ("{", "}", ";", ":")
                 and not stripped.startswith(("#", "return ", "using ", "namespace", "case ", "default"))
                 and not DECLARATION.match(stripped)
                 and stripped.count("(") == stripped.count(")"))
        if whole:
            found.append(i)
        previous_end = stripped[-1]
    return found


def mutants_of(path):
    source = open(os.path.join(TOP, path), encoding="utf-8").read()
    blanked = blank_comments_and_literals(source)
    # Preprocessor lines stay as they are.
    masked = "\n".join(" " * len(l) if l.lstrip().startswith("#") else l for l in blanked.split("\n"))
    found = []

    def replace(start, end, new, kind, description):
        text = source[:start] + new + source[end:]
        found.append(Mutant(path, line_of(source, start), kind, description, text))

    for m in SPACED_OPERATOR.finditer(masked):
        op = m.group(1)
        if op in RELATIONAL:
            for new, how in RELATIONAL[op]:
                replace(m.start(), m.end(), new, "comparison", f"'{op}' {how} to '{new}'")
        else:
            kind = "logic" if op in ("&&", "||") else "arithmetic"
            replace(m.start(), m.end(), BINARY[op], kind, f"'{op}' to '{BINARY[op]}'")
    for m in COMPOUND_OPERATOR.finditer(masked):
        op = m.group(0)
        replace(m.start(), m.end(), COMPOUND[op], "arithmetic", f"'{op}' to '{COMPOUND[op]}'")
    for m in INTEGER.finditer(masked):
        value = int(m.group(1))
        for new in ([value + 1, value - 1] if value > 0 else [value + 1]):
            replace(m.start(), m.end(), str(new), "constant", f"{value} to {new}")

    lines = source.split("\n")
    blanked_lines = masked.split("\n")
    whole = statement_lines(lines, blanked_lines)
    for i in whole:
        changed = lines[:i] + [""] + lines[i + 1:]
        found.append(Mutant(path, i + 1, "removal", f"removed '{lines[i].strip()}'", "\n".join(changed)))
    for a, b in zip(whole, whole[1:]):
        indent = lambda l: len(l) - len(l.lstrip())
        if b == a + 1 and indent(lines[a]) == indent(lines[b]):
            changed = lines[:a] + [lines[b], lines[a]] + lines[b + 1:]
            found.append(Mutant(path, a + 1, "swap", f"swapped '{lines[a].strip()}' and the next line",
                                "\n".join(changed)))
    return found


# ---------------------------------------------------------------------------
# Building and testing


def test_programs(build):
    """Each gtest program ctest knows, with the environment and folder of
    its tests. Scripted whole-program tests are left out: they are slow and
    the programs they drive are covered by the gtest ones."""
    listing = json.loads(subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                                        capture_output=True, text=True).stdout)
    programs = {}
    for test in listing["tests"]:
        command = test.get("command") or []
        if not command or not command[0].startswith(os.path.abspath(build)):
            continue
        env, folder = {}, build
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                env.update(v.split("=", 1) for v in prop["value"])
            if prop["name"] == "WORKING_DIRECTORY":
                folder = prop["value"]
        programs.setdefault(command[0], (env, folder))
    return programs


def dependents(build, programs, path):
    """The test programs whose build reads `path`."""
    wanted = os.path.join(TOP, path)
    found = []
    for program in programs:
        target = os.path.relpath(program, build)
        inputs = subprocess.run(["ninja", "-C", build, "-t", "inputs", target], capture_output=True,
                                text=True).stdout.split()
        if any(os.path.normpath(os.path.join(build, i)) == wanted for i in inputs):
            found.append(program)
    return found


def build_targets(build, programs):
    targets = [os.path.relpath(p, build) for p in programs]
    return subprocess.run(["ninja", "-C", build] + targets, capture_output=True).returncode == 0


def caught(build, programs, envs, timeouts):
    """Builds and runs the test programs one at a time, fastest first, and
    stops at the first that fails or hangs: then the change was caught. None
    when the change does not build."""
    for program in programs:
        if not build_targets(build, [program]):
            return None
        env, folder = envs[program]
        try:
            result = subprocess.run([program, "--gtest_fail_fast", "--gtest_brief=1"], cwd=folder,
                                    env={**os.environ, **env}, capture_output=True,
                                    timeout=timeouts[program])
        except subprocess.TimeoutExpired:
            return True
        if result.returncode != 0:
            return True
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folders", nargs="*", help="source folders, relative to the top of the tree")
    parser.add_argument("--build", default=os.path.join(TOP, "build"))
    parser.add_argument("--only", action="append", default=[], help="FILE:LINE, to try only that line")
    parser.add_argument("--kinds", help="comma-separated kinds to try (comparison, logic, arithmetic, "
                                        "constant, removal, swap)")
    parser.add_argument("--survivors", help="write the survivors here, one JSON object a line")
    parser.add_argument("--rerun", help="try only the changes listed in this survivors file")
    parser.add_argument("--headers", action="store_true",
                        help="change headers too (each change rebuilds everything that includes them)")
    parser.add_argument("--list", action="store_true", help="list the changes without trying them")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    sources = []
    for folder in args.folders:
        for name in sorted(os.listdir(os.path.join(TOP, folder))):
            if name.endswith(".cpp") or (args.headers and name.endswith(".h")):
                sources.append(os.path.join(folder, name))
    if args.rerun:
        wanted = {tuple(json.loads(l)[k] for k in ("path", "line", "kind", "description"))
                  for l in open(args.rerun) if l.strip()}
        sources = sorted({w[0] for w in wanted})
    mutants = [m for s in sources for m in mutants_of(s)]
    if args.rerun:
        mutants = [m for m in mutants if m.key() in wanted]
    if args.only:
        only = {(p, int(l)) for p, l in (o.rsplit(":", 1) for o in args.only)}
        mutants = [m for m in mutants if (m.path, m.line) in only]
    if args.kinds:
        mutants = [m for m in mutants if m.kind in args.kinds.split(",")]
    if args.list:
        for m in mutants:
            print(f"{m.path}:{m.line}: {m.kind}: {m.description}")
        print(f"{len(mutants)} changes")
        return 0

    programs = test_programs(build)
    if not build_targets(build, list(programs)):
        sys.exit("the unchanged tree does not build; fix that first")
    # Each program's own time on the unchanged tree sets its time limit.
    timeouts = {}
    for program in programs:
        env, folder = programs[program]
        began = time.monotonic()
        unchanged = subprocess.run([program, "--gtest_brief=1"], cwd=folder, env={**os.environ, **env},
                                   capture_output=True)
        if unchanged.returncode != 0:
            sys.exit(f"{program} fails on the unchanged tree; fix that first")
        timeouts[program] = 5 + 4 * (time.monotonic() - began)
    depending = {s: sorted(dependents(build, programs, s), key=lambda p: timeouts[p]) for s in sources}

    # A kill (SIGTERM) restores the sources as Ctrl+C does.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    counts = {"killed": 0, "survived": 0, "unbuilt": 0, "untested": 0}
    survivors = []
    originals = {s: open(os.path.join(TOP, s), encoding="utf-8").read() for s in sources}
    try:
        for number, m in enumerate(mutants, 1):
            tests = depending[m.path]
            if not tests:
                counts["untested"] += 1
                continue
            with open(os.path.join(TOP, m.path), "w", encoding="utf-8") as f:
                f.write(m.text)
            verdict = caught(build, tests, programs, timeouts)
            if verdict is None:
                outcome = "unbuilt"
            elif verdict:
                outcome = "killed"
            else:
                outcome = "survived"
                survivors.append(m)
                print(f"survived: {m.path}:{m.line}: {m.kind}: {m.description}", flush=True)
            counts[outcome] += 1
            with open(os.path.join(TOP, m.path), "w", encoding="utf-8") as f:
                f.write(originals[m.path])
            if number % 25 == 0:
                print(f"[{number}/{len(mutants)}] {counts}", file=sys.stderr, flush=True)
    finally:
        for s, text in originals.items():
            with open(os.path.join(TOP, s), "w", encoding="utf-8") as f:
                f.write(text)
        build_targets(build, list({p for s in sources for p in depending.get(s, [])}))

    if args.survivors:
        with open(args.survivors, "w") as f:
            for m in survivors:
                record = asdict(m)
                del record["text"]
                f.write(json.dumps(record) + "\n")
    tried = counts["killed"] + counts["survived"]
    print(f"{len(mutants)} changes: {counts['unbuilt']} did not build, {counts['untested']} reach no test,"
          f" {counts['killed']} of {tried} caught ({100.0 * counts['killed'] / max(tried, 1):.1f} %),"
          f" {counts['survived']} survived")
    return 0


if __name__ == "__main__":
    sys.exit(main())
