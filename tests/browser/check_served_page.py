#!/usr/bin/env python3
"""A live page served by kaz2html --serve, in headless Chromium: a result entered in the file
appears on the open page within 3 s, without a reload.

    check_served_page.py CHROMIUM KAZ2HTML BEFORE.kaz AFTER.kaz TEXT

Serves a copy of BEFORE.kaz on a free port of the loopback, opens its page in Chromium (driven
over --remote-debugging-pipe, the standard library only), marks the open document, then puts
AFTER.kaz in the copy's place as an editor saves (a rename) and waits until the page shows TEXT,
which BEFORE's does not. Fails when TEXT is not there within 10 s, when it took more than 3 s
from the file's change, or when the page was loaded again (its mark gone).
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
            os.dup2(commands_read, 3)
            os.dup2(events_write, 4)
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
    chromium, kaz2html, before, after, text = sys.argv[1:6]
    work = tempfile.mkdtemp()
    served = os.path.join(work, "live.kaz")
    shutil.copy(before, served)
    server = subprocess.Popen([kaz2html, "--serve", "--port", "0", served],
                              stdout=subprocess.PIPE, text=True)
    browser = None
    try:
        port = re.search(r":(\d+)/", server.stdout.readline()).group(1)
        url = "http://127.0.0.1:%s/live.html" % port
        browser = Browser(chromium, os.path.join(work, "profile"))
        target = browser.call("Target.createTarget", url=url)["targetId"]
        session = browser.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        deadline = time.monotonic() + 20
        while browser.evaluate(session, "document.readyState") != "complete":
            if time.monotonic() > deadline:
                raise RuntimeError("the page did not load")
            time.sleep(0.1)
        if text in browser.evaluate(session, "document.body.innerText"):
            raise RuntimeError("the page shows %r before the change" % text)
        browser.evaluate(session, "window.kazMark = 'still here'")

        changed = time.monotonic()
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
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except RuntimeError as failure:
        print("served page: %s" % failure, file=sys.stderr)
        sys.exit(1)
