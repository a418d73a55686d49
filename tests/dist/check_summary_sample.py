#!/usr/bin/env python3
"""The README shows a sample of the summary that make test prints at its end
(scripts/test.sh). The sample must stay what a green run of this tree prints:
the Windows suites it names are exactly the tree's (the folders of tests/win32
but support/, then tests/e2e), in the order the summary lists them, followed by
the Windows build's other tests; every line has the form the summary prints, and
the counts that follow from the tree (suites, fuzz targets, other tests, allowed
skips, pictures) are the tree's. Figures that change from run to run may stand
as placeholders such as <N>. Each fault is named.

    check_summary_sample.py [repository root]
"""
import os
import re
import sys

README = "README.md"
PLACEHOLDER = r"<[A-Za-z]+>"
# scripts/test.sh: what the summary says a suite ran, on a machine that runs
# 32-bit programs (the sample shows such a run).
RAN_AS = "the 32-bit program under 32-bit Wine"
ARCH_NOTE = "the 32-bit builds under 32-bit Wine"
SCALED_DPI = 144


def number():
    """A count as the summary prints it, or a placeholder for one."""
    return r"(\d+|%s)" % PLACEHOLDER


def windows_suites(root):
    """The suites as scripts/test.sh finds them: tests/win32/*/ but support,
    then tests/e2e."""
    folder = os.path.join(root, "tests", "win32")
    names = sorted(n for n in os.listdir(folder)
                   if os.path.isdir(os.path.join(folder, n)) and n != "support")
    if os.path.isdir(os.path.join(root, "tests", "e2e")):
        names.append("e2e")
    return names


def other_tests(root):
    """The Windows build's tests that are no suite of their own, in the order
    ctest lists them: the literal add_test names of cmake/Win32Build.cmake and
    of the files it includes, where it includes them."""
    names = []

    def walk(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                include = re.match(r"\s*include\(\$\{CMAKE_SOURCE_DIR\}/([^)\s]+)\)", line)
                if include:
                    walk(os.path.join(root, include.group(1)))
                test = re.match(r"\s*add_test\(NAME\s+([^\s)]+)", line)
                if test and "${" not in test.group(1):
                    names.append(test.group(1))

    walk(os.path.join(root, "cmake", "Win32Build.cmake"))
    return names


def fuzz_targets(root):
    folder = os.path.join(root, "fuzz")
    return len([n for n in os.listdir(folder) if n.endswith("_fuzzer.cpp")])


def allowed_skips(root):
    with open(os.path.join(root, "tests", "skips.txt"), encoding="utf-8") as f:
        return len([l for l in f if l.strip() and not l.strip().startswith("#")])


def pictures(root):
    return len(os.listdir(os.path.join(root, "docs", "screenshots")))


def sample_lines(text):
    """The lines of the fenced block that opens with the summary's first line."""
    blocks = re.findall(r"^```[^\n]*\n(.*?)^```", text, re.S | re.M)
    for block in blocks:
        lines = block.rstrip("\n").split("\n")
        if lines and lines[0].startswith("native: "):
            return lines
    return None


def check(root, readme=None):
    """The faults of the README's sample (or of the text readme) against the
    tree at root, one text each."""
    if readme is None:
        with open(os.path.join(root, README), encoding="utf-8") as f:
            readme = f.read()
    lines = sample_lines(readme)
    if lines is None:
        return ["%s holds no sample of the summary (a block opening with 'native: ')" % README]
    suites = windows_suites(root)
    others = other_tests(root)
    faults = []

    def expect(index, pattern, what, counts=()):
        """Line index must match pattern; counts are (group, value, name) that a
        green run of this tree prints. Returns whether it matched."""
        match = re.fullmatch(pattern, lines[index]) if index < len(lines) else None
        if not match:
            return False
        for group, value, name in counts:
            said = match.group(group)
            if not said.startswith("<") and int(said) != value:
                faults.append("line %d gives %s %s; this tree has %d" % (index + 1, said, name, value))
        return True

    def expect_in_order(index, expected):
        """The lines from index on must be the expected ones, (pattern, what,
        counts) each, in order and nothing else. A line out of place is named
        once, not every line after it."""
        for pattern, what, counts in expected:
            if expect(index, pattern, what, counts):
                index += 1
                continue
            later = [i for i in range(index + 1, len(lines)) if re.fullmatch(pattern, lines[i])]
            if later:
                for i in range(index, later[0]):
                    faults.append("line %d is none the summary prints there: %r" % (i + 1, lines[i]))
                index = later[0]
                expect(index, pattern, what, counts)
                index += 1
            else:
                faults.append("the sample misses %s" % what)
        for i in range(index, len(lines)):
            faults.append("line %d is none the summary prints there: %r" % (i + 1, lines[i]))

    fuzz = fuzz_targets(root)
    head = [
        (r"native: 1 GoogleTest program with %s cases, %s of %s fuzz targets, the layering "
         r"check \(ctest: .+\)" % (number(), number(), number()),
         "the native line", [(2, fuzz, "fuzz targets run"), (3, fuzz, "fuzz targets")]),
        (r"Wine:   %s of %s suites with %s cases, %s other tests \(ctest: .+\)" %
         (number(), number(), number(), number()), "the Wine line",
         [(1, len(suites), "suites run"), (2, len(suites), "suites"),
          (4, len(others), "other tests")]),
    ]
    for index, (pattern, what, counts) in enumerate(head):
        if not expect(index, pattern, what, counts):
            faults.append("line %d is not %s as the summary prints it" % (index + 1, what))

    # One line per suite ('%-16s %4d cases  %s'), then one per other test
    # ('%-16s %10s  %s'); a suite that ran no case fails the run.
    suite_line = re.compile(r"        (\S+) +(\d+) cases  (.+)")
    other_line = re.compile(r"        (\S+) {3,}(the .+)")
    named = []
    index = 2
    while index < len(lines):
        match = suite_line.fullmatch(lines[index])
        if not match:
            break
        name, cases, ran = match.groups()
        named.append(name)
        if lines[index] != "        %-16s %4d cases  %s" % (name, int(cases), ran):
            faults.append("line %d is not spaced as the summary prints a suite: %r" %
                          (index + 1, lines[index]))
        if int(cases) == 0:
            faults.append("line %d: suite %s ran no case, which fails the run" % (index + 1, name))
        if ran != RAN_AS:
            faults.append("line %d: suite %s ran as %r; the summary says %r" %
                          (index + 1, name, ran, RAN_AS))
        index += 1
    for name in named:
        if name not in suites:
            faults.append("the sample names suite %s, which this tree does not have" % name)
    for name in suites:
        if name not in named:
            faults.append("the sample misses suite %s (%s)" %
                          (name, "tests/e2e" if name == "e2e" else "tests/win32/" + name))
    if sorted(named) == sorted(suites) and named != suites:
        faults.append("the sample lists the suites as %s; the summary lists them as %s" %
                      (" ".join(named), " ".join(suites)))

    listed = []
    while index < len(lines):
        match = other_line.fullmatch(lines[index])
        if not match:
            break
        listed.append(match.group(1))
        if lines[index] != "        %-16s %10s  %s" % (match.group(1), "", match.group(2)):
            faults.append("line %d is not spaced as the summary prints another test: %r" %
                          (index + 1, lines[index]))
        if match.group(2) != RAN_AS:
            faults.append("line %d: %s ran as %r; the summary says %r" %
                          (index + 1, match.group(1), match.group(2), RAN_AS))
        index += 1
    if listed != others:
        faults.append("the sample lists the other tests as %s; this tree has %s" %
                      (" ".join(listed) or "none", " ".join(others) or "none"))

    expect_in_order(index, [
        (r"        at %d dpi \(150 %%\): the scaling suite ran again with %s cases, 0 skipped" %
         (SCALED_DPI, number()), "the line of the scaling suite at %d dpi" % SCALED_DPI, ()),
        (r"files:  the 32-bit program and its libraries, read without running them: passed "
         r"\(%s imports, %s delay-loaded\)" % (number(), number()), "the files line", ()),
        (r"        ran as %s" % re.escape(ARCH_NOTE), "the line of what ran", ()),
        (r"skips:  %s skipped(: .+)? \(%s allowed in tests/skips\.txt\)" % (number(), number()),
         "the skips line", [(3, allowed_skips(root), "allowed skips")]),
        (r"docs:   the pictures of the README and the help: %s shown, all present, none unshown" %
         number(), "the pictures line", [(1, pictures(root), "pictures shown")]),
        (r"        the README's sample of this summary: %s suites and %s other tests, as in the "
         r"tree" % (number(), number()), "the line of this check",
         [(1, len(suites), "suites"), (2, len(others), "other tests")]),
        (r"all passed", "the last line of a green run", ()),
    ])
    return faults


def main(argv):
    root = os.path.abspath(argv[0] if argv else os.path.join(os.path.dirname(__file__), "..", ".."))
    faults = check(root)
    for fault in faults:
        print("summary sample: " + fault)
    if not faults:
        print("summary sample: %d suites and %d other tests, as in the tree" %
              (len(windows_suites(root)), len(other_tests(root))))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
