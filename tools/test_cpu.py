#!/usr/bin/env python3
"""Runs a command and prints its wall time and the processor time of it and
of every process it started, on standard error:

    python3 tools/test_cpu.py node web/tests/section.test.js

A browser's renderers outlive the processes that started them and are
reaped by no one the command waits for, so the shell's `time` misses most
of a page test's processor time; this script takes them in as their
subreaper. Set the page tests' environment first (ctest -V prints it).
Linux only."""
import ctypes
import os
import resource
import subprocess
import sys
import time

PR_SET_CHILD_SUBREAPER = 36


def main():
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    started = time.monotonic()
    status = subprocess.call(sys.argv[1:])
    wall = time.monotonic() - started
    # The orphans, reparented here, counted once they end.
    while True:
        try:
            os.wait()
        except ChildProcessError:
            break
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    print(f"wall {wall:.1f} s, processor {used.ru_utime + used.ru_stime:.1f} s, status {status}", file=sys.stderr)
    return status


if __name__ == "__main__":
    sys.exit(main())
