#!/usr/bin/env python3
"""Runs a terminal program on a pseudo-terminal and types into it, as a person would: each
key string is sent once the screen shows its prompt text.

usage: pty_keys.py SECONDS [PROMPT KEYS]... -- COMMAND [ARG]...
KEYS take Python escapes (\\x18 is Ctrl+X). A PROMPT that starts with "?" may come at any
time or never (a question a program asks only sometimes): its KEYS go each time it shows.
Exit status: the program's, 3 when a prompt did not come within SECONDS, 4 when the program
did not end then. The screen goes to $PTY_KEYS_LOG when that is set."""

import os
import pty
import re
import select
import sys
import time

ESCAPES = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]|\x1b[()][0-9A-Za-z]|\x1b[=>]")


def main():
    args = sys.argv[1:]
    split = args.index("--")
    deadline = time.monotonic() + float(args[0])
    pairs = list(zip(args[1:split:2], args[2:split:2]))
    steps = [(p, k) for p, k in pairs if not p.startswith("?")]
    standing = [(p[1:].encode(), k) for p, k in pairs if p.startswith("?")]
    command = args[split + 1:]
    log = open(os.environ["PTY_KEYS_LOG"], "ab") if os.environ.get("PTY_KEYS_LOG") else None

    pid, fd = pty.fork()
    if pid == 0:
        os.execvp(command[0], command)

    # What the screen showed since a standing question was last answered.
    since_answer = [b""]

    def send(keys):
        os.write(fd, keys.encode().decode("unicode_escape").encode())

    def answer_standing(chunk):
        since_answer[0] = since_answer[0] + chunk
        clean = ESCAPES.sub(b"", since_answer[0]).replace(b"\r", b"")
        for prompt, keys in standing:
            if prompt in clean:
                send(keys)
                since_answer[0] = b""
                return True
        return False

    def read_some():
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        if not ready:
            return None
        try:
            chunk = os.read(fd, 65536)
        except OSError:  # the program has ended and closed the terminal
            chunk = b""
        if log:
            log.write(chunk)
        if chunk and answer_standing(chunk):
            return b" "  # answered: the screen that asked is not a step's prompt
        return chunk

    def give_up(status, what):
        sys.stderr.write("pty_keys: %s\n" % what)
        os.kill(pid, 9)
        os.waitpid(pid, 0)
        sys.exit(status)

    for prompt, keys in steps:
        screen = b""
        while prompt.encode() not in ESCAPES.sub(b"", screen).replace(b"\r", b""):
            chunk = read_some()
            if not chunk:
                give_up(3, "no %r on the screen" % prompt)
            screen += chunk
        send(keys)
    while True:
        chunk = read_some()
        if chunk is None:
            give_up(4, "the program did not end")
        if not chunk:
            break
    _, status = os.waitpid(pid, 0)
    sys.exit(os.waitstatus_to_exitcode(status))


main()
