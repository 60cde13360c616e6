#!/usr/bin/env python3
"""Watches an exported page's video in headless Chromium as a visitor on a
given link would, and reports how it played.

usage: watchlink.py CHROMIUM URL [--link KBPS,MS] [--watch SECONDS]
                    [--lift-after SECONDS] [--javascript-off]

--link KBPS,MS      the link's download rate in kilobits per second and its
                    latency in milliseconds (the browser's network emulation);
                    without it the link is the machine's own
--watch SECONDS     how long to watch after the first frame (default 10)
--lift-after SECONDS  the link's limits are lifted this long after the first frame
--javascript-off    the page's scripts do not run

Prints JSON: firstFrameSeconds (from play() to the first frame shown),
stalledSeconds (watched but not played, after the first frame), playedSeconds,
widths (the video's width as it changed, with the time since play()), currentSrc,
error, and requests (every file the page fetched after play() began: its path
from the page's folder, the byte range asked and the time). Exits 0 when the
video showed a frame, 1 when it did not, 2 when the browser could not be driven.
"""
import json
import sys
import time
from urllib.parse import urlsplit

from devtools import chromium_page

# Polled from here, not from the page's own events: with JavaScript off no listener runs.
START_SCRIPT = r"""
(() => {
  const video = document.querySelector('video');
  video.muted = true;
  video.play().catch(() => {});
  return true;
})()
"""

STATE_SCRIPT = r"""
(() => {
  const video = document.querySelector('video');
  return {
    currentTime: video.currentTime,
    ended: video.ended,
    width: video.videoWidth,
    currentSrc: video.currentSrc,
    error: video.error ? video.error.code : null,
  };
})()
"""


def evaluate(tools, session, expression):
    return tools.call("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                      session=session)["result"]["value"]


def set_link(tools, session, link):
    kilobits, latency = link if link else (-1, 0)
    tools.call("Network.emulateNetworkConditions",
               {"offline": False, "latency": latency,
                "downloadThroughput": kilobits * 1000 / 8 if kilobits > 0 else -1,
                "uploadThroughput": kilobits * 1000 / 8 if kilobits > 0 else -1}, session=session)


def requests_after(tools, page_url, since):
    folder = page_url.rsplit("/", 1)[0] + "/"
    fetched = []
    for event in tools.events:
        if event.get("method") != "Network.requestWillBeSent":
            continue
        request = event["params"]["request"]
        at = event["params"]["wallTime"] - since
        url = request["url"]
        if at < 0 or not url.startswith(folder):
            continue
        fetched.append({"at": round(at, 3), "file": urlsplit(url[len(folder):]).path,
                        "range": request.get("headers", {}).get("Range", "")})
    return fetched


def watch(chromium, url, link, watch_seconds, lift_after, javascript):
    with chromium_page(chromium, watch_seconds + 60) as (tools, session):
        tools.call("Network.enable", session=session)
        tools.call("Network.setCacheDisabled", {"cacheDisabled": True}, session=session)
        if not javascript:
            tools.call("Emulation.setScriptExecutionDisabled", {"value": True}, session=session)
        set_link(tools, session, link)
        tools.call("Page.navigate", {"url": url}, session=session)
        tools.wait_for("Page.loadEventFired", session)
        begun = time.time()
        evaluate(tools, session, START_SCRIPT)
        first = None  # (seconds since play(), currentTime) at the first frame shown
        widths = []
        lifted = False
        while True:
            time.sleep(0.05)
            state = evaluate(tools, session, STATE_SCRIPT)
            now = time.time() - begun
            if state["width"] and (not widths or widths[-1]["width"] != state["width"]):
                widths.append({"at": round(now, 3), "width": state["width"]})
            if first is None:
                if state["currentTime"] > 0:
                    first = (now, state["currentTime"])
                elif now > 30 or state["error"] is not None:
                    break
                continue
            watched = now - first[0]
            if lift_after is not None and not lifted and watched >= lift_after:
                set_link(tools, session, None)
                lifted = True
            if watched >= watch_seconds or state["ended"]:
                break
        findings = {"currentSrc": state["currentSrc"], "error": state["error"], "widths": widths,
                    "firstFrameSeconds": None, "stalledSeconds": None, "playedSeconds": 0}
        if first is not None:
            played = state["currentTime"] - first[1]
            findings.update(firstFrameSeconds=round(first[0], 3), playedSeconds=round(played, 3),
                            stalledSeconds=round(max(0.0, now - first[0] - played), 3))
        findings["requests"] = requests_after(tools, url, begun)
        return findings


def main():
    chromium, url = sys.argv[1], sys.argv[2]
    options = sys.argv[3:]

    def value(name):
        return options[options.index(name) + 1] if name in options else None

    link = tuple(float(part) for part in value("--link").split(",")) if value("--link") else None
    lift_after = float(value("--lift-after")) if value("--lift-after") else None
    try:
        findings = watch(chromium, url, link, float(value("--watch") or 10), lift_after,
                         "--javascript-off" not in options)
    except Exception as error:  # the browser could not be driven
        print(json.dumps({"failure": str(error)}))
        return 2
    print(json.dumps(findings))
    return 0 if findings["firstFrameSeconds"] is not None else 1


if __name__ == "__main__":
    sys.exit(main())
