#!/usr/bin/env python3
"""Counts test cases over every build and prints 'N passed, N failed' last; exits 1 on any failure.

  summarize-tests.py RESULTS

RESULTS holds, per build NAME: NAME-junit.xml (ctest's report, read for the names of the tests:
CMake 3.25 mixes up their outcomes when tests run in parallel), NAME-ctest.log (ctest's output,
read for each test's outcome), NAME-ctest.status (ctest's exit code) and NAME/ with a GoogleTest
XML or an end-to-end '.checks' file per ctest test; and
steps.txt, one line 'pass|fail NAME' per build or tool step outside ctest. Anything that did not
run, or ran without leaving its results, is a failure with its name printed."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET


class Tally:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def fail(self, name, why):
        self.failed += 1
        print(f"FAILED {name}: {why}")


def count_gtest(tally, path):
    suites = ET.parse(path).getroot()
    bad = 0
    for case in suites.iter("testcase"):
        if case.get("status") == "notrun" or case.get("result") == "skipped":
            continue  # DISABLED_ or GTEST_SKIP: counted by neither side, as GoogleTest does
        if case.find("failure") is not None or case.find("error") is not None:
            bad += 1
            tally.fail(f"{case.get('classname')}.{case.get('name')}", "failed")
        else:
            tally.passed += 1
    return bad


def count_checks(tally, path):
    bad = 0
    for line in open(path, encoding="utf-8", errors="replace"):
        outcome, _, what = line.rstrip("\n").partition(" ")
        if outcome == "pass":
            tally.passed += 1
        else:
            bad += 1
            tally.fail(os.path.basename(path)[: -len(".checks")], what)
    return bad


OUTCOME = re.compile(r"^\s*\d+/\d+ Test\s+#\d+: (\S+) \.*\s*(\**)(.*?)\s+[\d.]+ sec\s*$")


def ctest_outcomes(log):
    """Each test's outcome as ctest printed it: 'Passed', 'Failed', 'Not Run', 'Exception: ...'."""
    outcomes = {}
    if os.path.exists(log):
        for line in open(log, encoding="utf-8", errors="replace"):
            match = OUTCOME.match(line)
            if match:
                outcomes[match.group(1)] = match.group(3).strip()
    return outcomes


def count_build(tally, results, build, junit):
    status_file = os.path.join(results, build + "-ctest.status")
    status = int(open(status_file).read().strip() or 1) if os.path.exists(status_file) else None
    if not os.path.exists(junit):
        tally.fail(build, "ctest left no report" + (f" (exit code {status})" if status is not None else ""))
        return
    try:
        cases = list(ET.parse(junit).getroot().iter("testcase"))
    except ET.ParseError as error:
        tally.fail(build, f"ctest's report is unreadable: {error}")
        return
    if not cases:
        tally.fail(build, "ctest ran no test")
    outcomes = ctest_outcomes(os.path.join(results, build + "-ctest.log"))
    bad_before = tally.failed
    for case in cases:
        name = f"{build}/{case.get('name')}"
        outcome = outcomes.get(case.get("name"))
        if outcome is None:
            tally.fail(name, "ctest printed no outcome")
            continue
        if outcome.startswith("Not Run") or outcome.startswith("Skipped") or outcome.startswith("Disabled"):
            tally.fail(name, f"did not run ({outcome})")
            continue
        ctest_failed = outcome != "Passed"
        gtest_xml = os.path.join(results, build, case.get("name") + ".xml")
        checks = os.path.join(results, build, case.get("name") + ".checks")
        if os.path.exists(gtest_xml):
            bad = count_gtest(tally, gtest_xml)
        elif os.path.exists(checks):
            bad = count_checks(tally, checks)
        elif ctest_failed:
            tally.fail(name, "failed")
            continue
        else:
            tally.passed += 1
            continue
        if ctest_failed and bad == 0:
            tally.fail(name, "failed outside its cases (a crash, a leak, a failing step)")
    if status not in (None, 0) and tally.failed == bad_before:
        tally.fail(build, f"ctest exited with {status} yet reported no failure")


def main():
    results = sys.argv[1]
    tally = Tally()
    junits = {os.path.basename(p)[: -len("-junit.xml")]: p for p in glob.glob(os.path.join(results, "*-junit.xml"))}
    builds = set(junits)
    builds.update(os.path.basename(p)[: -len("-ctest.status")] for p in glob.glob(os.path.join(results, "*-ctest.status")))
    for build in sorted(builds):
        count_build(tally, results, build, junits.get(build, os.path.join(results, build + "-junit.xml")))
    steps = os.path.join(results, "steps.txt")
    if os.path.exists(steps):
        for line in open(steps):
            outcome, _, name = line.strip().partition(" ")
            if outcome == "pass":
                tally.passed += 1
            else:
                tally.fail(name, "failed")
    if tally.passed + tally.failed == 0:
        tally.fail("summary", "no result at all")
    print(f"{tally.passed} passed, {tally.failed} failed")
    return 1 if tally.failed else 0


if __name__ == "__main__":
    sys.exit(main())
