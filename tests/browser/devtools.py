"""Headless Chromium driven over its DevTools pipe, for the browser checks."""
import contextlib
import json
import os
import subprocess
import tempfile
import threading


class DevTools:
    """The DevTools protocol over Chromium's pipe: NUL-separated JSON messages.
    Events that arrive while a call waits for its answer are kept in events."""

    def __init__(self, to_browser, from_browser):
        self.to_browser = to_browser
        self.from_browser = from_browser
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        return self.next_id

    def receive(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.from_browser, 65536)
            if not chunk:
                raise RuntimeError("the browser closed the pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        wanted = self.send(method, params, session)
        while True:
            message = self.receive()
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            if "method" in message:
                self.events.append(message)

    def wait_for(self, event, session):
        for index, message in enumerate(self.events):
            if message.get("method") == event and message.get("sessionId") == session:
                return self.events.pop(index)
        while True:
            message = self.receive()
            if message.get("method") == event and message.get("sessionId") == session:
                return message
            if "method" in message:
                self.events.append(message)


@contextlib.contextmanager
def chromium_page(chromium, deadline, autoplay_policy=True, extra_arguments=()):
    """A fresh headless Chromium with one blank page: yields (tools, session).
    The browser and everything it started are killed after deadline seconds
    at the latest, and always on leaving."""
    to_browser_read, to_browser_write = os.pipe()
    from_browser_read, from_browser_write = os.pipe()

    def give_pipe():
        # Copies first: a pipe that already is fd 3 or 4 would keep its close-on-exec flag.
        reading, writing = os.dup(to_browser_read), os.dup(from_browser_write)
        os.dup2(reading, 3)
        os.dup2(writing, 4)

    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        policy = ["--autoplay-policy=no-user-gesture-required"] if autoplay_policy else []
        browser = subprocess.Popen(
            [chromium, "--headless=new", "--no-sandbox", "--disable-gpu", "--mute-audio", *policy,
             f"--user-data-dir={profile}",
             "--remote-debugging-pipe", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-quic", *extra_arguments, "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=give_pipe, close_fds=False, start_new_session=True)
        os.close(to_browser_read)
        os.close(from_browser_write)

        # The browser and every process it started, which write to the profile until they end.
        def kill_browser():
            try:
                os.killpg(browser.pid, 9)
            except ProcessLookupError:
                pass
        killer = threading.Timer(deadline, kill_browser)
        killer.start()
        try:
            tools = DevTools(to_browser_write, from_browser_read)
            target = tools.call("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = tools.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
            tools.call("Page.enable", session=session)
            yield tools, session
        finally:
            killer.cancel()
            kill_browser()
            browser.wait()
            os.close(to_browser_write)
            os.close(from_browser_read)
