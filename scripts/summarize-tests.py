#!/usr/bin/env python3
"""Counts test cases over every build: GoogleTest XML per executable, ctest's JUnit for crashes,
and extra checks (one line 'name pass|fail' each). Prints 'N passed, N failed' last; exits 1 on failure."""
import glob
import os
import sys
import xml.etree.ElementTree as ET

results, broken_builds = sys.argv[1], int(sys.argv[2])
passed, failed = 0, broken_builds
for junit in sorted(glob.glob(os.path.join(results, "*-junit.xml"))):
    build = os.path.basename(junit)[: -len("-junit.xml")]
    for case in ET.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        ctest_failed = case.get("status") == "fail" or case.find("failure") is not None
        gtest_xml = os.path.join(results, build, name + ".xml")
        if os.path.exists(gtest_xml):
            suites = ET.parse(gtest_xml).getroot()
            tests = int(suites.get("tests", 0)) - int(suites.get("disabled", 0))
            bad = int(suites.get("failures", 0)) + int(suites.get("errors", 0))
            passed += tests - bad
            failed += bad
            if ctest_failed and bad == 0:
                failed += 1  # crashed, or failed after its cases (a leak, say)
                print(f"{build}/{name}: failed outside its test cases")
        elif ctest_failed:
            failed += 1
            print(f"{build}/{name}: failed without a result file")
        else:
            passed += 1
extra = os.path.join(results, "extra.txt")
if os.path.exists(extra):
    for line in open(extra):
        name, outcome = line.split()
        if outcome == "pass":
            passed += 1
        else:
            failed += 1
            print(f"{name}: failed")
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
