#!/usr/bin/env python3
"""Line and branch coverage of the Linux tests, per source folder.

    scripts/coverage.py [--build DIR] [--skip-run] [--html] [--out FILE]

Configures and builds DIR (default build-coverage) with clang's source-based
coverage (-DVARNHOLT_COVERAGE=ON), runs the Linux CTest tests with one raw
profile per process (the programs the tests start write theirs too), merges
them and prints line and branch coverage for scan/, clean/, largefiles/,
update/, cli/, app/ and ui/, and for the engine: those folders but ui/,
app/tray* and app/main.cpp. The same table, followed by every file, goes to
DIR/coverage/summary.txt (or --out); --html also writes llvm-cov's annotated
sources to DIR/coverage/html.

windows_syntax and package_lintian are left out: they compile or pack nothing
that runs.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FOLDERS = ["scan", "clean", "largefiles", "update", "cli", "app", "ui"]
ENGINE_FOLDERS = ["scan", "clean", "largefiles", "update", "cli", "app"]
SKIPPED_TESTS = ["windows_syntax", "package_lintian"]
# The programs tests start; their profiles are merged with the tests'.
PROGRAMS = ["varnholt", "varnholt-cli"]


def tool(name):
    for candidate in (name, name + "-14"):
        path = shutil.which(candidate)
        if path:
            return path
    sys.exit(f"coverage: {name} not found (Debian package llvm-14 or llvm)")


def folder_of(rel):
    """The report folder of a path relative to the repository, or None."""
    top = rel.split("/", 1)[0]
    return top if top in FOLDERS and "/" in rel else None


def in_engine(rel):
    folder = folder_of(rel)
    if folder not in ENGINE_FOLDERS:
        return False
    name = rel.rsplit("/", 1)[-1]
    return not (rel.startswith("app/") and (name.startswith("tray") or name == "main.cpp"))


def relative(path):
    try:
        return str(Path(path).resolve().relative_to(ROOT))
    except ValueError:
        return None


# Everything the reports leave out: system and Qt headers, generated files in
# the build tree, the tests themselves, the gallery and the benchmarks
# (llvm-cov's regular expressions have no look-ahead to say "keep only").
def ignore_args(build):
    patterns = ["^/usr/", "^" + re.escape(str(Path(build).resolve())) + "/",
                "^" + re.escape(str(ROOT)) + "/(tests|gallery|bench)/"]
    return [arg for p in patterns for arg in ("-ignore-filename-regex", p)]


def configure_and_build(build):
    if not (build / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                        "-DCMAKE_CXX_COMPILER=" + tool("clang++"),
                        "-DVARNHOLT_COVERAGE=ON"]
                       + (["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []),
                       check=True)
    jobs = os.environ.get("JOBS", str(os.cpu_count() or 2))
    subprocess.run(["cmake", "--build", str(build), "--parallel", jobs], check=True)


def ctest_tests(build):
    """CTest's tests of the build as dicts (name, command, environment, cwd)."""
    out = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                         check=True, capture_output=True, text=True).stdout
    tests = []
    for t in json.loads(out)["tests"]:
        env, cwd = {}, str(build)
        for prop in t.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                env = dict(kv.split("=", 1) for kv in prop["value"])
            elif prop["name"] == "WORKING_DIRECTORY":
                cwd = prop["value"]
        tests.append({"name": t["name"], "command": t.get("command", []), "env": env, "cwd": cwd})
    return tests


def binaries(build):
    """The instrumented executables whose coverage mapping the reports read."""
    found = []
    for t in ctest_tests(build):
        if t["name"].startswith("tst_") and t["command"]:
            found.append(t["command"][0])
    for program in PROGRAMS:
        path = build / program
        if path.exists():
            found.append(str(path))
    return found


def profile_dir(path):
    if path.exists():
        shutil.rmtree(path)
    path.mkdir(parents=True)
    # Some tests run the program as another user (setpriv); it still writes
    # its profile.
    path.chmod(0o1777)
    return path


def merge(profiles, output):
    raws = sorted(str(p) for p in Path(profiles).glob("*.profraw"))
    if not raws:
        return False
    listing = Path(str(output) + ".inputs")
    listing.write_text("\n".join(raws) + "\n")
    subprocess.run([tool("llvm-profdata"), "merge", "-sparse", "-f", str(listing), "-o", str(output)],
                   check=True)
    listing.unlink()
    return True


def export_args(build, profdata, objects):
    args = [tool("llvm-cov"), "export", objects[0]]
    for obj in objects[1:]:
        args += ["-object", obj]
    return args + ["-instr-profile", str(profdata)] + ignore_args(build)


def run_tests(build, profiles):
    env = dict(os.environ, LLVM_PROFILE_FILE=str(profiles / "%p.profraw"))
    jobs = os.environ.get("JOBS", str(os.cpu_count() or 2))
    exclude = "^(" + "|".join(SKIPPED_TESTS) + ")$"
    result = subprocess.run(["ctest", "--test-dir", str(build), "--output-on-failure",
                             "--parallel", jobs, "-E", exclude], env=env)
    return result.returncode


def percent(covered, count):
    return f"{100.0 * covered / count:6.2f}%" if count else "     -"


def summarize(files):
    """Folder rows and the engine row from llvm-cov's per-file summaries."""
    rows = {name: [0, 0, 0, 0] for name in FOLDERS + ["app/tray*, app/main.cpp", "engine"]}
    for rel, lines, branches in files:
        folder = folder_of(rel)
        if folder is None:
            continue
        keys = [folder]
        if in_engine(rel):
            keys.append("engine")
        elif folder == "app":
            keys.append("app/tray*, app/main.cpp")
        for key in keys:
            row = rows[key]
            row[0] += lines[1]
            row[1] += lines[0]
            row[2] += branches[1]
            row[3] += branches[0]
    return rows


def table(rows):
    out = [f"{'folder':<26} {'lines':>15} {'line %':>8} {'branches':>15} {'branch %':>9}"]
    for name, (lc, ln, bc, bn) in rows.items():
        if name == "engine":
            out.append("-" * 77)
        out.append(f"{name:<26} {f'{lc}/{ln}':>15} {percent(lc, ln):>8} {f'{bc}/{bn}':>15} {percent(bc, bn):>9}")
    return "\n".join(out)


def unlinked_sources(seen):
    """Sources of the report folders that no instrumented binary holds."""
    missing = []
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            rel = str(path.relative_to(ROOT))
            if rel.endswith("_win.cpp") or rel in seen:
                continue
            missing.append(rel)
    return missing


def report(build, profdata, out, html):
    objects = binaries(build)
    data = subprocess.run(export_args(build, profdata, objects) + ["-summary-only"],
                          check=True, capture_output=True, text=True).stdout
    files = []
    for f in json.loads(data)["data"][0]["files"]:
        rel = relative(f["filename"])
        if rel is None:
            continue
        s = f["summary"]
        files.append((rel, (s["lines"]["count"], s["lines"]["covered"]),
                      (s["branches"]["count"], s["branches"]["covered"])))
    files.sort()
    text = ["Coverage of the Linux tests (clang source-based; a branch is one outcome of a condition)",
            "", table(summarize(files)), "",
            "engine = scan/, clean/, largefiles/, update/, cli/, app/ without app/tray* and app/main.cpp", ""]
    missing = unlinked_sources({rel for rel, _, _ in files})
    if missing:
        text += ["Sources in no instrumented binary (not counted above):"] + ["  " + m for m in missing] + [""]
    text.append(f"{'file':<48} {'lines':>13} {'line %':>8} {'branches':>13} {'branch %':>9}")
    for rel, (ln, lc), (bn, bc) in files:
        text.append(f"{rel:<48} {f'{lc}/{ln}':>13} {percent(lc, ln):>8} {f'{bc}/{bn}':>13} {percent(bc, bn):>9}")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text("\n".join(text) + "\n")
    print("\n".join(t for t in text if not t.startswith(("file ",) + tuple(f"{f}/" for f in FOLDERS))))
    print(f"\nEvery file: {out}")
    if html:
        target = build / "coverage" / "html"
        args = export_args(build, profdata, objects)
        args[1] = "show"
        subprocess.run(args + ["-format=html", "-show-branches=count", "-output-dir", str(target)], check=True)
        print(f"Annotated sources: {target}/index.html")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(ROOT / "build-coverage"))
    parser.add_argument("--skip-run", action="store_true",
                        help="report on the profiles of the last run without building or testing")
    parser.add_argument("--html", action="store_true")
    parser.add_argument("--out")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    profiles = build / "coverage" / "profiles"
    profdata = build / "coverage" / "tests.profdata"
    status = 0
    if not args.skip_run:
        started = time.monotonic()
        configure_and_build(build)
        print(f"coverage: build took {time.monotonic() - started:.0f} s")
        started = time.monotonic()
        status = run_tests(build, profile_dir(profiles))
        print(f"coverage: tests took {time.monotonic() - started:.0f} s")
        if status:
            print("coverage: some tests failed; the figures include what they ran", file=sys.stderr)
    if not merge(profiles, profdata):
        sys.exit(f"coverage: no profiles in {profiles}")
    report(build, profdata, Path(args.out) if args.out else build / "coverage" / "summary.txt", args.html)
    return status


if __name__ == "__main__":
    sys.exit(main())
