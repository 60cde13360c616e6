#!/usr/bin/env python3
"""What a visitor of the published page gets, on a real recording with three
chapters: the folder served by nginx (compressing scripts and text tracks, as
sites do), Lighthouse on a simulated mobile phone, axe-core before and after
the player has loaded, the W3C's checker, the player used by the keyboard, its
chapters and thumbnails beside the source's, and the page with JavaScript off.

usage: visitor.py VIDEOFOLD FOOTAGE_FOLDER RESULTS_JSON
Lighthouse and axe-core come from bench/web by its lock file (npm ci, once).
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "browser"))
from adaptive import HERE, start_nginx  # noqa: E402
from devtools import chromium_page  # noqa: E402

TOOLS = os.path.join(HERE, "web")
PLAYER_CHECK = os.path.join(HERE, "..", "tests", "browser", "playercheck.py")
WATCHER = os.path.join(HERE, "..", "tests", "browser", "watchlink.py")
CACHE = os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache")
# Where scripts/install-deps puts the W3C's checker, whichever version it installed.
VNU = (sorted(glob.glob(os.path.join(CACHE, "videofold", "vnu-jar-*", "node_modules", "vnu-jar", "build", "dist",
                                     "vnu.jar"))) or [""])[-1]

CHAPTERS = [(0, 25, "Setting off"), (25, 52.5, "Along the street"), (52.5, 79.5, "Journey's end")]


def with_chapters(recording, scratch):
    """The recording with three chapters and a description, as a camera or an editor writes them."""
    metadata = os.path.join(scratch, "chapters.txt")
    with open(metadata, "w") as file:
        file.write(";FFMETADATA1\nDESCRIPTION=A walk across a campus, filmed from a window.\n")
        for start, end, title in CHAPTERS:
            file.write(f"[CHAPTER]\nTIMEBASE=1/1000\nSTART={int(start * 1000)}\nEND={int(end * 1000)}\ntitle={title}\n")
    source = os.path.join(scratch, "campus-walk.mkv")
    subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-i", recording, "-i", metadata, "-map", "0",
                    "-map_metadata", "1", "-map_chapters", "1", "-c", "copy", source], check=True)
    return source


def cue_times(track):
    times = re.findall(r"(\d+):(\d\d):(\d\d\.\d\d\d) --> (\d+):(\d\d):(\d\d\.\d\d\d)", track)
    seconds = lambda h, m, s: int(h) * 3600 + int(m) * 60 + float(s)  # noqa: E731
    return [(seconds(*cue[:3]), seconds(*cue[3:])) for cue in times]


def lighthouse(chromium, url):
    report = subprocess.run([os.path.join(TOOLS, "node_modules", ".bin", "lighthouse"), url, "--quiet",
                             "--output=json", "--output-path=stdout", "--form-factor=mobile",
                             "--chrome-flags=--headless=new --no-sandbox"],
                            capture_output=True, text=True, env={**os.environ, "CHROME_PATH": chromium}, check=True)
    categories = json.loads(report.stdout)["categories"]
    return {name: category["score"] for name, category in categories.items()}


def axe(chromium, url, use_player):
    """axe-core's serious and critical violations, the player loaded (by focus) or not."""
    source = open(os.path.join(TOOLS, "node_modules", "axe-core", "axe.min.js")).read()
    with chromium_page(chromium, 60) as (tools, session):
        tools.call("Page.navigate", {"url": url}, session=session)
        tools.wait_for("Page.loadEventFired", session)
        if use_player:
            tools.call("Runtime.evaluate", {"expression": "document.querySelector('button, video').focus()"},
                       session=session)
            tools.call("Runtime.evaluate", {"expression": "new Promise(r => setTimeout(r, 1500))",
                                            "awaitPromise": True}, session=session)
        tools.call("Runtime.evaluate", {"expression": source}, session=session)
        result = tools.call("Runtime.evaluate", {"expression": "axe.run().then(r => r.violations.map(v => "
                                                               "({id: v.id, impact: v.impact, nodes: v.nodes.length})))",
                                                 "awaitPromise": True, "returnByValue": True}, session=session)
        violations = result["result"]["value"]
    return [v for v in violations if v["impact"] in ("serious", "critical")], violations


def main():
    videofold, footage, results = sys.argv[1:4]
    chromium = shutil.which("chromium")
    if not shutil.which("nginx") or not chromium:
        sys.exit("visitor.py serves the folder with nginx to Chromium: apt-get install chromium nginx-light")
    if not os.path.exists(os.path.join(TOOLS, "node_modules", "lighthouse")):
        subprocess.run(["npm", "ci", "--silent", "--no-audit", "--no-fund", "--prefix", TOOLS], check=True)
    findings = {}
    with tempfile.TemporaryDirectory() as scratch:
        source = with_chapters(os.path.join(footage, "camera.avi"), scratch)
        site = os.path.join(scratch, "site")
        folder = os.path.join(site, "walk")
        os.makedirs(site)
        answer = json.loads(subprocess.run([videofold, "export", "--quiet", "--json", "-o", folder, source],
                                           capture_output=True, text=True, check=True).stdout)
        findings["files"] = answer["files"]

        thumbnails = cue_times(open(os.path.join(folder, "thumbnails.vtt")).read())
        chapters = cue_times(open(os.path.join(folder, "chapters.vtt")).read())
        findings["thumbnails"] = {"cues": len(thumbnails), "from": thumbnails[0][0], "to": thumbnails[-1][1],
                                  "sheets": len(glob.glob(os.path.join(folder, "thumbnails-*.jpg")))}
        findings["chapterStarts"] = [start for start, _ in chapters]
        findings["nu"] = subprocess.run(["java", "-jar", VNU, "--errors-only", os.path.join(folder, "html5Video.html")],
                                        capture_output=True, text=True).stderr.strip() or "valid"

        server, port = start_nginx(site, scratch, compress=True)
        url = f"http://127.0.0.1:{port}/walk/html5Video.html"
        try:
            findings["lighthouse"] = lighthouse(chromium, url)
            for label, use_player in (("axe, page as loaded", False), ("axe, player loaded", True)):
                serious, every = axe(chromium, url, use_player)
                findings[label] = {"seriousOrCritical": serious, "all": every}
            findings["player"] = json.loads(subprocess.run([sys.executable, PLAYER_CHECK, chromium, url],
                                                           capture_output=True, text=True).stdout)
            findings["javascriptOff"] = json.loads(subprocess.run(
                [sys.executable, WATCHER, chromium, url, "--javascript-off", "--watch", "3"],
                capture_output=True, text=True).stdout)
        finally:
            server.kill()
            server.wait()
    with open(results, "w") as file:
        json.dump(findings, file, indent=2)
        file.write("\n")
    print(json.dumps({key: findings[key] for key in ("lighthouse", "thumbnails", "chapterStarts", "nu")}, indent=1))


if __name__ == "__main__":
    main()
