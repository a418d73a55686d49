#!/usr/bin/env python3
"""The check of the README's summary sample fails on a stale sample, naming what
is stale, and passes the README as it is."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_summary_sample  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# The sample as it stood before the accessibility suite: one suite shown with an
# old count, the rest left to an ellipsis, the suite count of that time.
STALE = """```
native: 1 GoogleTest program with <N> cases, 6 of 6 fuzz targets, the layering check (ctest: 100% tests passed, ...)
Wine:   12 of 12 suites with <M> cases, 2 other tests (ctest: 100% tests passed, ...)
        app                20 cases  the 32-bit program under 32-bit Wine
        ...                          (one line per suite, then dist.zip and e2e.end_session)
        at 144 dpi (150 %): the scaling suite ran again with 7 cases, 0 skipped
files:  the 32-bit program and its libraries, read without running them: passed (<I> imports, <D> delay-loaded)
        ran as the 32-bit builds under 32-bit Wine
skips:  0 skipped (0 allowed in tests/skips.txt)
docs:   the pictures of the README and the help: <P> shown, all present, none unshown
```
"""


class SummarySampleCheck(unittest.TestCase):
    def test_a_stale_sample_is_named_and_the_readme_passes(self):
        faults = check_summary_sample.check(ROOT, STALE)
        suites = check_summary_sample.windows_suites(ROOT)
        self.assertIn("line 2 gives 12 suites; this tree has %d" % len(suites), faults)
        self.assertIn("the sample misses suite accessibility (tests/win32/accessibility)", faults)
        self.assertIn("the sample misses suite e2e (tests/e2e)", faults)
        self.assertTrue(any(f.startswith("line 4 is none the summary prints there") for f in faults),
                        faults)
        self.assertIn("the sample misses the line of this check", faults)
        self.assertEqual([], check_summary_sample.check(ROOT))


if __name__ == "__main__":
    unittest.main()
