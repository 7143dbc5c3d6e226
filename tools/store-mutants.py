#!/usr/bin/env python3
"""Mutation pass over the stores to double in the calculator windows.

Every `Store(x)` call in the windows and their helpers (the *.cpp files of
src/windows/ and src/formulas/) rounds an extended value to double.  A
mutant is that one call replaced by its argument.  For each mutant the window
tests run through CTest; a mutant that makes a test fail, crash or time out is
killed, one that leaves the suite green survives.

The work tree is never touched.  The sources are copied to a scratch folder
where every store becomes

    (velorix_store_mutant(ID) ? (x) : Store(x))

and that copy is built once.  `velorix_store_mutant(ID)` is true only when the
environment variable VELORIX_STORE_MUTANT holds ID, so ctest runs with the
variable set run the suite against that mutant: first the entries that killed
other mutants of the same file, then the quick ones, then the slow ones,
stopping at the first failure.  Without the variable the copy behaves as the
real program; the pass first runs the suite that way and stops if it is not
green.

The calls are found by reading the source (comments, strings and character
literals skipped; a qualifier such as `velorix::` kept with its call), so the
pass follows renamed identifiers and moved lines.

Exit status: 0 when every mutant is killed, 1 when some survive, 2 when the
pass could not run (copy, build or the unmutated suite failed).
"""

import argparse
import hashlib
import os
import re
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ENV_VAR = "VELORIX_STORE_MUTANT"
# The folders whose *.cpp files (in every subfolder) hold the stores: the
# windows and the formulas they share.
DEFAULT_DIRS = ("src/windows", "src/formulas")
# The CTest label of the entries that run the windows' handlers
# (tests/CMakeLists.txt gives it to every window test).
DEFAULT_LABEL = "handlers"

SELECTOR_HEADER = """\
// Written by tools/store-mutants.py into its scratch copy only.
#pragma once
#include <cstdlib>

// True when the environment variable %(var)s holds `id`: that store is then
// left out and its argument used as it is.
inline bool velorix_store_mutant(int id)
{
    static const int active = [] {
        const char *text = std::getenv("%(var)s");
        int value = 0;
        for (; text && *text >= '0' && *text <= '9'; ++text)
            value = value * 10 + (*text - '0');
        return value;
    }();
    return id == active;
}
""" % {"var": ENV_VAR}


@dataclass
class Mutant:
    ident: int
    path: str  # relative to the source root
    line: int
    start: int  # offset of the call (qualifier included) in the file
    end: int  # offset just past its closing parenthesis
    callee: str  # "Store" or a qualified "velorix::Store"
    argument: str

    def where(self):
        return "%s:%d" % (self.path, self.line)

    def shown_argument(self):
        return " ".join(self.argument.split())


def is_ident_char(c):
    return c.isalnum() or c == "_" or ord(c) > 127


def code_mask(text):
    """A list of booleans: True where a character is code, False inside a
    comment, a string literal or a character literal."""
    n = len(text)
    mask = [True] * n
    i = 0
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            mask[i:j] = [False] * (j - i)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            mask[i:j] = [False] * (j - i)
            i = j
        elif c == '"' or c == "'":
            raw = c == '"' and i > 0 and text[i - 1] == "R"
            if raw:
                m = re.match(r'"([^()\\ ]{0,16})\(', text[i:])
                close = ")" + (m.group(1) if m else "") + '"'
                j = text.find(close, i + 1)
                j = n if j < 0 else j + len(close)
            else:
                j = i + 1
                while j < n and text[j] != c and text[j] != "\n":
                    j += 2 if text[j] == "\\" else 1
                j = min(j + 1, n)
            mask[i:j] = [False] * (j - i)
            i = j
        elif c.isdigit() and (i == 0 or not is_ident_char(text[i - 1])):
            # A number, with its digit separators (1'000) and exponent signs.
            j = i + 1
            while j < n and (is_ident_char(text[j]) or text[j] in ".'"
                             or (text[j] in "+-" and text[j - 1] in "eEpP")):
                j += 1
            i = j
        elif is_ident_char(c):
            j = i + 1
            while j < n and is_ident_char(text[j]):
                j += 1
            i = j
        else:
            i += 1
    return mask


def find_stores(text):
    """(start, end, callee, argument, offset of the name) for every call of
    Store in the code of `text`."""
    mask = code_mask(text)
    found = []
    for m in re.finditer(r"Store", text):
        s = m.start()
        if not mask[s]:
            continue
        if s > 0 and is_ident_char(text[s - 1]):
            continue
        e = m.end()
        if e < len(text) and is_ident_char(text[e]):
            continue
        # Member calls (a.Store(), p->Store()) are something else.
        before = text[:s].rstrip()
        if before.endswith(".") or before.endswith("->"):
            continue
        p = e
        while p < len(text) and text[p].isspace():
            p += 1
        if p >= len(text) or text[p] != "(":
            continue
        # The matching parenthesis, in code only.
        depth = 0
        q = p
        while q < len(text):
            if mask[q]:
                if text[q] == "(":
                    depth += 1
                elif text[q] == ")":
                    depth -= 1
                    if depth == 0:
                        break
            q += 1
        if depth != 0:
            raise SystemExit("unbalanced parentheses after Store at offset %d" % s)
        # A qualifier (velorix::Store, ::Store) stays with the call.
        start = s
        qual = re.search(r"((?:::)?\s*(?:[A-Za-z_\u0080-\uffff][\w\u0080-\uffff]*\s*::\s*)*)$",
                         text[:s])
        if qual and qual.group(1).strip():
            start = s - len(qual.group(1))
            while text[start].isspace():
                start += 1
        callee = re.sub(r"\s+", "", text[start:s]) + "Store"
        found.append((start, q + 1, callee, text[p + 1:q], s))
    return found


def source_files(root):
    """The files of the tree as it is now (uncommitted edits included),
    without build trees and other ignored files."""
    try:
        out = subprocess.run(
            ["git", "-C", str(root), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            check=True, capture_output=True).stdout
        names = [n for n in out.decode().split("\0") if n]
        return [n for n in names if (root / n).is_file()]
    except (subprocess.CalledProcessError, FileNotFoundError):
        names = []
        for dirpath, dirnames, filenames in os.walk(root):
            rel = Path(dirpath).relative_to(root)
            dirnames[:] = [d for d in dirnames
                           if not (d == ".git" or (rel == Path(".") and d.startswith("build")))]
            names += [str(rel / f) for f in filenames]
        return names


def collect_mutants(root, dirs):
    mutants = []
    texts = {}
    for d in dirs:
        for path in sorted((root / d).rglob("*.cpp")):
            rel = str(path.relative_to(root))
            text = path.read_text(encoding="utf-8")
            texts[rel] = text
            for start, end, callee, argument, name_at in find_stores(text):
                line = text.count("\n", 0, name_at) + 1
                mutants.append(Mutant(len(mutants) + 1, rel, line, start, end, callee, argument))
    return mutants, texts


def rewrite(text, mutants):
    """`text` with each of `mutants` (all of this file) made selectable."""
    out = []
    pos = 0
    for m in sorted(mutants, key=lambda m: m.start):
        out.append(text[pos:m.start])
        out.append("(velorix_store_mutant(%d) ? (%s) : %s(%s))"
                   % (m.ident, m.argument, m.callee, m.argument))
        pos = m.end
    out.append(text[pos:])
    return "".join(out)


def write_if_changed(path, data, mode=None):
    """Writes only what changed, so that a second pass rebuilds little."""
    path.parent.mkdir(parents=True, exist_ok=True)
    if not (path.is_file() and path.read_bytes() == data):
        path.write_bytes(data)
    if mode is not None:
        os.chmod(path, mode)


def prepare_copy(root, src, mutants, texts):
    header = src / "velorix_store_mutant.h"
    wanted = set()
    for rel in source_files(root):
        wanted.add(rel)
        origin = root / rel
        if rel in texts:
            mine = [m for m in mutants if m.path == rel]
            text = texts[rel]
            if mine:
                text = '#include "%s"\n' % header + rewrite(text, mine)
            write_if_changed(src / rel, text.encode("utf-8"), origin.stat().st_mode)
        else:
            write_if_changed(src / rel, origin.read_bytes(), origin.stat().st_mode)
    write_if_changed(header, SELECTOR_HEADER.encode())
    wanted.add(header.name)
    # Files removed from the tree since the last pass go from the copy too.
    for path in sorted(src.rglob("*"), reverse=True):
        rel = str(path.relative_to(src))
        if path.is_file() and rel not in wanted:
            path.unlink()
        elif path.is_dir() and not any(path.iterdir()):
            path.rmdir()


def run(cmd, log, env=None, cwd=None):
    with open(log, "w") as f:
        return subprocess.run(cmd, stdout=f, stderr=subprocess.STDOUT, env=env, cwd=cwd).returncode


def run_ctest(build, selection, jobs, mutant_id, log, stop_early):
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "offscreen"
    env.pop(ENV_VAR, None)
    if mutant_id:
        env[ENV_VAR] = str(mutant_id)
    cmd = ["ctest", "-j", str(jobs), "--output-on-failure"] + selection
    if stop_early:
        cmd.append("--stop-on-failure")
    rc = run(cmd, log, env=env, cwd=build)
    text = Path(log).read_text(errors="replace")
    failed = re.findall(r"^\s*\d+ - (\S+) \(", text, re.M)
    if rc != 0 and not failed:
        failed = ["ctest exit %d" % rc]
    return rc == 0, failed


def suite_entries(build, label):
    out = subprocess.run(["ctest", "-N", "-L", label], cwd=build, capture_output=True, text=True).stdout
    return re.findall(r"^\s*Test\s+#\d+: (\S+)", out, re.M)


def exact(names):
    return "^(" + "|".join(re.escape(n) for n in names) + ")$"


def entry_times(log):
    """Seconds each entry took in a ctest log."""
    text = Path(log).read_text(errors="replace")
    return {name: float(sec) for name, sec in
            re.findall(r"Test\s+#\d+: (\S+) \.+\s+Passed\s+([\d.]+) sec", text)}


def run_suite(build, phases, jobs, mutant_id, log):
    """Runs the suite against one mutant, phase after phase, and stops at the
    first failure.  A survivor has run every entry."""
    for i, names in enumerate(p for p in phases if p):
        green, failed = run_ctest(build, ["-R", exact(names)], jobs, mutant_id,
                                  "%s.%d" % (log, i + 1), True)
        if not green:
            return green, failed
    return True, []


def phases_for(entries, first, slow):
    """The entries that killed other mutants of the same file first, then the
    quick ones, then the slow ones: most mutants die within seconds."""
    first = [n for n in first if n in entries]
    quick = [n for n in entries if n not in first and n not in slow]
    return [first, quick, [n for n in entries if n not in first and n in slow]]


def main():
    ap = argparse.ArgumentParser(
        description="Leave out each Store( call of the calculator windows and their helpers, "
                    "one at a time, and run the window tests against each such mutant.",
        epilog="Example: tools/store-mutants.py --only src/windows/passive/Unit5.cpp. "
               "Exit status 0 when every mutant is killed, 1 when some survive, 2 on failure "
               "to build or when the unmutated suite fails.")
    ap.add_argument("--root", type=Path, default=Path(__file__).resolve().parent.parent,
                    help="source tree (default: the tree this script is in)")
    ap.add_argument("--scratch", type=Path,
                    help="folder for the rewritten copy and its build (default: "
                         "/tmp/velorix-store-mutants-<tree>; kept, so a second pass rebuilds little)")
    ap.add_argument("--only", action="append", metavar="FILE",
                    help="run only the mutants of this file (a path such as src/windows/passive/Unit5.cpp "
                         "or a file name such as Unit5.cpp); may be repeated")
    ap.add_argument("--id", type=int, action="append", metavar="N",
                    help="run only mutant N (as numbered by --list); may be repeated")
    ap.add_argument("--list", action="store_true", help="list the mutants and stop")
    ap.add_argument("--dirs", nargs="+", default=list(DEFAULT_DIRS),
                    help="folders whose *.cpp files are searched (default: %(default)s)")
    ap.add_argument("--label", default=DEFAULT_LABEL,
                    help="CTest label of the entries run against each mutant (default: %(default)s)")
    ap.add_argument("-j", "--jobs", type=int, default=2, help="build and ctest jobs (default 2)")
    ap.add_argument("--full", action="store_true",
                    help="run every test of each mutant (default: stop at its first failure)")
    args = ap.parse_args()

    root = args.root.resolve()
    mutants, texts = collect_mutants(root, args.dirs)
    selected = mutants
    if args.only:
        def chosen(m):
            return any(m.path == o.removeprefix("./") or Path(m.path).name == o for o in args.only)
        selected = [m for m in selected if chosen(m)]
    if args.id:
        selected = [m for m in selected if m.ident in args.id]
    width = max((len(m.where()) for m in mutants), default=10)
    if args.list:
        for m in selected:
            print("%3d  %-*s  %s" % (m.ident, width, m.where(), m.shown_argument()))
        print("%d stores in %s" % (len(selected), ", ".join(args.dirs)))
        return 0
    if not selected:
        print("no Store( call selected", file=sys.stderr)
        return 2

    tag = hashlib.sha1(str(root).encode()).hexdigest()[:8]
    scratch = (args.scratch or Path("/tmp") / ("velorix-store-mutants-%s-%s" % (root.name, tag))).resolve()
    src, build, logs = scratch / "src", scratch / "build", scratch / "logs"
    logs.mkdir(parents=True, exist_ok=True)
    print("copy and build in %s" % scratch, flush=True)
    prepare_copy(root, src, mutants, texts)
    if run(["cmake", "-S", str(src), "-B", str(build), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"],
           logs / "configure.log") != 0:
        print("configure failed: %s" % (logs / "configure.log"), file=sys.stderr)
        return 2
    if run(["nice", "cmake", "--build", str(build), "--parallel", str(args.jobs)],
           logs / "build.log") != 0:
        print("build failed: %s" % (logs / "build.log"), file=sys.stderr)
        return 2

    t0 = time.time()
    entries = suite_entries(build, args.label)
    green, failed = run_ctest(build, ["-L", args.label], args.jobs, 0, logs / "unmutated.log", False)
    if not green:
        print("the unmutated suite fails (%s): %s" % (", ".join(failed), logs / "unmutated.log"),
              file=sys.stderr)
        return 2
    print("unmutated suite green in %.0f s; %d mutants" % (time.time() - t0, len(selected)),
          flush=True)

    # Entries that take more than a few seconds run last.
    slow = {n for n, sec in entry_times(logs / "unmutated.log").items() if sec > 3}
    survivors = []
    killers = {}  # file -> entries that killed its mutants, most recent first
    for m in selected:
        log = logs / ("mutant-%d.log" % m.ident)
        if args.full:
            green, failed = run_ctest(build, ["-L", args.label], args.jobs, m.ident, log, False)
        else:
            phases = phases_for(entries, killers.get(m.path, []), slow)
            green, failed = run_suite(build, phases, args.jobs, m.ident, log)
        verdict = "SURVIVED" if green else "killed (%s)" % ", ".join(failed)
        if green:
            survivors.append(m)
        else:
            known = killers.get(m.path, [])
            killers[m.path] = failed + [n for n in known if n not in failed]
        print("%3d  %-*s  %-44s %s" % (m.ident, width, m.where(), m.shown_argument(), verdict),
              flush=True)

    print("%d mutants: %d killed, %d survived" % (len(selected), len(selected) - len(survivors),
                                                   len(survivors)))
    for m in survivors:
        print("survivor: %s  Store(%s)" % (m.where(), m.shown_argument()))
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
