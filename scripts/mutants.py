#!/usr/bin/env python3
"""Mutation sampling of the engine: which planted faults the tests catch.

    scripts/mutants.py [--build DIR] [--list FILE] [--only N[,N-M]...] [--out FILE]

Takes the mutants of scripts/mutants.txt one at a time: changes the line in
the working tree, builds the tests that can see it in DIR (default
build-mutants, a Debug build with ccache, configured when missing), runs the
engine's tests (tests/scan, clean, largefiles, update, cli, app; and
tst_cleanuppage and tst_largefilespage for a mutant in app/) one after the
other until one fails, and puts the file back with `git checkout`. Each
mutant ends KILLED (by the first failing test), SURVIVED or NO-BUILD.

The tests run unmutated first: how long each takes sets its time limit, and
a failure they show there (something of this machine's, such as a running
program a test expects not to run) is not counted against a mutant, nor is
one named on a `flaky:` line of the list.

Format of the list, one mutant a line (blank lines and # comments skipped):

    path:line: old text => new text

`old text` must occur on that line; its first occurrence is replaced. When
the file has moved on, the nearest line within a few dozen that holds it is
taken (and named in the results).
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import coverage  # noqa: E402  (scripts/coverage.py)
from coverage_unique import reset_sandbox  # noqa: E402

ROOT = coverage.ROOT
ENGINE_TEST_FOLDERS = ["scan", "clean", "largefiles", "update", "cli", "app"]
APP_PAGE_TESTS = ["tst_cleanuppage", "tst_largefilespage"]
FAIL_LINE = re.compile(r"^FAIL!\s*:\s*(\w+::\w+)(.*)$", re.M)


def failed_cases(output):
    """QTest's failed cases, "Class::function(row)", the row's brackets balanced."""
    found = set()
    for name, rest in FAIL_LINE.findall(output):
        if rest.startswith("("):
            depth = 0
            for i, c in enumerate(rest):
                depth += {"(": 1, ")": -1}.get(c, 0)
                if depth == 0:
                    name += rest[:i + 1]
                    break
        found.add(name)
    return found


def parse_list(path):
    mutants, flaky = [], set()
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("flaky:"):
            flaky.add(line[len("flaky:"):].strip())
            continue
        m = re.match(r"^([^:\s]+):(\d+):\s(.*?)\s=>\s(.*)$", line)
        if not m:
            sys.exit(f"{path}:{number}: not 'path:line: old => new': {raw}")
        mutants.append({"id": len(mutants) + 1, "path": m.group(1), "line": int(m.group(2)),
                        "old": m.group(3), "new": m.group(4)})
    return mutants, flaky


def selected(mutants, only):
    if not only:
        return mutants
    keep = set()
    for part in only.split(","):
        a, _, b = part.partition("-")
        keep.update(range(int(a), int(b or a) + 1))
    return [m for m in mutants if m["id"] in keep]


def engine_tests():
    """{test name: folder} of the engine's tests, from their sources."""
    out = {}
    for folder in ENGINE_TEST_FOLDERS:
        for src in sorted((ROOT / "tests" / folder).glob("tst_*.cpp")):
            out[src.stem] = folder
    return out


def configure(build):
    if (build / "build.ninja").exists():
        return
    args = ["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug"]
    if shutil.which("ccache"):
        args.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


def build_target(build, target):
    jobs = os.environ.get("JOBS", str(os.cpu_count() or 2))
    result = subprocess.run(["cmake", "--build", str(build), "--parallel", jobs, "--target", target],
                            capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def run_test(test, timeout):
    """(passed, failures, seconds, output); failures are QTest's FAIL! names."""
    reset_sandbox(test)
    env = dict(os.environ, **test["env"])
    started = time.monotonic()
    proc = subprocess.Popen(test["command"], env=env, cwd=test["cwd"], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True, errors="replace", start_new_session=True)
    try:
        output, _ = proc.communicate(timeout=timeout)
        status = proc.returncode
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        output, _ = proc.communicate()
        status = "timeout"
    seconds = time.monotonic() - started
    failures = failed_cases(output)
    return status == 0, status, failures, seconds, output


def order_tests(mutant, tests, durations):
    """Fail-fast order: the mutated file's own test, its folder's, then the quickest."""
    path = mutant["path"]
    folder = path.split("/", 1)[0]
    stem = Path(path).stem
    for suffix in ("_posix", "_win", "_p"):
        stem = stem.removesuffix(suffix)
    names = [n for n, f in tests.items() if f in ENGINE_TEST_FOLDERS]
    if folder == "app":
        names += APP_PAGE_TESTS

    def rank(name):
        own = name == f"tst_{stem}" or name.startswith(f"tst_{stem}")
        same = tests.get(name) == folder
        return (0 if own else 1 if same else 2, durations.get(name, 0.0), name)
    return sorted(set(names), key=rank)


# How far from its listed line a mutant's text is looked for when the file
# has moved on since the list was written.
DRIFT = 60


def apply(mutant):
    """Plants the mutant; the line that holds its old text nearest to the
    listed one (within DRIFT lines, the only such line at that distance)."""
    path = ROOT / mutant["path"]
    lines = path.read_text().split("\n")
    listed = mutant["line"] - 1
    for distance in range(DRIFT + 1):
        found = [i for i in {listed - distance, listed + distance}
                 if 0 <= i < len(lines) and mutant["old"] in lines[i]]
        if len(found) > 1:
            return False
        if found:
            index = found[0]
            lines[index] = lines[index].replace(mutant["old"], mutant["new"], 1)
            path.write_text("\n".join(lines))
            mutant["planted"] = index + 1
            return True
    return False


def restore(mutant):
    subprocess.run(["git", "-C", str(ROOT), "checkout", "--", mutant["path"]], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(ROOT / "build-mutants"))
    parser.add_argument("--list", default=str(ROOT / "scripts" / "mutants.txt"))
    parser.add_argument("--only", help="mutant numbers to run, e.g. 3,7-9")
    parser.add_argument("--out", help="where the results go (default DIR/mutants.txt, and .json beside it)")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    mutants, flaky = parse_list(Path(args.list))
    mutants = selected(mutants, args.only)
    tests_by_folder = engine_tests()

    touched = sorted({m["path"] for m in mutants})
    dirty = subprocess.run(["git", "-C", str(ROOT), "status", "--porcelain", "--"] + touched,
                           capture_output=True, text=True).stdout.strip()
    if dirty:
        sys.exit("mutants: these files have changes of their own; commit or stash them first:\n" + dirty)

    # Stopped from outside, the mutated file is put back all the same.
    def interrupted(signum, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, interrupted)

    started = time.monotonic()
    configure(build)
    ctests = {t["name"]: t for t in coverage.ctest_tests(build)}
    wanted = [n for n in list(tests_by_folder) + APP_PAGE_TESTS if n in ctests]
    print(f"mutants: building and running {len(wanted)} tests unmutated", flush=True)
    durations, ignored = {}, set(flaky)
    for name in wanted:
        ok, log = build_target(build, name)
        if not ok:
            sys.exit(f"mutants: {name} does not build unmutated:\n{log[-3000:]}")
    ok, log = build_target(build, "varnholt-cli")
    # ctest names a test's command only once its program exists: read them
    # again now that everything is built.
    ctests = {t["name"]: t for t in coverage.ctest_tests(build)}
    for name in wanted:
        passed, status, failures, seconds, output = run_test(ctests[name], 600)
        durations[name] = seconds
        note = "" if passed else f"  fails unmutated ({status}): {', '.join(sorted(failures)) or 'no FAIL! line'}"
        if not passed and not failures:
            sys.exit(f"mutants: {name} fails unmutated without a FAIL! line:\n{output[-3000:]}")
        ignored |= failures
        print(f"  {name:<24} {seconds:6.1f} s{note}", flush=True)
    baseline_seconds = time.monotonic() - started

    results = []
    for mutant in mutants:
        label = f"{mutant['path']}:{mutant['line']}: {mutant['old']} => {mutant['new']}"
        t0 = time.monotonic()
        if not apply(mutant):
            results.append({**mutant, "result": "INVALID", "detail": "old text not near that line", "seconds": 0})
            print(f"#{mutant['id']:<3} INVALID   {label}", flush=True)
            continue
        result, detail = "SURVIVED", ""
        try:
            order = order_tests(mutant, tests_by_folder, durations)
            needs_cli = any(tests_by_folder.get(n) == "cli" for n in order)
            built_once = False
            for name in order:
                if name not in ctests:
                    continue
                ok, log = build_target(build, name)
                if ok and not built_once and needs_cli:
                    ok, log = build_target(build, "varnholt-cli")
                if not ok:
                    if not built_once:
                        result, detail = "NO-BUILD", re.sub(r"\s+", " ", next(
                            (l for l in log.splitlines() if "error" in l), log[-200:]))[:200]
                        break
                    result, detail = "KILLED", f"{name} (does not build)"
                    break
                built_once = True
                timeout = max(60.0, 5 * durations.get(name, 60.0))
                passed, status, failures, seconds, _ = run_test(ctests[name], timeout)
                if passed:
                    continue
                real = failures - ignored
                if real or not failures:
                    what = ", ".join(sorted(real)[:3]) if real else f"exit {status}"
                    result, detail = "KILLED", f"{name}: {what}"
                    break
        finally:
            restore(mutant)
        seconds = time.monotonic() - t0
        results.append({**mutant, "result": result, "detail": detail, "seconds": round(seconds, 1)})
        print(f"#{mutant['id']:<3} {result:<9} {seconds:5.0f} s  {label}" + (f"\n       {detail}" if detail else ""),
              flush=True)
    # Leaves the build as the tree is, so that the next run starts from cached objects.
    for name in wanted:
        build_target(build, name)

    killed = sum(r["result"] == "KILLED" for r in results)
    survived = [r for r in results if r["result"] == "SURVIVED"]
    counted = killed + len(survived)
    total = time.monotonic() - started
    lines = [f"Mutants: {len(results)}; killed {killed}, survived {len(survived)}, "
             f"did not build {sum(r['result'] == 'NO-BUILD' for r in results)}, "
             f"invalid {sum(r['result'] == 'INVALID' for r in results)}; "
             f"kill rate {100.0 * killed / counted:.1f}% of those that built" if counted else "no mutant built",
             f"Took {total / 60:.1f} min ({baseline_seconds / 60:.1f} of them building and running the tests unmutated).",
             ""]
    if ignored:
        lines += ["Failures not counted (flaky here, or failing unmutated):"] + [f"  {f}" for f in sorted(ignored)] + [""]
    for r in results:
        lines.append(f"#{r['id']:<3} {r['result']:<9} {r['path']}:{r['line']}: {r['old']} => {r['new']}")
        if r["detail"]:
            lines.append(f"        {r['detail']}")
    text = "\n".join(lines) + "\n"
    print("\n" + text)
    out = Path(args.out) if args.out else build / "mutants.txt"
    out.write_text(text)
    out.with_suffix(".json").write_text(json.dumps(results, indent=1))
    print(f"mutants: results in {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
