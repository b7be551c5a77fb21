"""Mutants: where they come from, how they are written down and applied.

A mutant is one JSON object (one per line in a .jsonl file):
  id           a name, unique in its list
  file         path relative to the repository root
  line         the line number when the mutant was made (information only)
  kind         constant, comparison, loop-bound, dropped-check, swapped-args,
               dropped-statement, negated-boolean, message-text
  original     the original line, stripped
  occurrence   which of the identical (stripped) lines of the file, from 0
  replacement  the new line, stripped (it keeps the original's indentation)
  also         optional: further edits of the same mutant, each with its own
               file (default: the mutant's), original, occurrence, replacement
  note         optional: what the fault stands for
The original line is looked up again whenever the mutant is applied, so a
mutant survives code that moved; if it is no longer there it is "gone".
"""

import json
import os
import random
import subprocess

from cxx_lines import OPERATORS, is_candidate_line, line_mutants, mask_lines

# Folders of the product, from the most specific; a file belongs to the first.
FOLDERS = ("app/framework", "calc/pvt", "calc/fugacity", "calc/equilibria", "fluid", "app")
SOURCE_ROOTS = ("fluid", "app", "calc")
EXTENSIONS = (".cpp", ".h")


def folder_of(path):
    for folder in FOLDERS:
        if path.startswith(folder + "/"):
            if folder == "app" and "/" in path[len("app/"):]:
                continue
            return folder
    return "other"


def product_files(root):
    """The product sources, relative to root, sorted."""
    files = []
    for top in SOURCE_ROOTS:
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, top)):
            dirnames.sort()
            for name in filenames:
                if name.endswith(EXTENSIONS):
                    rel = os.path.relpath(os.path.join(dirpath, name), root)
                    files.append(rel.replace(os.sep, "/"))
    return sorted(files)


def code_lines(text):
    """Non-blank lines that are not comment only (the project's way of counting code)."""
    return sum(1 for line in mask_lines(text) if line.code.strip())


def read(root, rel):
    with open(os.path.join(root, rel), encoding="utf-8") as f:
        return f.read()


# ---------------------------------------------------------------------------
# Finding and applying a mutant


def find_line(lines, original, occurrence):
    """Index of the occurrence-th line whose stripped text is original, or None."""
    seen = 0
    for k, line in enumerate(lines):
        if line.strip() == original:
            if seen == occurrence:
                return k
            seen += 1
    return None


def edits_of(mutant):
    first = {"file": mutant["file"], "original": mutant["original"],
             "occurrence": mutant.get("occurrence", 0), "replacement": mutant["replacement"]}
    rest = [dict({"file": mutant["file"], "occurrence": 0}, **e) for e in mutant.get("also", [])]
    return [first] + rest


def mutated_texts(root, mutant):
    """{file: (original text, mutated text)}, or None when the mutant is gone."""
    texts = {}
    for edit in edits_of(mutant):
        rel = edit["file"]
        if rel not in texts:
            path = os.path.join(root, rel)
            if not os.path.exists(path):
                return None
            text = read(root, rel)
            texts[rel] = [text, text.split("\n")]
        lines = texts[rel][1]
        k = find_line(lines, edit["original"], edit["occurrence"])
        if k is None:
            return None
        indent = lines[k][:len(lines[k]) - len(lines[k].lstrip())]
        lines[k] = indent + edit["replacement"]
    return {rel: (orig, "\n".join(lines)) for rel, (orig, lines) in texts.items()}


def line_number(root, mutant):
    lines = read(root, mutant["file"]).split("\n")
    k = find_line(lines, mutant["original"], mutant.get("occurrence", 0))
    return None if k is None else k + 1


def load(path):
    out = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            raw = raw.strip()
            if raw and not raw.startswith("//"):
                out.append(json.loads(raw))
    return out


def save(path, mutants):
    with open(path, "w", encoding="utf-8") as f:
        for m in mutants:
            f.write(json.dumps(m, ensure_ascii=False) + "\n")


# ---------------------------------------------------------------------------
# Random mutants


def candidates_by_line(root):
    """{folder: [(file, line index, [(kind, new text)...]) ...]} over the product."""
    by_folder = {}
    for rel in product_files(root):
        text = read(root, rel)
        lines = mask_lines(text)
        raw = text.split("\n")
        for k, line in enumerate(lines):
            if not is_candidate_line(line):
                continue
            options = line_mutants(lines, k)
            if options:
                by_folder.setdefault(folder_of(rel), []).append((rel, k, raw, options))
    return by_folder


def _make(rel, k, raw, kind, new):
    original = raw[k].strip()
    occurrence = sum(1 for other in raw[:k] if other.strip() == original)
    return {"file": rel, "line": k + 1, "kind": kind, "original": original,
            "occurrence": occurrence, "replacement": new.strip()}


def random_sequences(root, seed):
    """{folder: [mutant, ...]} in a fixed random order for each folder.

    Lines are drawn first, so that a line with many numbers weighs no more than
    any other; then a kind among those the line offers; then one of its
    candidates. Each pass over the shuffled lines takes one mutant per line."""
    rng = random.Random(seed)
    sequences = {}
    for folder, entries in sorted(candidates_by_line(root).items()):
        order = list(range(len(entries)))
        rng.shuffle(order)
        remaining = {k: list(entries[k][3]) for k in order}
        seq = []
        while any(remaining.values()):
            for k in order:
                options = remaining[k]
                if not options:
                    continue
                kinds = sorted({kind for kind, _ in options}, key=OPERATORS.index)
                kind = rng.choice(kinds)
                pick = rng.choice([o for o in options if o[0] == kind])
                options.remove(pick)
                rel, idx, raw, _ = entries[k]
                seq.append(_make(rel, idx, raw, *pick))
        for n, m in enumerate(seq):
            m["id"] = "%s#%04d" % (folder.replace("/", "-"), n)
        sequences[folder] = seq
    return sequences


def folder_sizes(root):
    sizes = {}
    for rel in product_files(root):
        folder = folder_of(rel)
        sizes[folder] = sizes.get(folder, 0) + code_lines(read(root, rel))
    return sizes


def quotas(sizes, total):
    """Mutants per folder in proportion to its code, by largest remainders."""
    whole = sum(sizes.values())
    exact = {f: total * s / whole for f, s in sizes.items()}
    q = {f: int(v) for f, v in exact.items()}
    for f in sorted(exact, key=lambda f: (q[f] - exact[f], f))[:total - sum(q.values())]:
        q[f] += 1
    return q


def git_revision(root):
    try:
        rev = subprocess.run(["git", "-C", root, "rev-parse", "HEAD"], capture_output=True,
                             text=True, check=True).stdout.strip()
        dirty = subprocess.run(["git", "-C", root, "status", "--porcelain", "--", *SOURCE_ROOTS,
                                "tests"], capture_output=True, text=True).stdout.strip()
        return rev + ("+changes" if dirty else "")
    except (OSError, subprocess.CalledProcessError):
        return "unknown"
