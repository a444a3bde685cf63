#!/usr/bin/env python3
"""The test summary counts what ran and fails on everything that did not: made-up ctest reports,
GoogleTest results and end-to-end checks in a results folder, and the closing line it prints."""
import os
import subprocess
import sys
import tempfile
import unittest

SUMMARY = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "summarize-tests.py")


OUTCOMES = {"run": "  Passed", "fail": "***Failed", "notrun": "***Not Run", "crash": "***Exception: SegFault"}


def ctest(build, *cases):
    """ctest's report and output: the report names the tests (with outcomes scrambled, as CMake 3.25
    writes them), the output says how each one ended."""
    body = "".join(f'<testcase name="{name}" status="run"/>' for name, _ in cases)
    log = "".join(f"{i + 1}/{len(cases)} Test #{i + 1}: {name} .....{OUTCOMES[status]}    0.12 sec\n"
                  for i, (name, status) in enumerate(cases))
    return {f"{build}-junit.xml": f'<?xml version="1.0"?><testsuite>{body}</testsuite>', f"{build}-ctest.log": log}


def gtest(passed, failed, skipped=0, disabled=0):
    """GoogleTest's XML as it writes it, GTEST_SKIP() and DISABLED_ cases included."""
    cases = [f'<testcase name="ok{i}" status="run" result="completed" classname="S"/>' for i in range(passed)]
    cases += [f'<testcase name="bad{i}" status="run" result="completed" classname="S"><failure message="x"/></testcase>'
              for i in range(failed)]
    cases += [f'<testcase name="skip{i}" status="run" result="skipped" classname="S">'
              f'<skipped message="t.cpp:9&#x0A;no drive here"/></testcase>' for i in range(skipped)]
    cases += [f'<testcase name="DISABLED_off{i}" status="notrun" result="suppressed" classname="S"/>'
              for i in range(disabled)]
    return f'<?xml version="1.0"?><testsuites><testsuite name="S">{"".join(cases)}</testsuite></testsuites>'


class Summary(unittest.TestCase):
    def run_summary(self, files, expected, allowed_skips=""):
        """The summary over made-up results, the tests and steps expected to run (one a line) and
        the allowed skips."""
        with tempfile.TemporaryDirectory() as folder:
            results = os.path.join(folder, "results")
            lists = {"expected.txt": "# comment\n" + expected, "skips.txt": allowed_skips}
            for name, text in {**files, **{os.path.join("..", n): t for n, t in lists.items()}}.items():
                path = os.path.join(results, name)
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "w") as out:
                    out.write(text)
            done = subprocess.run([sys.executable, SUMMARY, results] + [os.path.join(folder, n) for n in lists],
                                  capture_output=True, text=True)
        return done.returncode, done.stdout.strip().splitlines()

    def test_counts_cases_of_passing_and_failing_executables(self):
        code, lines = self.run_summary({
            **ctest("w", ("good", "run"), ("bad", "fail"), ("script", "run")),
            "w-ctest.status": "8",
            "w/good.xml": gtest(3, 0),
            "w/bad.xml": gtest(2, 1),
        }, "w good\nw bad\nw script\n")
        self.assertEqual(lines[-1], "6 passed, 1 failed")
        self.assertEqual(code, 1)

    def test_crashed_not_run_and_missing_results_are_failures_with_names(self):
        code, lines = self.run_summary({
            **ctest("w", ("crashed", "crash"), ("skipped", "notrun"), ("clean_exit_bad_results", "fail")),
            "w-ctest.status": "8",
            "w/clean_exit_bad_results.xml": gtest(4, 0),
        }, "w crashed\nw skipped\nw clean_exit_bad_results\n")
        self.assertEqual(lines[-1], "4 passed, 3 failed")
        for name in ("w/crashed", "w/skipped", "w/clean_exit_bad_results"):
            self.assertTrue(any(name in line for line in lines[:-1]), name)
        self.assertEqual(code, 1)

    def test_a_ctest_that_left_no_report_or_failed_silently_counts(self):
        _, lines = self.run_summary({"gone-ctest.status": "139"}, "")
        self.assertEqual(lines[-1], "0 passed, 1 failed")
        _, lines = self.run_summary({**ctest("w", ("good", "run")), "w-ctest.status": "2", "w/good.xml": gtest(1, 0)},
                                    "w good\n")
        self.assertEqual(lines[-1], "1 passed, 1 failed")

    def test_a_crashed_windows_program_is_named_with_its_note(self):
        code, lines = self.run_summary({**ctest("w", ("dialogs", "fail")), "w-ctest.status": "8",
                                        "w/dialogs.crash": "exception 0xC0000005 in Search.Walks"}, "w dialogs\n")
        self.assertEqual((code, lines[-1]), (1, "0 passed, 1 failed"))
        self.assertIn("FAILED w/dialogs: crashed: exception 0xC0000005 in Search.Walks", lines)

    def test_a_skipped_or_disabled_case_fails_unless_its_skip_is_allowed(self):
        files = {**ctest("w", ("t", "run")), "w-ctest.status": "0", "w/t.xml": gtest(1, 0, skipped=1, disabled=1)}
        code, lines = self.run_summary(files, "w t\n")
        self.assertEqual((code, lines[-1]), (1, "1 passed, 2 failed"))
        self.assertTrue(any(line.startswith("FAILED w/t: S.skip0: ") and "no drive here" in line for line in lines), lines)
        self.assertTrue(any(line.startswith("FAILED w/t: S.DISABLED_off0: ") for line in lines), lines)
        code, lines = self.run_summary(files, "w t\n", "S.skip0 needs a second drive\nS.DISABLED_off0 kept for later\n")
        self.assertEqual((code, lines[-1]), (0, "1 passed, 0 failed"))

    def test_an_expected_test_that_did_not_run_and_an_unlisted_one_fail_by_name(self):
        code, lines = self.run_summary({**ctest("w", ("kept", "run"), ("new", "run")), "w-ctest.status": "0",
                                        "steps.txt": "pass build-w\n"},
                                       "step build-w\nstep fuzz\nw kept\nw image_tools_tests\n")
        self.assertEqual((code, lines[-1]), (1, "3 passed, 3 failed"))
        for name in ("w/image_tools_tests", "step/fuzz", "w/new"):
            self.assertTrue(any(line.startswith(f"FAILED {name}: ") for line in lines), name)

    def test_every_end_to_end_check_and_step_counts(self):
        code, lines = self.run_summary({
            **ctest("w", ("e2e", "fail")),
            "w-ctest.status": "8",
            "w/e2e.checks": "pass rows\npass title\nfail erase button: expected '1', saw ''\n",
            "steps.txt": "pass build-native\nfail ini_fuzz\n",
        }, "w e2e\nstep build-native\nstep ini_fuzz\n")
        self.assertEqual(lines[-1], "3 passed, 2 failed")
        self.assertEqual(code, 1)
        code, lines = self.run_summary({}, "")
        self.assertEqual((code, lines[-1]), (1, "0 passed, 1 failed"))

    def test_a_clean_run_exits_zero(self):
        code, lines = self.run_summary({**ctest("n", ("t", "run")), "n-ctest.status": "0", "n/t.xml": gtest(2, 0)},
                                       "n t\n")
        self.assertEqual((code, lines[-1]), (0, "2 passed, 0 failed"))


if __name__ == "__main__":
    unittest.main()
