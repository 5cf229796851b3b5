#!/usr/bin/env python3
"""Which lines each test function alone reaches.

    scripts/coverage_unique.py [--build DIR] [--jobs N] [--only REGEX] [--resume] [--out FILE]

Runs every function of every Linux QTest executable of the coverage build
(default build-coverage, made by scripts/coverage.py) on its own, in the
test's sandbox from tests/CMakeLists.txt (emptied before each run) and with a
profile of its own, and writes a report: for each function, the lines of
scan/, clean/, largefiles/, update/, cli/, app/ and ui/ that no other function
reaches, as file:line ranges; then the functions that reach no line alone,
the candidates for folding, each with the function that reaches most of its
lines. Programs the tests start (varnholt, varnholt-cli) count for the
function that started them.

The lines each run reached are kept in DIR/coverage/functions/; --resume
reuses them and runs only what is missing (after a rebuild, drop --resume).
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import coverage  # noqa: E402  (scripts/coverage.py)

ROOT = coverage.ROOT
# As tests/CMakeLists.txt gives the tests of an instrumented build.
TIMEOUT = 900


def list_functions(test):
    env = dict(os.environ, **test["env"], LLVM_PROFILE_FILE=os.devnull)
    out = subprocess.run([test["command"][0], "-functions"], env=env, cwd=test["cwd"],
                         capture_output=True, text=True, timeout=60).stdout
    return [line.strip().removesuffix("()") for line in out.splitlines() if line.strip()]


def reset_sandbox(test):
    """Empties the test's own home, XDG and temp folders (all inside the build tree)."""
    for key in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR", "XDG_RUNTIME_DIR"):
        folder = test["env"].get(key)
        if not folder or "/test-sandbox/" not in folder:
            continue
        path = Path(folder)
        mode = path.stat().st_mode & 0o7777 if path.exists() else 0o755
        if path.exists():
            subprocess.run(["chmod", "-R", "u+rwX", str(path)], stderr=subprocess.DEVNULL)
            shutil.rmtree(path, ignore_errors=True)
        path.mkdir(parents=True, exist_ok=True)
        path.chmod(mode)


def covered_lines(build, profdata, objects):
    """{file relative to the repository: sorted lines with a count} of the report folders."""
    lcov = subprocess.run(coverage.export_args(build, profdata, objects) + ["-format=lcov", "-skip-functions"],
                          check=True, capture_output=True, text=True).stdout
    lines, current = {}, None
    for row in lcov.splitlines():
        if row.startswith("SF:"):
            rel = coverage.relative(row[3:])
            current = lines.setdefault(rel, set()) if rel and coverage.folder_of(rel) else None
        elif row.startswith("DA:") and current is not None:
            number, count = row[3:].split(",")[:2]
            if int(count) > 0:
                current.add(int(number))
    return {rel: sorted(found) for rel, found in lines.items() if found}


class Runner:
    def __init__(self, build, total, results):
        self.build = build
        self.total = total
        self.done = 0
        self.results = results
        self.lock = threading.Lock()
        self.started = time.monotonic()
        self.programs = [str(build / p) for p in coverage.PROGRAMS if (build / p).exists()]

    def run_test(self, test, functions, cached):
        for function in functions:
            key = f"{test['name']}::{function}"
            if key in cached:
                result = cached[key]
            else:
                result = self.run_function(test, function)
            with self.lock:
                self.results[key] = result
                self.done += 1
                elapsed = time.monotonic() - self.started
                state = "ok" if result["status"] == 0 else f"FAILED ({result['status']})"
                reached = sum(len(v) for v in result["lines"].values())
                print(f"[{self.done:>3}/{self.total}] {elapsed:6.0f} s  {key:<55} {result['seconds']:6.1f} s "
                      f"{reached:>6} lines  {state}", flush=True)

    def run_function(self, test, function):
        store = self.build / "coverage" / "functions" / test["name"]
        store.mkdir(parents=True, exist_ok=True)
        profiles = coverage.profile_dir(self.build / "coverage" / "runs" / test["name"])
        reset_sandbox(test)
        env = dict(os.environ, **test["env"], LLVM_PROFILE_FILE=str(profiles / "%p.profraw"))
        started = time.monotonic()
        try:
            status = subprocess.run([test["command"][0], function], env=env, cwd=test["cwd"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    timeout=TIMEOUT).returncode
        except subprocess.TimeoutExpired:
            status = "timeout"
        seconds = time.monotonic() - started
        profdata = profiles / "run.profdata"
        lines = {}
        if coverage.merge(profiles, profdata):
            lines = covered_lines(self.build, profdata, [test["command"][0]] + self.programs)
        shutil.rmtree(profiles, ignore_errors=True)
        result = {"status": status, "seconds": round(seconds, 2), "lines": lines}
        (store / f"{function}.json").write_text(json.dumps(result))
        return result


def ranges(numbers):
    out, start, prev = [], None, None
    for n in numbers:
        if start is None:
            start = prev = n
        elif n == prev + 1:
            prev = n
        else:
            out.append(f"{start}" if start == prev else f"{start}-{prev}")
            start = prev = n
    if start is not None:
        out.append(f"{start}" if start == prev else f"{start}-{prev}")
    return ",".join(out)


def write_report(results, out, seconds):
    reach = {}
    for key, result in results.items():
        for rel, numbers in result["lines"].items():
            for n in numbers:
                reach.setdefault((rel, n), []).append(key)
    unique = {key: {} for key in results}
    for (rel, n), keys in reach.items():
        if len(keys) == 1:
            unique[keys[0]].setdefault(rel, []).append(n)
    sets = {key: {(rel, n) for rel, numbers in r["lines"].items() for n in numbers} for key, r in results.items()}

    def count(key):
        return sum(len(v) for v in unique[key].values())

    failed = [k for k, r in results.items() if r["status"] != 0]
    text = [f"Lines each test function alone reaches ({len(results)} functions, {len(reach)} lines of "
            f"scan/ clean/ largefiles/ update/ cli/ app/ ui/ reached in all; pass took {seconds / 60:.1f} min)", ""]
    if failed:
        text += ["Functions that failed on their own (their lines still count):"]
        text += [f"  {k}: {results[k]['status']}" for k in sorted(failed)] + [""]
    ranked = sorted(results, key=lambda k: (-count(k), k))
    text.append("Unique lines per function")
    text.append("=========================")
    for key in ranked:
        if count(key) == 0:
            continue
        text.append(f"{count(key):>5}  {key}   (reaches {len(sets[key])} lines)")
        for rel in sorted(unique[key]):
            text.append(f"         {rel}:{ranges(sorted(unique[key][rel]))}")
    zero = [k for k in ranked if count(k) == 0]
    text += ["", f"Functions that reach no line alone ({len(zero)}): candidates for folding",
             "=" * 60,
             "(with the other function that reaches the largest share of its lines)"]
    for key in sorted(zero):
        own = sets[key]
        best, share = None, 0.0
        for other, lines in sets.items():
            if other == key or not own:
                continue
            s = len(own & lines) / len(own)
            if s > share or (s == share and best and other.split("::")[0] == key.split("::")[0]):
                best, share = other, s
        where = f"{share * 100:5.1f}% in {best}" if best else "reaches nothing"
        text.append(f"  {key:<55} {len(own):>6} lines; {where}")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text("\n".join(text) + "\n")
    return zero, ranked, count


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(ROOT / "build-coverage"))
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("JOBS", os.cpu_count() or 2)))
    parser.add_argument("--only", help="run only the tests whose names match this regular expression")
    parser.add_argument("--resume", action="store_true", help="reuse the stored lines of earlier runs")
    parser.add_argument("--out")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    coverage.configure_and_build(build)

    tests = [t for t in coverage.ctest_tests(build) if t["name"].startswith("tst_") and t["command"]
             and (not args.only or re.search(args.only, t["name"]))]
    # The slowest tests first (CTest's own timings of the last run), so two
    # workers finish together.
    costs = {}
    cost_file = build / "Testing" / "Temporary" / "CTestCostData.txt"
    if cost_file.exists():
        for row in cost_file.read_text().splitlines():
            parts = row.split()
            if len(parts) == 3:
                costs[parts[0]] = float(parts[2])
    plan = []
    for t in tests:
        functions = list_functions(t)
        plan.append((t, functions))
    plan.sort(key=lambda p: -(costs.get(p[0]["name"], 0.0) + 0.5 * len(p[1])))

    cached = {}
    if args.resume:
        for t, functions in plan:
            for f in functions:
                stored = build / "coverage" / "functions" / t["name"] / f"{f}.json"
                if stored.exists():
                    cached[f"{t['name']}::{f}"] = json.loads(stored.read_text())
    else:
        shutil.rmtree(build / "coverage" / "functions", ignore_errors=True)

    results = {}
    total = sum(len(f) for _, f in plan)
    print(f"coverage_unique: {total} functions in {len(plan)} tests, {args.jobs} at a time", flush=True)
    runner = Runner(build, total, results)
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for future in [pool.submit(runner.run_test, t, f, cached) for t, f in plan]:
            future.result()
    seconds = time.monotonic() - runner.started
    out = Path(args.out) if args.out else build / "coverage" / "unique.txt"
    zero, ranked, count = write_report(results, out, seconds)
    print(f"\ncoverage_unique: {len(ranked) - len(zero)} functions reach lines of their own, "
          f"{len(zero)} reach none; took {seconds / 60:.1f} min; report in {out}")


if __name__ == "__main__":
    main()
