#!/usr/bin/env python3
"""Counts test cases over every build and prints 'N passed, N failed' last; exits 1 on any failure.

  summarize-tests.py RESULTS EXPECTED ALLOWED_SKIPS

RESULTS holds, per build NAME: NAME-junit.xml (ctest's report, read for the names of the tests:
CMake 3.25 mixes up their outcomes when tests run in parallel), NAME-ctest.log (ctest's output,
read for each test's outcome), NAME-ctest.status (ctest's exit code) and NAME/ with a GoogleTest
XML or an end-to-end '.checks' file per ctest test; and
steps.txt, one line 'pass|fail NAME' per build or tool step outside ctest. A Windows test program
that crashed leaves NAME.crash instead of its XML. EXPECTED lists every test and step that must
run ('BUILD TEST', 'step NAME'); ALLOWED_SKIPS the GoogleTest cases that may skip ('SUITE.CASE
why'). Anything that did not run, ran without leaving its results, skipped without leave, or ran
without being expected is a failure with its name printed."""
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


def read_list(path):
    """The lines of a list file without comments and blank lines, each split at its first space."""
    entries = []
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line and not line.startswith("#"):
            first, _, rest = line.partition(" ")
            entries.append((first, rest.strip()))
    return entries


def count_gtest(tally, path, allowed_skips, test):
    suites = ET.parse(path).getroot()
    bad = 0
    for case in suites.iter("testcase"):
        name = f"{case.get('classname')}.{case.get('name')}"
        where = f"{test}: {name}"
        skipped = case.find("skipped")
        if case.get("status") == "notrun" or case.get("result") in ("skipped", "suppressed") or skipped is not None:
            # A case that did not run proves nothing: a failure, unless it is allowed to skip here.
            how = "skipped" if skipped is not None else "disabled"
            message = " ".join((skipped.get("message") or "").split()) if skipped is not None else ""
            if name in allowed_skips:
                print(f"SKIPPED {where} (allowed: {allowed_skips[name]}): {message}")
            else:
                bad += 1
                tally.fail(where, f"{how}, and not in the allowed skips: {message}".rstrip(": "))
        elif case.find("failure") is not None or case.find("error") is not None:
            bad += 1
            tally.fail(where, "failed")
        else:
            tally.passed += 1
    return bad


def count_checks(tally, path, test):
    bad = 0
    for line in open(path, encoding="utf-8", errors="replace"):
        outcome, _, what = line.rstrip("\n").partition(" ")
        if outcome == "pass":
            tally.passed += 1
        else:
            bad += 1
            tally.fail(test, what)
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


def count_build(tally, results, build, junit, allowed_skips):
    """Counts one build's tests; returns the names of those that ctest ran."""
    status_file = os.path.join(results, build + "-ctest.status")
    status = int(open(status_file).read().strip() or 1) if os.path.exists(status_file) else None
    if not os.path.exists(junit):
        tally.fail(build, "ctest left no report" + (f" (exit code {status})" if status is not None else ""))
        return set()
    try:
        cases = list(ET.parse(junit).getroot().iter("testcase"))
    except ET.ParseError as error:
        tally.fail(build, f"ctest's report is unreadable: {error}")
        return set()
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
        crash = os.path.join(results, build, case.get("name") + ".crash")
        if os.path.exists(crash):
            tally.fail(name, "crashed: " + open(crash, encoding="utf-8", errors="replace").read().strip())
            continue
        if os.path.exists(gtest_xml):
            bad = count_gtest(tally, gtest_xml, allowed_skips, name)
        elif os.path.exists(checks):
            bad = count_checks(tally, checks, name)
        elif ctest_failed:
            tally.fail(name, f"crashed ({outcome})" if outcome.startswith("Exception") else outcome.lower())
            continue
        else:
            tally.passed += 1
            continue
        if ctest_failed and bad == 0:
            tally.fail(name, "failed outside its cases (a crash, a leak, a failing step)")
    if status not in (None, 0) and tally.failed == bad_before:
        tally.fail(build, f"ctest exited with {status} yet reported no failure")
    return {(build, case.get("name")) for case in cases}


def main():
    results, expected_list, skips_list = sys.argv[1:4]
    tally = Tally()
    allowed_skips = dict(read_list(skips_list))
    junits = {os.path.basename(p)[: -len("-junit.xml")]: p for p in glob.glob(os.path.join(results, "*-junit.xml"))}
    builds = set(junits)
    builds.update(os.path.basename(p)[: -len("-ctest.status")] for p in glob.glob(os.path.join(results, "*-ctest.status")))
    ran = set()
    for build in sorted(builds):
        ran |= count_build(tally, results, build, junits.get(build, os.path.join(results, build + "-junit.xml")),
                           allowed_skips)
    steps = os.path.join(results, "steps.txt")
    if os.path.exists(steps):
        for line in open(steps):
            outcome, _, name = line.strip().partition(" ")
            ran.add(("step", name))
            if outcome == "pass":
                tally.passed += 1
            else:
                tally.fail(name, "failed")
    expected = set(read_list(expected_list))
    for build, name in sorted(expected - ran):
        tally.fail(f"{build}/{name}", f"expected by {os.path.basename(expected_list)}, but it did not run")
    for build, name in sorted(ran - expected):
        tally.fail(f"{build}/{name}", f"ran, but {os.path.basename(expected_list)} does not list it")
    if tally.passed + tally.failed == 0:
        tally.fail("summary", "no result at all")
    print(f"{tally.passed} passed, {tally.failed} failed")
    return 1 if tally.failed else 0


if __name__ == "__main__":
    sys.exit(main())
