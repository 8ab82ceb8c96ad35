#!/usr/bin/env python3
"""A served live page in headless Chromium: a result appears on the open page within 3 s,
without a reload.

    check_served_page.py CHROMIUM KAZ2HTML BEFORE.kaz AFTER.kaz TEXT
    check_served_page.py CHROMIUM --editor SERVE_CLICKED_BRACKET TEXT

The first serves a copy of BEFORE.kaz with kaz2html --serve on a free port of the loopback and,
as the change, puts AFTER.kaz in the copy's place as an editor saves (a rename). The second runs
the editor's own server (tests/browser/serve_clicked_bracket) and, as the change, has it click a
result. Either way the page is opened in Chromium (driven over --remote-debugging-pipe, the
standard library only), its document marked, the change made, and the page must show TEXT,
which it did not before. Fails when TEXT is not there within 10 s, when it took more than 3 s
from the change, or when the page was loaded again (its mark gone).
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time


class Browser:
    """Chromium's DevTools protocol over a pipe: NUL-ended JSON messages on fds 3 and 4."""

    def __init__(self, chromium, profile):
        commands_read, self.commands = os.pipe()
        self.events, events_write = os.pipe()

        def pipes():
            # By way of free numbers, so that neither end overwrites the other on its way.
            os.dup2(commands_read, 100)
            os.dup2(events_write, 101)
            os.dup2(100, 3)
            os.dup2(101, 4)
        self.process = subprocess.Popen(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--remote-debugging-pipe", "--user-data-dir=" + profile, "about:blank"],
            preexec_fn=pipes, close_fds=False, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(events_write)
        self.buffer = b""
        self.last_id = 0

    def call(self, method, session=None, **params):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                chunk = os.read(self.events, 65536)
                if not chunk:
                    raise RuntimeError("Chromium went away")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            answer = json.loads(raw)
            if answer.get("id") == self.last_id:
                if "error" in answer:
                    raise RuntimeError("%s: %s" % (method, answer["error"]))
                return answer["result"]

    def evaluate(self, session, expression):
        result = self.call("Runtime.evaluate", session, expression=expression, returnByValue=True)
        return result["result"].get("value")

    def close(self):
        self.process.kill()
        self.process.wait()


def main():
    chromium = sys.argv[1]
    editor = sys.argv[2] == "--editor"
    work = tempfile.mkdtemp()
    if editor:
        text = sys.argv[4]
        server = subprocess.Popen([sys.argv[3]], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  text=True)
        page = "bracket.html"
    else:
        kaz2html, before, after, text = sys.argv[2:6]
        served = os.path.join(work, "live.kaz")
        shutil.copy(before, served)
        server = subprocess.Popen([kaz2html, "--serve", "--port", "0", served],
                                  stdout=subprocess.PIPE, text=True)
        page = "live.html"
    browser = None
    try:
        port = re.search(r":(\d+)/", server.stdout.readline()).group(1)
        url = "http://127.0.0.1:%s/%s" % (port, page)
        browser = Browser(chromium, os.path.join(work, "profile"))
        target = browser.call("Target.createTarget", url=url)["targetId"]
        session = browser.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        deadline = time.monotonic() + 20
        # The new target is about:blank until the page is in; then it is loaded whole.
        loaded = ("location.href === %s && document.readyState === 'complete' && !!document.body"
                  % json.dumps(url))
        while browser.evaluate(session, loaded) is not True:
            if time.monotonic() > deadline:
                raise RuntimeError("the page did not load")
            time.sleep(0.1)
        if text in browser.evaluate(session, "document.body.innerText"):
            raise RuntimeError("the page shows %r before the change" % text)
        browser.evaluate(session, "window.kazMark = 'still here'")

        changed = time.monotonic()
        if editor:
            server.stdin.write("click\n")
            server.stdin.flush()
        else:
            shutil.copy(after, served + ".new")
            os.rename(served + ".new", served)
        while text not in browser.evaluate(session, "document.body.innerText"):
            if time.monotonic() - changed > 10:
                raise RuntimeError("the page did not show %r within 10 s" % text)
            time.sleep(0.05)
        delay = time.monotonic() - changed
        mark = browser.evaluate(session, "window.kazMark")
        print("served page: %r shown %.2f s after the change, mark %r" % (text, delay, mark))
        if mark != "still here":
            raise RuntimeError("the page was loaded again instead of updated in place")
        if delay > 3:
            raise RuntimeError("the change took %.2f s to show, more than 3 s" % delay)
    finally:
        if browser:
            browser.close()
        if editor:
            server.stdin.close()
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except RuntimeError as failure:
        print("served page: %s" % failure, file=sys.stderr)
        sys.exit(1)
