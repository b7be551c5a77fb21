"""The kill matrix, its summary, and which tests catch what.

Matrix (matrix.json): {"meta": {...}, "tests": [every test of the unchanged
suite], "mutants": [records]}; each record holds id, named, folder, file, line,
kind, original, occurrence, replacement, status (caught, survived, no-compile,
gone, error) and failed (the ctest names of the tests that failed on it).
"""

import csv
import json
import os
import re
from collections import Counter, OrderedDict

import mutants as mutants_mod
from cxx_lines import OPERATORS, mask_lines
from runner import COMPILED, mutant_key, test_name

FOLDER_ORDER = ("fluid", "app", "app/framework", "calc/pvt", "calc/fugacity", "calc/equilibria")
RECORD_FIELDS = ("id", "named", "folder", "file", "line", "kind", "status", "failed", "original",
                 "occurrence", "replacement", "also", "note", "hangs", "unfinished", "seconds",
                 "compiler")


# ---------------------------------------------------------------------------
# Building the matrix from the raw results


def build_matrix(meta, baseline, named, sequences, quotas, done, given=()):
    """The named faults, the given ones, and for each folder the shortest prefix
    of its random sequence that holds its quota of compiling mutants (a fixed
    seed gives the same sample whatever order the workers finished in). The
    given faults count as part of the sample."""
    records = []
    missing = 0
    for source, is_named in ((named, True), (given, False)):
        for m in source:
            r = done.get((m["id"], mutant_key(m)))
            if r is None:
                missing += 1
                continue
            records.append(_clean(r, named=is_named))
    for folder in sorted(sequences):
        compiled = 0
        for m in sequences[folder]:
            if compiled >= quotas.get(folder, 0):
                break
            r = done.get((m["id"], mutant_key(m)))
            if r is None:
                missing += 1
                break
            records.append(_clean(r, named=False))
            compiled += r["status"] in COMPILED
    meta = dict(meta, incomplete=missing)
    return {"meta": meta, "tests": baseline["tests"], "baseline_failing": baseline["failing"],
            "mutants": records}


def _clean(record, named):
    r = dict(record, named=named)
    for key in ("failed", "hangs", "unfinished"):
        if key in r:
            r[key] = sorted({test_name(t) for t in r[key]})
    r["folder"] = mutants_mod.folder_of(r["file"])
    r.setdefault("failed", [])
    return OrderedDict((k, r[k]) for k in RECORD_FIELDS
                       if k in r and (k == "failed" or r[k] not in (None, [])))


def write_matrix(out_dir, matrix):
    with open(os.path.join(out_dir, "matrix.json"), "w", encoding="utf-8") as f:
        json.dump(matrix, f, indent=1, ensure_ascii=False)
    with open(os.path.join(out_dir, "matrix.csv"), "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f)
        w.writerow(["id", "named", "folder", "file", "line", "kind", "status", "failed_count",
                    "failed_tests", "original", "replacement"])
        for r in matrix["mutants"]:
            w.writerow([r["id"], int(r.get("named", False)), r["folder"], r["file"],
                        r.get("line", ""), r["kind"], r["status"], len(r.get("failed", [])),
                        ";".join(r.get("failed", [])), r["original"], r["replacement"]])


def load_matrix(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


# ---------------------------------------------------------------------------
# Summary


def _rate(caught, tried):
    return "%d/%d = %.1f %%" % (caught, tried, 100.0 * caught / tried) if tried else "0/0"


# A line of a window's declared controls: a control with its name and
# geometry, or a further setting of one (".Size(12)", ".Caption(...)").
_WINDOW_DECLARATION = re.compile(r'^(?:\.[A-Z]\w*\(|(?:\w+::)?[A-Z]\w*\("[^"]*", -?\d)')


def summary(matrix):
    lines = []
    meta = matrix["meta"]
    rnd = [r for r in matrix["mutants"] if not r.get("named")]
    named = [r for r in matrix["mutants"] if r.get("named")]
    tried = [r for r in rnd if r["status"] in COMPILED]
    caught = [r for r in tried if r["status"] == "caught"]
    lines.append("Fault injection on %s (revision %s), seed %s"
                 % (meta.get("root"), meta.get("revision"), meta.get("seed")))
    lines.append("Suite: %d tests" % len(matrix["tests"]))
    if meta.get("incomplete"):
        lines.append("INCOMPLETE: %d planned mutants have no result yet" % meta["incomplete"])
    lines.append("")
    lines.append("Sample: %d tried (compiled), caught %s" % (len(tried),
                                                                   _rate(len(caught), len(tried))))
    others = Counter(r["status"] for r in rnd if r["status"] not in COMPILED)
    if others:
        lines.append("  not counted: " + ", ".join("%d %s" % (n, s) for s, n in sorted(others.items())))
    hangs = sum(1 for r in caught if r.get("hangs") or r.get("unfinished"))
    if hangs:
        lines.append("  caught by a hang (test timeout): %d" % hangs)

    def table(title, key, order):
        lines.append("")
        lines.append("%-20s %6s %7s %8s" % (title, "tried", "caught", "rate"))
        groups = Counter(key(r) for r in tried)
        got = Counter(key(r) for r in caught)
        for g in list(order) + sorted(set(groups) - set(order)):
            if groups.get(g):
                lines.append("%-20s %6d %7d %7.1f %%" % (g, groups[g], got[g], 100.0 * got[g] / groups[g]))

    table("by folder", lambda r: r["folder"], FOLDER_ORDER)
    calc = [r for r in tried if r["folder"].startswith("calc/")]
    if calc:
        got = sum(r["status"] == "caught" for r in calc)
        lines.append("%-20s %6d %7d %7.1f %%" % ("(calc/ together)", len(calc), got,
                                                 100.0 * got / len(calc)))
    table("by kind", lambda r: r["kind"], OPERATORS)
    table("by line", lambda r: "window declaration" if _WINDOW_DECLARATION.match(r["original"])
          else "other code", ("other code", "window declaration"))
    if named:
        ncaught = [r for r in named if r["status"] == "caught"]
        ntried = [r for r in named if r["status"] in COMPILED]
        lines.append("")
        lines.append("Named faults: caught %s" % _rate(len(ncaught), len(ntried)))
        for r in named:
            lines.append("  %-9s %-48s %s:%s  %s" % (r["status"], r["id"], r["file"], r.get("line", "?"),
                                                    ("(%d tests failed)" % len(r["failed"]))
                                                    if r.get("failed") else ""))
    return "\n".join(lines)


# ---------------------------------------------------------------------------
# Tests and their source files

_TEST_MACRO = re.compile(r"\b(TEST|TEST_F|TEST_P|TYPED_TEST|TYPED_TEST_P)\s*\(\s*(\w+)\s*,\s*(\w+)\s*\)")


def test_definitions(root, tests_dir="tests"):
    """{(suite, name): (file, code lines of the test's body)} over the tests tree,
    and {file: code lines} of every file there."""
    defs = {}
    sizes = {}
    base = os.path.join(root, tests_dir)
    for dirpath, dirnames, filenames in os.walk(base):
        dirnames.sort()
        for name in sorted(filenames):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            with open(path, encoding="utf-8") as f:
                text = f.read()
            masked = mask_lines(text)
            sizes[rel] = sum(1 for l in masked if l.code.strip())
            code = "\n".join(l.code for l in masked)
            for m in _TEST_MACRO.finditer(code):
                defs[(m.group(2), m.group(3))] = (rel, _body_lines(code, m.end()))
    return defs, sizes


def _body_lines(code, start):
    open_pos = code.find("{", start)
    if open_pos < 0:
        return 0
    depth = 0
    for k in range(open_pos, len(code)):
        if code[k] == "{":
            depth += 1
        elif code[k] == "}":
            depth -= 1
            if depth == 0:
                body = code[code.rfind("\n", 0, start) + 1:k + 1]
                return sum(1 for l in body.split("\n") if l.strip())
    return 0


def file_of_test(name, defs):
    """The source file of a ctest name: Suite.Test, Prefix/Suite.Test/Param, Suite/0.Test."""
    if "." not in name:
        return None
    left, right = name.split(".", 1)
    test = right.split("/")[0]
    for suite in reversed(left.split("/")):
        if (suite, test) in defs:
            return defs[(suite, test)][0]
    return None


# ---------------------------------------------------------------------------
# Catchers and cover


def catch_sets(matrix, level, defs, which="all"):
    """{mutant id: set of catching units}, for the caught mutants."""
    out = {}
    for r in matrix["mutants"]:
        if r["status"] != "caught":
            continue
        if which == "sample" and r.get("named") or which == "named" and not r.get("named"):
            continue
        units = set()
        for t in r.get("failed", []) + r.get("unfinished", []):
            units.add(t if level == "test" else (file_of_test(t, defs) or "(unmapped) " + t))
        out[r["id"]] = units
    return out


def unit_costs(matrix, level, defs, sizes):
    costs = {}
    for t in matrix["tests"]:
        if level == "test":
            f = file_of_test(t, defs)
            key = None
            if f:
                left, right = t.split(".", 1)
                for suite in reversed(left.split("/")):
                    if (suite, right.split("/")[0]) in defs:
                        key = (suite, right.split("/")[0])
                        break
            costs[t] = defs[key][1] if key else 1
        else:
            f = file_of_test(t, defs) or "(unmapped) " + t
            costs[f] = sizes.get(f, 1)
    return costs


def greedy_cover(sets, costs, weighted):
    """Units picked one by one, each catching the most not yet caught
    (per line of test code when weighted); ties go to the cheaper unit."""
    remaining = {m: set(u) for m, u in sets.items() if u}
    picked = []
    while remaining:
        gain = Counter()
        for units in remaining.values():
            for u in units:
                gain[u] += 1

        def score(u):
            c = max(costs.get(u, 1), 1)
            return (gain[u] / c if weighted else gain[u], -c, u)

        best = max(gain, key=score)
        newly = [m for m, units in remaining.items() if best in units]
        for m in newly:
            del remaining[m]
        picked.append((best, len(newly)))
    return picked


def catchers_report(matrix, root, level="file", weighted=False, which="all"):
    defs, sizes = test_definitions(root)
    sets = catch_sets(matrix, level, defs, which)
    costs = unit_costs(matrix, level, defs, sizes)
    all_units = sorted(costs)
    total = Counter()
    unique = Counter()
    for m, units in sets.items():
        for u in units:
            total[u] += 1
        if len(units) == 1:
            unique[next(iter(units))] += 1
    lines = []
    label = "test file" if level == "file" else "test"
    lines.append("%d caught mutants (%s), by %s" % (len(sets), which, label))
    lines.append("")
    lines.append("Unique catchers (the only %s that catches some mutant):" % label)
    lines.append("  %6s %6s %6s  %s" % ("unique", "caught", "lines", label))
    for u in sorted(unique, key=lambda u: (-unique[u], u)):
        lines.append("  %6d %6d %6d  %s" % (unique[u], total[u], costs.get(u, 0), u))
    lines.append("")
    lines.append("Catch nothing unique (candidates for cutting or merging):")
    lines.append("  %6s %6s  %s" % ("caught", "lines", label))
    for u in sorted((u for u in all_units if not unique[u]), key=lambda u: (-total[u], u)):
        lines.append("  %6d %6d  %s" % (total[u], costs.get(u, 0), u))
    if level == "file":
        helpers = sorted(f for f in sizes if f not in costs)
        lines.append("")
        lines.append("Files with no test of their own (helpers, mains): "
                     + ", ".join("%s (%d)" % (f, sizes[f]) for f in helpers))
    lines.append("")
    lines.append("Greedy cover%s: %s catching everything caught" %
                 (" (most catches per line)" if weighted else "", label + "s"))
    lines.append("  %6s %6s %7s %6s  %s" % ("new", "cum.", "cum.%", "cum.lines", label))
    cum = 0
    cum_lines = 0
    for u, n in greedy_cover(sets, costs, weighted):
        cum += n
        cum_lines += costs.get(u, 0)
        lines.append("  %6d %6d %6.1f%% %6d  %s" % (n, cum, 100.0 * cum / max(len(sets), 1),
                                                 cum_lines, u))
    test_total = sum(sizes.values())
    lines.append("  cover: %d lines of test code (the tests tree has %d; shared helpers not counted)"
                 % (cum_lines, test_total))
    return "\n".join(lines)
