"""Runs mutants: each in a scratch copy of the tree, built incrementally, then ctest.

Several scratch copies (workers) run at once, each with its own build folder.
A mutant is applied to its copy, the tree is built, the tests are run, and the
file is written back; the next build recompiles it (ccache, when there is one,
makes that cheap). Every result is appended to results.jsonl at once, so a run
that stops can be started again and goes on where it was.
"""

import hashlib
import json
import os
import queue
import re
import shutil
import signal
import subprocess
import threading
import time

import mutants as mutants_mod

BUILD_DIR = "build"
COMPILED = ("caught", "survived")


def log(out_dir, message):
    line = time.strftime("%H:%M:%S ") + message
    print(line, flush=True)
    with open(os.path.join(out_dir, "log.txt"), "a", encoding="utf-8") as f:
        f.write(line + "\n")


def mutant_key(m):
    """Identity of a mutant's content: the same key means the same edit."""
    edits = json.dumps(mutants_mod.edits_of(m), sort_keys=True, ensure_ascii=False)
    return hashlib.sha1(edits.encode("utf-8")).hexdigest()[:16]


# ---------------------------------------------------------------------------
# Scratch trees


def tree_files(root):
    """Files of the repository as they are in its work tree (tracked and new)."""
    out = subprocess.run(["git", "-C", root, "ls-files", "-co", "--exclude-standard", "-z"],
                         capture_output=True, check=True).stdout.decode("utf-8")
    return sorted(p for p in out.split("\0") if p and os.path.isfile(os.path.join(root, p)))


def sync_tree(root, scratch):
    """Makes scratch hold root's files; unchanged files keep their times."""
    os.makedirs(scratch, exist_ok=True)
    wanted = set(tree_files(root))
    for rel in wanted:
        src = os.path.join(root, rel)
        dst = os.path.join(scratch, rel)
        with open(src, "rb") as f:
            data = f.read()
        if os.path.exists(dst):
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
    for dirpath, dirnames, filenames in os.walk(scratch):
        rel_dir = os.path.relpath(dirpath, scratch)
        if rel_dir == BUILD_DIR or rel_dir.startswith(BUILD_DIR + os.sep):
            dirnames[:] = []
            continue
        for name in filenames:
            rel = os.path.normpath(os.path.join(rel_dir, name)).replace(os.sep, "/")
            if rel not in wanted:
                os.remove(os.path.join(dirpath, name))


class Worker:
    def __init__(self, index, scratch, options):
        self.index = index
        self.scratch = scratch
        self.options = options
        self.build = os.path.join(scratch, BUILD_DIR)
        self.env = dict(os.environ)
        self.env["QT_QPA_PLATFORM"] = "offscreen"
        # Paths inside the scratch copies hash alike, so the copies share a cache.
        self.env["CCACHE_BASEDIR"] = os.path.dirname(os.path.abspath(scratch))
        self.env["CCACHE_NOHASHDIR"] = "1"

    def _run(self, args, timeout, cwd=None):
        """(returncode or None on timeout, output) of a command in its own process group."""
        proc = subprocess.Popen(args, cwd=cwd or self.scratch, env=self.env, text=True,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                start_new_session=True, errors="replace")
        try:
            out, _ = proc.communicate(timeout=timeout)
            return proc.returncode, out
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            out, _ = proc.communicate()
            return None, out

    def configure(self):
        if os.path.exists(os.path.join(self.build, "build.ninja")):
            return
        args = ["cmake", "-S", ".", "-B", BUILD_DIR, "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=", "-DCMAKE_CXX_FLAGS=%s" % self.options.cxx_flags,
                "-DFLUIDCALC_BENCH=OFF", "-DFLUIDCALC_SANITIZE=OFF"]
        if shutil.which("ccache") and not self.options.no_ccache:
            args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        rc, out = self._run(args, 600)
        if rc != 0:
            raise RuntimeError("cmake failed in %s:\n%s" % (self.scratch, out[-4000:]))

    def build_tree(self):
        rc, out = self._run(["cmake", "--build", BUILD_DIR, "-j", str(self.options.jobs)],
                            self.options.build_timeout)
        return rc == 0, out

    def run_tests(self):
        """{'tests': {name: status}, 'completed': bool, 'rc': int}."""
        failed_log = os.path.join(self.build, "Testing", "Temporary", "LastTestsFailed.log")
        if os.path.exists(failed_log):
            os.remove(failed_log)
        rc, out = self._run(["ctest", "-j", str(self.options.jobs), "--timeout",
                             str(self.options.test_timeout), "--no-tests=error"],
                            self.options.suite_timeout, cwd=self.build)
        return {"tests": parse_ctest(out), "completed": rc is not None, "rc": rc,
                "tail": out[-3000:]}


_RESULT = re.compile(r"^\s*\d+/\d+ Test\s+#\d+: (.+?)\s*\.*\s*"
                     r"(Passed|\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception[^0-9]*?|"
                     r"\*\*\*Not Run[^0-9]*?|Not Run[^0-9]*?|\*\*\*Skipped|Skipped)\s+[\d.]+ sec\s*$")


def test_name(raw):
    """The ctest name without gtest's printout of the parameter (it holds
    addresses) and without the dots and words ctest puts after it."""
    name = raw.split("  # GetParam()")[0]
    return re.split(r"\s*\.{3,}", name)[0].strip()


def parse_ctest(output):
    tests = {}
    for line in output.splitlines():
        m = _RESULT.match(line)
        if m:
            status = m.group(2).strip("* ").split(":")[0].strip()
            tests[test_name(m.group(1))] = status
    return tests


# ---------------------------------------------------------------------------
# One mutant


def run_mutant(worker, mutant, baseline):
    start = time.time()
    record = dict(mutant)
    record["key"] = mutant_key(mutant)
    texts = mutants_mod.mutated_texts(worker.scratch, mutant)
    if texts is None:
        record.update(status="gone", failed=[], seconds=0.0)
        return record
    record["line"] = mutants_mod.line_number(worker.scratch, mutant)
    paths = {rel: os.path.join(worker.scratch, rel) for rel in texts}
    try:
        for rel, (_, new) in texts.items():
            with open(paths[rel], "w", encoding="utf-8") as f:
                f.write(new)
        ok, out = worker.build_tree()
        if not ok:
            errors = [l for l in out.splitlines() if "error" in l][:3]
            record.update(status="no-compile", failed=[], compiler=errors)
        else:
            result = worker.run_tests()
            seen = result["tests"]
            failed = sorted(n for n, s in seen.items() if s not in ("Passed", "Skipped")
                            and n not in baseline["failing"])
            hangs = sorted(n for n, s in seen.items() if s == "Timeout")
            missing = sorted(set(baseline["tests"]) - set(seen))
            if result["completed"]:
                # A test executable that no longer lists its tests fails them all.
                failed = sorted(set(failed) | set(missing))
                unfinished = []
            else:
                unfinished = missing
            caught = bool(failed) or not result["completed"] or \
                (result["rc"] != 0 and not baseline["rc"])
            record.update(status="caught" if caught else "survived", failed=failed)
            if hangs:
                record["hangs"] = hangs
            if unfinished:
                record["unfinished"] = unfinished
            if caught and not failed and not unfinished:
                record["ctest_tail"] = result["tail"][-800:]
    finally:
        for rel, (orig, _) in texts.items():
            with open(paths[rel], "w", encoding="utf-8") as f:
                f.write(orig)
    record["seconds"] = round(time.time() - start, 1)
    return record


# ---------------------------------------------------------------------------
# The whole run


def prepare_workers(options, out_dir):
    workers = []
    for i in range(options.workers):
        scratch = os.path.join(options.scratch or os.path.join(out_dir, "scratch"), "w%d" % i)
        sync_tree(options.root, scratch)
        workers.append(Worker(i, scratch, options))
    return workers


def baseline_run(workers, out_dir):
    """Builds every worker and runs the unchanged suite once."""
    threads = []
    errors = []

    def build(w):
        try:
            w.configure()
            ok, out = w.build_tree()
            if not ok:
                errors.append("build failed in %s:\n%s" % (w.scratch, out[-4000:]))
        except Exception as e:  # noqa: BLE001 - reported below
            errors.append(str(e))

    # The first build fills the cache; the others then mostly read from it.
    build(workers[0])
    for w in workers[1:]:
        t = threading.Thread(target=build, args=(w,))
        t.start()
        threads.append(t)
    for t in threads:
        t.join()
    if errors:
        raise RuntimeError("\n".join(errors))
    start = time.time()
    result = workers[0].run_tests()
    tests = sorted(result["tests"])
    failing = sorted(n for n, s in result["tests"].items() if s not in ("Passed", "Skipped"))
    baseline = {"tests": tests, "failing": failing, "rc": result["rc"] or 0,
                "seconds": round(time.time() - start, 1)}
    with open(os.path.join(out_dir, "baseline.json"), "w") as f:
        json.dump(baseline, f, indent=1)
    log(out_dir, "baseline: %d tests, %d failing, suite %.1f s"
        % (len(tests), len(failing), baseline["seconds"]))
    if failing:
        log(out_dir, "tests failing without any mutant (left out of every verdict): %s"
            % ", ".join(failing))
    if not tests:
        raise RuntimeError("the unchanged suite ran no test:\n" + result["tail"])
    return baseline


def load_results(out_dir):
    done = {}
    path = os.path.join(out_dir, "results.jsonl")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for raw in f:
                if raw.strip():
                    r = json.loads(raw)
                    done[(r["id"], r["key"])] = r
    return done


class Plan:
    """What to run next: the named faults, then each folder's random sequence
    until it has its quota of mutants that compiled."""

    def __init__(self, named, sequences, quotas):
        self.named = list(named)
        self.sequences = sequences
        self.quotas = quotas
        self.next = {f: 0 for f in sequences}
        self.compiled = {f: 0 for f in sequences}
        self.inflight = {f: 0 for f in sequences}
        self.named_inflight = 0

    def take(self):
        if self.named:
            self.named_inflight += 1
            return None, self.named.pop(0)
        # The folder furthest from its quota goes first.
        best = None
        for f in sorted(self.sequences):
            need = self.quotas.get(f, 0) - self.compiled[f] - self.inflight[f]
            if need > 0 and self.next[f] < len(self.sequences[f]):
                if best is None or need > best[0]:
                    best = (need, f)
        if best is None:
            return None
        f = best[1]
        m = self.sequences[f][self.next[f]]
        self.next[f] += 1
        self.inflight[f] += 1
        return f, m

    def done(self, folder, record):
        if folder is None:
            self.named_inflight -= 1
            return
        self.inflight[folder] -= 1
        if record["status"] in COMPILED:
            self.compiled[folder] += 1


def run(options, named, sequences, quotas, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    workers = prepare_workers(options, out_dir)
    log(out_dir, "workers ready: %s" % ", ".join(w.scratch for w in workers))
    baseline = baseline_run(workers, out_dir)
    done = load_results(out_dir)
    plan = Plan(named, sequences, quotas)
    results_path = os.path.join(out_dir, "results.jsonl")
    idle = queue.Queue()
    for w in workers:
        idle.put(w)
    finished = queue.Queue()
    lock = threading.Lock()
    counts = {"run": 0, "caught": 0}
    started = time.time()
    active = 0

    def work(worker, folder, mutant):
        try:
            record = run_mutant(worker, mutant, baseline)
        except Exception as e:  # noqa: BLE001 - the run goes on
            record = dict(mutant, key=mutant_key(mutant), status="error", failed=[],
                          error=repr(e))
        finished.put((worker, folder, record))

    while True:
        # Hand out work while a worker is idle.
        while not idle.empty():
            job = plan.take()
            if job is None:
                break
            folder, mutant = job
            key = (mutant["id"], mutant_key(mutant))
            if key in done:
                plan.done(folder, done[key])
                continue
            worker = idle.get()
            active += 1
            threading.Thread(target=work, args=(worker, folder, mutant), daemon=True).start()
        if active == 0:
            break
        worker, folder, record = finished.get()
        active -= 1
        idle.put(worker)
        record["folder"] = folder or mutants_mod.folder_of(record["file"])
        record["named"] = folder is None
        plan.done(folder, record)
        with lock:
            with open(results_path, "a", encoding="utf-8") as f:
                f.write(json.dumps(record, ensure_ascii=False) + "\n")
            done[(record["id"], record["key"])] = record
            counts["run"] += 1
            counts["caught"] += record["status"] == "caught"
        elapsed = time.time() - started
        log(out_dir, "[%d done, %.0f s/mutant, %.1f min] %-24s %-10s %5.1f s  %s:%s %s"
            % (counts["run"], elapsed / counts["run"], elapsed / 60, record["id"],
               record["status"], record.get("seconds", 0), record["file"], record.get("line"),
               ("failed: %d" % len(record["failed"])) if record["failed"] else ""))
    return baseline, done
