#!/usr/bin/env python3
"""Uses an exported page's player as a visitor would, in headless Chromium over
the DevTools pipe, the folder served from 127.0.0.1.

usage: playercheck.py CHROMIUM URL|FOLDER
A folder is served here, without byte ranges: seeking needs a server with them
(the application's own preview, nginx), so give its page's address instead.
Prints JSON findings; exits 0 when the page could be driven, 2 when not:
  enhancedBeforeUse  whether the player stood around the video before the visitor came
  enhanced      the player stands around the video, whose own controls are off
  controls      the video shows the browser's own controls
  chapters      the chapters the player shows: [title, start] each
  labels        the control bar's buttons as a screen reader names them
  keyboard      after Tab, Space, the right arrow and Space again, each step's
                focused element, paused and currentTime
  chapterMenu   currentTime after choosing the second chapter in its menu by keyboard
  preview       what the seek bar shows with the pointer at three quarters of it:
                time, image (the sprite's address with its #xywh), chapter
  session       the Media Session: title, artwork, playbackState, and whether
                the desktop's seek keys reach the video
"""
import functools
import http.server
import json
import sys
import threading
import time

from devtools import chromium_page
from playcheck import QuietHandler

DEADLINE = 45  # seconds for the whole check

# Pointers that hover, as on a desktop: the seek bar previews only there.
HOVERING = "--blink-settings=primaryHoverType=2,availableHoverTypes=2,primaryPointerType=4,availablePointerTypes=4"

STATE = r"""(() => {
  const video = document.querySelector('video');
  return { focused: (document.activeElement || document.body).localName, paused: video.paused,
           time: video.currentTime };
})()"""

FACTS = r"""(() => {
  const controller = document.querySelector('media-controller');
  const video = document.querySelector('video');
  const state = controller ? controller.mediaStore.getState() : {};
  return {
    enhanced: !!controller && controller.contains(video) && !video.hasAttribute('controls'),
    controls: video.controls,
    chapters: (state.mediaChaptersCues || []).map(cue => [cue.text, cue.startTime]),
    labels: controller ? [...controller.querySelectorAll('media-control-bar > *')]
        .map(control => control.getAttribute('aria-label')).filter(Boolean) : [],
  };
})()"""

PREVIEW = r"""(() => {
  const state = document.querySelector('media-controller').mediaStore.getState();
  return { time: state.mediaPreviewTime, image: state.mediaPreviewImage, chapter: state.mediaPreviewChapter };
})()"""

SESSION = r"""(() => {
  const session = navigator.mediaSession;
  const metadata = session.metadata;
  return { title: metadata ? metadata.title : null,
           artwork: metadata ? metadata.artwork.map(art => art.src) : [],
           playbackState: session.playbackState };
})()"""


def evaluate(tools, session, expression):
    result = tools.call("Runtime.evaluate", {"expression": expression, "awaitPromise": True, "returnByValue": True},
                        session=session)
    if "exceptionDetails" in result:
        details = result["exceptionDetails"]
        raise RuntimeError(details.get("exception", {}).get("description") or details.get("text"))
    return result["result"].get("value")


def press(tools, session, key, code, key_code, text=None):
    for kind in ("keyDown", "keyUp"):
        event = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": key_code}
        if text and kind == "keyDown":
            event["text"] = text
        tools.call("Input.dispatchKeyEvent", event, session=session)


def settle(seconds=0.6):
    time.sleep(seconds)


def use_player(tools, session, url):
    tools.call("Emulation.setDeviceMetricsOverride",
               {"width": 900, "height": 700, "deviceScaleFactor": 1, "mobile": False}, session=session)
    tools.call("Page.navigate", {"url": url}, session=session)
    tools.wait_for("Page.loadEventFired", session)
    before = evaluate(tools, session, FACTS)

    # The player comes as the visitor does: here by the keyboard.
    keyboard = []
    for key, code, key_code, text in (("Tab", "Tab", 9, None), (" ", "Space", 32, " "),
                                      ("ArrowRight", "ArrowRight", 39, None), (" ", "Space", 32, " ")):
        press(tools, session, key, code, key_code, text)
        # Short waits: a 12 s video seeked 10 s on must not end before Space pauses it.
        settle(1.0 if key == " " and len(keyboard) == 1 else 0.4)
        keyboard.append(evaluate(tools, session, STATE))
    # The chapters track loads once the player asks for it.
    for _ in range(50):
        findings = evaluate(tools, session, FACTS)
        if findings["chapters"] or not findings["enhanced"]:
            break
        settle(0.1)
    findings["enhancedBeforeUse"] = before["enhanced"]
    findings["keyboard"] = keyboard
    if not findings["enhanced"]:
        return findings

    # The chapters menu by keyboard: focus its button, open it, the second chapter.
    evaluate(tools, session, "document.querySelector('media-chrome-menu-button').focus()")
    press(tools, session, "Enter", "Enter", 13, "\r")
    settle()
    press(tools, session, "ArrowDown", "ArrowDown", 40)
    press(tools, session, "Enter", "Enter", 13, "\r")
    settle()
    findings["chapterMenu"] = evaluate(tools, session, "document.querySelector('video').currentTime")

    box = evaluate(tools, session, "(() => { const r = document.querySelector('media-time-range')"
                                   ".getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; })()")
    for share in (0.5, 0.7, 0.75):
        tools.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": box[0] + box[2] * share,
                                                "y": box[1] + box[3] / 2}, session=session)
        settle(0.2)
    findings["preview"] = evaluate(tools, session, PREVIEW)
    findings["session"] = evaluate(tools, session, SESSION)
    return findings


def main():
    chromium, page = sys.argv[1], sys.argv[2]
    server = None
    if page.startswith("http://"):
        url = page
    else:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=page))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/html5Video.html"
    try:
        with chromium_page(chromium, DEADLINE, extra_arguments=[HOVERING]) as (tools, session):
            findings = use_player(tools, session, url)
    except Exception as error:  # the browser could not be driven
        print(json.dumps({"failure": str(error)}))
        return 2
    finally:
        if server:
            server.shutdown()
    print(json.dumps(findings))
    return 0


if __name__ == "__main__":
    sys.exit(main())
