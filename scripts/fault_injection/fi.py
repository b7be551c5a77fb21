#!/usr/bin/env python3
"""Fault injection: how many plausible single-point faults does the test suite catch?

  fi.py run      --out DIR [--count 250] [--seed 14] [--named FILE] [--workers 3]
  fi.py report   DIR                                matrix and reports again from DIR's results
  fi.py summary  DIR/matrix.json
  fi.py catchers DIR/matrix.json [--level file|test] [--weighted] [--which all|sample|named]
  fi.py sample   [--count 250] [--seed 14]          the random mutants that would be tried first
  fi.py diff     [--mutants FILE] ID                one mutant as a diff against the tree
                 (FILE: a .jsonl list, a matrix.json or a plan.json; default: the named faults)

See README.md beside this file.
"""

import argparse
import difflib
import json
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ in the work tree

import analysis  # noqa: E402
import mutants  # noqa: E402
import runner  # noqa: E402

DEFAULT_ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
DEFAULT_NAMED = os.path.join(HERE, "named_faults.jsonl")


def random_plan(root, count, seed):
    sizes = mutants.folder_sizes(root)
    quotas = mutants.quotas(sizes, count) if count > 0 else {f: 0 for f in sizes}
    sequences = mutants.random_sequences(root, seed) if count > 0 else {}
    return sizes, quotas, sequences


def cmd_run(args):
    root = os.path.abspath(args.root)
    out = os.path.abspath(args.out)
    if out == root or out.startswith(root + os.sep):
        sys.exit("--out must lie outside the repository (%s)" % root)
    os.makedirs(out, exist_ok=True)
    named = []
    if args.named and args.named != "none":
        named = mutants.load(args.named)
    given = load_given(args.mutants) if args.mutants else []
    sizes, quotas, sequences = random_plan(root, args.count, args.seed)
    meta = {"root": root, "revision": mutants.git_revision(root), "seed": args.seed,
            "count": args.count, "folder_code_lines": sizes, "quotas": quotas,
            "workers": args.workers, "jobs": args.jobs, "cxx_flags": args.cxx_flags,
            "test_timeout": args.test_timeout, "started": time.strftime("%Y-%m-%d %H:%M:%S")}
    with open(os.path.join(out, "plan.json"), "w", encoding="utf-8") as f:
        json.dump({"meta": meta, "named": named, "given": given, "sequences": sequences}, f,
                  ensure_ascii=False)
    runner.log(out, "plan: %d named, %d given, random quotas %s" % (len(named), len(given), quotas))
    baseline, done = runner.run(args, named + given, sequences, quotas, out)
    meta["finished"] = time.strftime("%Y-%m-%d %H:%M:%S")
    write_reports(out, root, meta, baseline, named, sequences, quotas, done, given)


def load_given(path):
    """Mutants to run as they are: a .jsonl list, or the sample of an earlier
    matrix.json (its faults that compiled then, the named ones left to --named),
    so that a later run measures the very same faults."""
    if not path.endswith(".json"):
        return mutants.load(path)
    with open(path, encoding="utf-8") as f:
        matrix = json.load(f)
    keep = ("id", "file", "line", "kind", "original", "occurrence", "replacement", "also", "note")
    return [{k: r[k] for k in keep if k in r} for r in matrix["mutants"]
            if not r.get("named") and r["status"] in runner.COMPILED]


def write_reports(out, root, meta, baseline, named, sequences, quotas, done, given=()):
    matrix = analysis.build_matrix(meta, baseline, named, sequences, quotas, done, given)
    analysis.write_matrix(out, matrix)
    text = analysis.summary(matrix)
    with open(os.path.join(out, "summary.txt"), "w", encoding="utf-8") as f:
        f.write(text + "\n")
    print(text)
    for level in ("file", "test"):
        report = analysis.catchers_report(matrix, root, level)
        with open(os.path.join(out, "catchers-%s.txt" % level), "w", encoding="utf-8") as f:
            f.write(report + "\n")
    runner.log(out, "matrix: %s" % os.path.join(out, "matrix.json"))


def cmd_report(args):
    """The matrix and reports again from a run's folder (also of a stopped run)."""
    out = os.path.abspath(args.out)
    with open(os.path.join(out, "plan.json"), encoding="utf-8") as f:
        plan = json.load(f)
    with open(os.path.join(out, "baseline.json"), encoding="utf-8") as f:
        baseline = json.load(f)
    meta = plan["meta"]
    write_reports(out, meta["root"], meta, baseline, plan["named"], plan["sequences"],
                  meta["quotas"], runner.load_results(out), plan.get("given", []))


def cmd_summary(args):
    print(analysis.summary(analysis.load_matrix(args.matrix)))


def cmd_catchers(args):
    matrix = analysis.load_matrix(args.matrix)
    root = os.path.abspath(args.root or matrix["meta"].get("root") or DEFAULT_ROOT)
    print(analysis.catchers_report(matrix, root, args.level, args.weighted, args.which))


def cmd_sample(args):
    sizes, quotas, sequences = random_plan(os.path.abspath(args.root), args.count, args.seed)
    for folder in sorted(sequences):
        for m in sequences[folder][:quotas[folder]]:
            print(json.dumps(m, ensure_ascii=False))


def cmd_diff(args):
    root = os.path.abspath(args.root)
    if args.mutants.endswith(".json"):
        with open(args.mutants, encoding="utf-8") as f:
            data = json.load(f)
        pool = data.get("mutants", []) + data.get("named", []) + [
            m for seq in data.get("sequences", {}).values() for m in seq]
    else:
        pool = mutants.load(args.mutants)
    found = [m for m in pool if m["id"] == args.id]
    if not found:
        sys.exit("no mutant %s in %s" % (args.id, args.mutants))
    texts = mutants.mutated_texts(root, found[0])
    if texts is None:
        sys.exit("gone: the original line is no longer in the tree")
    for rel, (orig, new) in texts.items():
        sys.stdout.writelines(difflib.unified_diff(orig.splitlines(True), new.splitlines(True),
                                                   "a/" + rel, "b/" + rel))


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = p.add_subparsers(dest="command", required=True)

    r = sub.add_parser("run", help="build and test every mutant, write the kill matrix")
    r.add_argument("--root", default=DEFAULT_ROOT, help="repository to measure (default: this one)")
    r.add_argument("--out", required=True, help="folder for results, outside the repository")
    r.add_argument("--count", type=int, default=250, help="random mutants that compile (0: none)")
    r.add_argument("--seed", type=int, default=14)
    r.add_argument("--named", default=DEFAULT_NAMED, help="hand-written faults ('none': skip)")
    r.add_argument("--mutants", help="faults to run as they are: a .jsonl list, or an earlier "
                   "matrix.json whose sample is to be measured again (use with --count 0)")
    r.add_argument("--workers", type=int, default=3, help="scratch trees run at once")
    r.add_argument("--jobs", type=int, default=3, help="build and ctest parallelism per worker")
    r.add_argument("--scratch", help="folder of the scratch trees (default: OUT/scratch)")
    r.add_argument("--cxx-flags", default="-O1 -DNDEBUG")
    r.add_argument("--no-ccache", action="store_true")
    r.add_argument("--test-timeout", type=int, default=10, help="seconds per test (a hang is caught)")
    r.add_argument("--suite-timeout", type=int, default=300, help="seconds for one whole ctest run")
    r.add_argument("--build-timeout", type=int, default=1200)
    r.set_defaults(func=cmd_run)

    rp = sub.add_parser("report", help="write matrix and reports again from a run's folder")
    rp.add_argument("out")
    rp.set_defaults(func=cmd_report)

    s = sub.add_parser("summary", help="the figures of a matrix")
    s.add_argument("matrix")
    s.set_defaults(func=cmd_summary)

    c = sub.add_parser("catchers", help="unique catchers and a greedy cover")
    c.add_argument("matrix")
    c.add_argument("--root", help="repository whose tests/ to read (default: the matrix's)")
    c.add_argument("--level", choices=("file", "test"), default="file")
    c.add_argument("--weighted", action="store_true", help="cover by catches per line of test code")
    c.add_argument("--which", choices=("all", "sample", "named"), default="all")
    c.set_defaults(func=cmd_catchers)

    m = sub.add_parser("sample", help="print the first random mutants of each folder")
    m.add_argument("--root", default=DEFAULT_ROOT)
    m.add_argument("--count", type=int, default=250)
    m.add_argument("--seed", type=int, default=14)
    m.set_defaults(func=cmd_sample)

    d = sub.add_parser("diff", help="show one mutant as a diff")
    d.add_argument("--root", default=DEFAULT_ROOT)
    d.add_argument("--mutants", default=DEFAULT_NAMED, help=".jsonl list, matrix.json or plan.json")
    d.add_argument("id")
    d.set_defaults(func=cmd_diff)

    args = p.parse_args()
    args.func(args)


if __name__ == "__main__":
    main()
