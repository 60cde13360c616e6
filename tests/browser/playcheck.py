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
import sys
import threading

from devtools import chromium_page

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

    try:
        with chromium_page(chromium, DEADLINE, autoplay_policy=not by_itself) as (tools, session):
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
