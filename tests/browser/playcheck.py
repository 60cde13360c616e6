#!/usr/bin/env python3
"""Loads an exported folder's page in headless Chromium and reports whether its
video really plays: served from 127.0.0.1, driven over the DevTools pipe.

usage: playcheck.py CHROMIUM FOLDER WIDTH [--phone] [--by-itself]
Prints the page's findings as JSON; exits 0 when the video plays at WIDTH
(currentTime reaches 1 s, at least one frame decoded), 1 when it does not,
2 when the browser could not be driven.

--phone      lays the page out on a 375-pixel-wide phone screen
--by-itself  keeps the browser's own autoplay policy and never calls play():
             the video must start by itself
The findings also give the source the browser chose (currentSrc), the layout (innerWidth, scrollWidth, videoBoxWidth) and
each caption track with the number of cues it loaded and their texts as shown.
"""
import functools
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading
import time

DEADLINE = 30  # seconds for the whole check

PLAY_SCRIPT = r"""
(async (byItself) => {
  const video = document.querySelector('video');
  const source = video.querySelector('source');
  const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
  if (!byItself) {
    video.muted = true;
    // play() never settles for some sources that cannot be decoded.
    await Promise.race([video.play().catch(() => {}), pause(3000)]);
  }
  // Tracks load their cues only when not disabled.
  for (const track of video.textTracks)
    if (track.mode === 'disabled') track.mode = 'hidden';
  const start = performance.now();
  const tracksSettled = () => [...video.querySelectorAll('track')].every(t => t.readyState >= 2);
  while ((video.currentTime < 1 || !tracksSettled()) && performance.now() - start < 8000)
    await pause(100);
  const quality = video.getVideoPlaybackQuality ? video.getVideoPlaybackQuality() : {};
  return {
    readyState: video.readyState,
    networkState: video.networkState,
    error: video.error ? video.error.code : null,
    videoWidth: video.videoWidth,
    videoHeight: video.videoHeight,
    duration: video.duration,
    currentTime: video.currentTime,
    decodedFrames: quality.totalVideoFrames || video.webkitDecodedFrameCount || 0,
    source: source ? source.getAttribute('src') : null,
    currentSrc: video.currentSrc,
    innerWidth: window.innerWidth,
    scrollWidth: document.documentElement.scrollWidth,
    videoBoxWidth: video.getBoundingClientRect().width,
    tracks: [...video.querySelectorAll('track')].map(t => ({
      srclang: t.srclang, label: t.label, isDefault: t.default, readyState: t.readyState,
      cues: t.track.cues ? t.track.cues.length : 0,
      texts: t.track.cues ? [...t.track.cues].map(cue => cue.getCueAsHTML().textContent) : [],
    })),
  };
})(BY_ITSELF)
"""

class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class DevTools:
    """The DevTools protocol over Chromium's pipe: NUL-separated JSON messages."""

    def __init__(self, to_browser, from_browser):
        self.to_browser = to_browser
        self.from_browser = from_browser
        self.buffer = b""
        self.next_id = 0

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

    def wait_for(self, event, session):
        while True:
            message = self.receive()
            if message.get("method") == event and message.get("sessionId") == session:
                return message


def check(chromium, folder, width, phone, by_itself):
    # A page already served (the application's own preview), or a folder to serve here.
    server = None
    if folder.startswith("http://"):
        url = folder
    else:
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/html5Video.html"

    to_browser_read, to_browser_write = os.pipe()
    from_browser_read, from_browser_write = os.pipe()

    def give_pipe():
        # Copies first: a pipe that already is fd 3 or 4 would keep its close-on-exec flag.
        reading, writing = os.dup(to_browser_read), os.dup(from_browser_write)
        os.dup2(reading, 3)
        os.dup2(writing, 4)

    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        policy = [] if by_itself else ["--autoplay-policy=no-user-gesture-required"]
        browser = subprocess.Popen(
            [chromium, "--headless=new", "--no-sandbox", "--disable-gpu", "--mute-audio", *policy,
             f"--user-data-dir={profile}",
             "--remote-debugging-pipe", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-quic", "about:blank"],
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
        killer = threading.Timer(DEADLINE, kill_browser)
        killer.start()
        try:
            tools = DevTools(to_browser_write, from_browser_read)
            target = tools.call("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = tools.call("Target.attachToTarget",
                                 {"targetId": target, "flatten": True})["sessionId"]
            tools.call("Page.enable", session=session)
            if phone:
                tools.call("Emulation.setDeviceMetricsOverride",
                           {"width": 375, "height": 667, "deviceScaleFactor": 2, "mobile": True},
                           session=session)
            tools.call("Page.navigate", {"url": url}, session=session)
            tools.wait_for("Page.loadEventFired", session)
            result = tools.call("Runtime.evaluate",
                                {"expression": PLAY_SCRIPT.replace("BY_ITSELF", json.dumps(by_itself)),
                                 "awaitPromise": True,
                                 "returnByValue": True}, session=session)
            findings = result["result"]["value"]
        finally:
            killer.cancel()
            kill_browser()
            browser.wait()
            if server:
                server.shutdown()

    plays = (findings["currentTime"] >= 1 and findings["decodedFrames"] >= 1
             and findings["videoWidth"] == width and findings["error"] is None
             and findings["networkState"] != 3)
    return plays, findings


def main():
    chromium, folder, width = sys.argv[1], sys.argv[2], int(sys.argv[3])
    options = sys.argv[4:]
    try:
        plays, findings = check(chromium, folder, width, "--phone" in options, "--by-itself" in options)
    except Exception as error:  # the browser could not be driven
        print(json.dumps({"failure": str(error)}))
        return 2
    print(json.dumps(findings))
    return 0 if plays else 1


if __name__ == "__main__":
    sys.exit(main())
