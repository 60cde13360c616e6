#!/usr/bin/env python3
"""The adaptive folder's figures: its export time over the plain folder's, its
bytes over the MP4's, and how its page plays for a visitor on a slow link
beside the plain page's (headless Chromium with network emulation, the folders
served by nginx as plain files).

usage: adaptive.py VIDEOFOLD FOOTAGE_FOLDER RESULTS_JSON
"""
import getpass
import json
import os
import platform
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
WATCHER = os.path.join(HERE, "..", "tests", "browser", "watchlink.py")
WATCH_SECONDS = 45
TIME_PAIRS = 3


def export(videofold, source, folder, adaptive):
    shutil.rmtree(folder, ignore_errors=True)
    arguments = [videofold, "export", "--quiet", "--json", "-o", folder, source]
    if adaptive:
        arguments.insert(2, "--adaptive")
    begun = time.monotonic()
    answer = subprocess.run(arguments, check=True, capture_output=True, text=True).stdout
    return time.monotonic() - begun, json.loads(answer)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_nginx(root, scratch, compress=False):
    port = free_port()
    config = os.path.join(scratch, "nginx.conf")
    temporary = os.path.join(scratch, "nginx-temp")
    os.makedirs(temporary, exist_ok=True)
    with open(config, "w") as file:
        # Workers as this user: the folders are in a private temporary directory.
        file.write(f"""daemon off;
user {getpass.getuser()};
worker_processes 1;
pid {scratch}/nginx.pid;
error_log {scratch}/nginx-error.log;
events {{}}
http {{
    include /etc/nginx/mime.types;
    access_log off;
    {"gzip on; gzip_types text/javascript application/javascript text/vtt;" if compress else ""}
    client_body_temp_path {temporary}/body;
    proxy_temp_path {temporary}/proxy;
    fastcgi_temp_path {temporary}/fastcgi;
    uwsgi_temp_path {temporary}/uwsgi;
    scgi_temp_path {temporary}/scgi;
    server {{
        listen 127.0.0.1:{port};
        root {root};
    }}
}}
""")
    server = subprocess.Popen(["nginx", "-c", config, "-p", scratch], stderr=subprocess.DEVNULL)
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.1).close()
            return server, port
        except OSError:
            time.sleep(0.05)
    server.kill()
    raise RuntimeError("nginx did not start")


def watch(chromium, url, link):
    arguments = [sys.executable, WATCHER, chromium, url, "--watch", str(WATCH_SECONDS)]
    if link:
        arguments += ["--link", f"{link[0]},{link[1]}"]
    return json.loads(subprocess.run(arguments, capture_output=True, text=True).stdout)


def figure(name, unit, samples, target):
    return {"name": name, "unit": unit, "min": min(samples), "median": statistics.median(samples),
            "max": max(samples), "runs": len(samples), "target": target}


def main():
    videofold, footage, results = sys.argv[1:4]
    chromium = shutil.which("chromium")
    if not shutil.which("nginx") or not chromium:
        sys.exit("adaptive.py plays the folders as a visitor would, in Chromium, served by nginx: "
                 "apt-get install chromium nginx-light")
    figures = []
    with tempfile.TemporaryDirectory() as scratch:
        # A generated 720p talk-length source beside the real recording, for the time.
        generated = os.path.join(scratch, "generated.mp4")
        subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30",
                        "-f", "lavfi", "-i", "sine=frequency=300", "-t", "60", "-pix_fmt", "yuv420p",
                        "-c:v", "libx264", "-preset", "veryfast", "-b:v", "3M", "-c:a", "aac", generated], check=True)
        # The only clip of the footage long enough for smaller qualities; the target is held on it.
        recording = os.path.join(footage, "camera.avi")
        size_ratios = []
        for label, source, target in (("the real recording", recording, 1.6), ("a generated 720p pattern", generated, None)):
            ratios = []
            for pair in range(TIME_PAIRS):
                sides = [False, True] if pair % 2 == 0 else [True, False]
                seconds = {}
                for adaptive in sides:
                    seconds[adaptive], answer = export(videofold, source, os.path.join(scratch, "timed"), adaptive)
                    if adaptive:
                        video = next(f["bytes"] for f in answer["files"] if f["name"] == "html5video.mp4")
                        size_ratios.append(answer["folderBytes"] / video)
                ratios.append(seconds[True] / seconds[False])
            figures.append(figure(f"adaptive export time over plain, {label}", "", ratios, target))
        figures.append(figure("adaptive folder over its MP4", "", size_ratios, 2.2))

        site = os.path.join(scratch, "site")
        os.makedirs(site)
        _, plain = export(videofold, recording, os.path.join(site, "plain"), False)
        _, adaptive = export(videofold, recording, os.path.join(site, "adaptive"), True)
        top = adaptive["qualities"][-1]["averageBandwidth"] / 1000
        server, port = start_nginx(site, scratch)
        try:
            links = {"half": (round(top / 2), 100, 3.5, 1.0), "quarter": (round(top / 4), 150, 6.0, 1.5)}
            for label, (kilobits, latency, first_target, stall_target) in links.items():
                for kind in ("plain", "adaptive"):
                    seen = watch(chromium, f"http://127.0.0.1:{port}/{kind}/html5Video.html", (kilobits, latency))
                    first = seen["firstFrameSeconds"] if seen.get("firstFrameSeconds") is not None else 999
                    stalled = seen["stalledSeconds"] if seen.get("stalledSeconds") is not None else WATCH_SECONDS
                    link = f"{label} the top's bandwidth ({kilobits} kb/s, {latency} ms)"
                    figures.append(figure(f"{kind} page, first frame, {link}", "s", [first],
                                          first_target if kind == "adaptive" else None))
                    figures.append(figure(f"{kind} page, standing still in {WATCH_SECONDS} s, {link}", "s", [stalled],
                                          stall_target if kind == "adaptive" else None))
            fast = watch(chromium, f"http://127.0.0.1:{port}/adaptive/html5Video.html", None)
            widest = max((w["width"] for w in fast.get("widths", [])), default=0)
            figures.append(figure("adaptive page on a fast link, widest quality shown (px)", "px", [widest],
                                  adaptive["qualities"][-1]["width"]))
        finally:
            server.terminate()
            server.wait()

    machine = f"{platform.processor() or platform.machine()}, {os.cpu_count()} cores"
    with open(results, "w") as file:
        json.dump({"machine": machine, "figures": figures}, file, indent=2)
    for entry in figures:
        target = "" if entry["target"] is None else entry["target"]
        print(f"{entry['name']:<90} {entry['median']:>8.3f} {target}")


if __name__ == "__main__":
    main()
