#!/usr/bin/env python3
"""The size of the tests against the code: non-blank, non-comment lines of C++ (*.cpp, *.h) under
tests/ and everywhere else, in a commit of the repository.
    tools/test-share.py [COMMIT]        (default HEAD)"""
import re
import subprocess
import sys

commit = sys.argv[1] if len(sys.argv) > 1 else "HEAD"


def git(*args):
    return subprocess.run(["git", *args], capture_output=True, text=True, errors="replace", check=True).stdout


def counted_lines(path):
    text = re.sub(r"/\*.*?\*/", "", git("show", f"{commit}:{path}"), flags=re.S)
    return sum(1 for line in text.splitlines() if line.strip() and not line.strip().startswith("//"))


tests = code = 0
for path in git("ls-tree", "-r", "--name-only", commit).split("\n"):
    if re.search(r"\.(cpp|h)$", path):
        if path.startswith("tests/"):
            tests += counted_lines(path)
        else:
            code += counted_lines(path)
print(f"{commit}: tests {tests}, code {code}, tests/code {tests / code:.3f}")
