#!/usr/bin/env python3
"""Times the web page in headless Chromium with its CPU throttled 4x (Chromium's own throttling,
the DevTools protocol's Emulation.setCPUThrottlingRate), at a phone's size:

- first render: from the start of navigation until the page named in the address has been built
  on the engine and shown (performance mark "shown <page>"), no cache, no service worker;
- a keystroke: one input event in a box, the engine's procedure and the page's update, then the
  style and layout the browser needs to draw it (a forced layout), for the ORVO 75 address box
  and an ORVO power box.

    bench_page.py <site folder> [repetitions]

Prints a Markdown table: median, 95th percentile and maximum. Not a test: a busy machine makes it slower.
"""
import functools
import http.server
import os
import shutil
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE = sys.argv[1]
REPETITIONS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
KEYSTROKES = 200
THROTTLE = 4


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def main():
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f"http://127.0.0.1:{server.server_address[1]}/"
    profile = tempfile.mkdtemp(prefix="velantra-bench-")
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(executable_path=shutil.which("chromedriver")),
                              options=options)
    try:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": THROTTLE})
        rows = []
        for page in ("Dip_DMX", "Calc"):
            times = []
            for _ in range(REPETITIONS):
                driver.get("about:blank")
                driver.get(base + "#" + page)
                WebDriverWait(driver, 30).until(lambda d: d.execute_script(
                    "return performance.getEntriesByName(arguments[0]).length > 0",
                    f"shown {page}"))
                times.append(driver.execute_script(
                    "return performance.getEntriesByName(arguments[0])[0].startTime",
                    f"shown {page}"))
            rows.append((f"first render of {page}, from navigation", times))
        for page, box, texts in (("Dip_DMX", "Text1", ["3", "30", "300", "301", "511", "600"]),
                                 ("Calc", "box-0-9", ["1", "12", "2", "0", "7", ""])):
            driver.get(base + "#" + page)
            WebDriverWait(driver, 30).until(lambda d: d.execute_script(
                "return document.documentElement.dataset.ready") == page)
            times = driver.execute_script("""
                const [box, texts, count] = arguments;
                const input = document.getElementById(box);
                const times = [];
                for (let i = 0; i < count; ++i) {
                  input.value = texts[i % texts.length];
                  const start = performance.now();
                  input.dispatchEvent(new Event("input", {bubbles: true}));
                  document.body.offsetHeight; // style and layout, as before the next frame
                  times.push(performance.now() - start);
                }
                return times;""", box, texts, KEYSTROKES)
            rows.append((f"keystroke in {page} {box}, to the page updated and laid out", times))
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)

    size = sum(os.path.getsize(os.path.join(SITE, f)) for f in os.listdir(SITE)
               if os.path.isfile(os.path.join(SITE, f)) and f != "sw.js") + \
        os.path.getsize(os.path.join(SITE, "sw.js"))
    print(f"CPU throttled {THROTTLE}x, 390 x 844; page, script, texts, WebAssembly and service "
          f"worker: {size} bytes ({size / 1024:.0f} KiB)\n")
    print("| measurement | median | 95th percentile | max | runs |")
    print("|---|---|---|---|---|")
    for name, times in rows:
        p95 = sorted(times)[int(0.95 * (len(times) - 1))]
        print(f"| {name} | {statistics.median(times):.1f} ms | {p95:.1f} ms | "
              f"{max(times):.1f} ms | {len(times)} |")


if __name__ == "__main__":
    main()
