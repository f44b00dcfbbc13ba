#!/usr/bin/env python3
"""The web page driven as a user drives it, in headless Chromium at a phone's size (390 x 844):
typing counts and choosing options, reading what the page shows and what its live region
announces; axe-core on every page; the page again with its server gone. Screenshots at phone and
laptop sizes go to the shots folder.

    test_page.py <site folder> <axe.min.js> <shots folder> <desktop program>

The desktop program makes the setting card the page's card must equal.
"""
import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, AXE, SHOTS, DESKTOP = sys.argv[1:5]
PHONE = (390, 844)
LAPTOP = (1280, 800)


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve():
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Handler, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve()
        cls.base = f"http://127.0.0.1:{cls.server.server_address[1]}/"
        cls.profile = tempfile.mkdtemp(prefix="velantra-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium")
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     f"--user-data-dir={cls.profile}", "--lang=en-GB"):
            options.add_argument(flag)
        cls.driver = webdriver.Chrome(
            service=Service(executable_path=shutil.which("chromedriver")),
            options=options)
        cls.size(PHONE)
        with open(AXE, encoding="utf-8") as f:
            cls.axe = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.shutdown()
        shutil.rmtree(cls.profile, ignore_errors=True)

    @classmethod
    def size(cls, size):
        width, height = size
        cls.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": size == PHONE})

    # What a user does and sees.
    def open(self, page=""):
        self.driver.get(self.base + "#" + page)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready")
            == (page or "start"))

    def find(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def type_into(self, element_id, text):
        # As a user replaces a box's text: select it all, type over it.
        box = self.find(element_id)
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(text)

    def choose(self, element_id):
        self.driver.find_element(By.CSS_SELECTOR, f"label:has(#{element_id})").click()

    def shown(self, element_id):
        return self.find(element_id).get_attribute("value")

    def announced(self):
        return self.find("announce").get_attribute("textContent").strip("\u00a0")

    def card(self, element_id):
        # The card follows the page a moment later (it is not on the screen).
        self.driver.execute_script("return new Promise((done) => setTimeout(done, 0))")
        return self.find(element_id).get_attribute("textContent").split("\n")

    def wait_for(self, element_id, text):
        WebDriverWait(self.driver, 5).until(lambda d: self.find(element_id).text == text)

    def violations(self):
        self.driver.execute_script(self.axe)
        result = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document).then((r) => done(r.violations.map("
            "  (v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '))));")
        return result

    def shot(self, name, size, scroll_to=None):
        self.size(size)
        self.driver.execute_script(
            "const e = arguments[0] && document.getElementById(arguments[0]);"
            "if (e) e.scrollIntoView({block: 'center'}); else window.scrollTo(0, 0);", scroll_to)
        os.makedirs(SHOTS, exist_ok=True)
        self.driver.save_screenshot(os.path.join(SHOTS, name + ".png"))
        self.size(PHONE)

    # The cases.
    def test_start_page_links_every_budget(self):
        self.open()
        links = {a.get_attribute("id"): a.text for a in
                 self.driver.find_elements(By.CSS_SELECTOR, ".links a")}
        self.assertEqual(links, {
            "link-Dip_DMX": "ORVO 75 dip-switch configurator",
            "link-Dip_36": "ORVO 36 dip-switch configurator",
            "link-Dip_FLUO": "ORVO FLUO / Nembra dip-switch configurator",
            "link-Intell": "Intelligent fixture configurator",
            "link-dipDOR": "DOR fixture configurator",
            "link-Calc": "ORVO power configurator",
            "link-Calc2": "ORVO 36 power configurator"})
        self.assertEqual(self.violations(), [])
        # Installable on a home screen, as Chromium judges it.
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.shot("start-phone", PHONE)
        self.find("link-Calc2").click()
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_element(By.TAG_NAME, "h1").text == "ORVO 36 power configurator")

    def test_every_configurator_in_both_modes(self):
        for page in ("Dip_DMX", "Dip_36", "Dip_FLUO", "Intell", "dipDOR"):
            with self.subTest(page=page):
                self.open(page)
                self.type_into("Text1", "300")  # 256 + 32 + 8 + 4
                self.assertIn("Levers ON: ", self.find("bank-0-on").text)
                self.assertEqual(self.violations(), [])
                self.shot(f"{page.lower()}-dmx-phone", PHONE)
                self.choose("Option2")  # Master
                self.assertFalse(self.find("Text1").is_enabled())
                self.assertEqual(self.violations(), [])
                self.shot(f"{page.lower()}-master-phone", PHONE, "Frame5")

    def test_keyboard_alone(self):
        self.open("Dip_DMX")
        keys = ActionChains(self.driver)
        # The page starts with its main part focused: Tab enters the first group at its choice.
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "page")
        keys.send_keys(Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "Option1")
        keys.send_keys(Keys.ARROW_RIGHT).perform()  # the arrow keys move the choice
        self.assertFalse(self.find("Text1").is_enabled())
        keys.send_keys(Keys.ARROW_LEFT, Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("id"), "Text1")
        keys.send_keys("300").perform()  # the focused box's text is selected: typing replaces it
        self.assertEqual(self.find("bank-0-on").text, "Levers ON: 3, 4, 6, 9")

    def test_orvo75_levers(self):
        self.open("Dip_DMX")
        self.type_into("Text1", "300")
        self.choose("Option24")  # 6 Ch
        self.choose("Check1")  # Res. 120 ohm
        self.assertEqual(self.find("bank-0-on").text, "Levers ON: 3, 4, 6, 9, 11")
        self.assertEqual(self.find("bank-1-on").text, "Levers ON: 1")
        self.assertEqual(self.announced(), "4-lever bank, Levers ON: 1")
        levers = [li.get_attribute("textContent") for li in
                  self.driver.find_elements(By.CSS_SELECTOR, "#bank-0-levers li")]
        self.assertEqual(levers[2:4], ["Lever 3: ON", "Lever 4: ON"])
        self.assertEqual(levers[4], "Lever 5: OFF")
        card = self.card("card-text")
        self.assertEqual(card[3:8], ["Mode: DMX (slave)", "DMX address: 300",
                                     "Options: 6 Ch, Res. 120 ohm", "4-lever bank, Levers ON: 1",
                                     "12-lever bank, Levers ON: 3, 4, 6, 9, 11"])
        # The card is the desktop's, word for word.
        self.type_into("card-label", "Bar 3, left")
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "card.txt")
            subprocess.run([DESKTOP, "card", "orvo75", "--address", "300", "--channels", "6",
                            "--terminator", "--label", "Bar 3, left", "--out", out], check=True,
                           env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
            with open(out, encoding="utf-8") as f:
                desktop = f.read().split("\n")
        self.assertEqual(self.card("card-text"), desktop)
        self.assertEqual(self.violations(), [])
        self.shot("dip_dmx-phone", PHONE)
        self.shot("dip_dmx-laptop", LAPTOP)
        # An address beyond 511 is refused, shown and announced once.
        self.type_into("Text1", "600")
        self.assertTrue(self.find("Label7").is_displayed())
        self.assertEqual(self.announced(), "! ERROR !  DMX address: 1 - 511")
        self.shot("dip_dmx-refused-phone", PHONE)
        self.type_into("Text1", "300")
        self.assertFalse(self.find("Label7").is_displayed())
        # Master mode: the tick sets speed and show on the levers.
        self.choose("Option2")
        self.choose("Option5")  # Speed 2
        self.choose("Option21")  # Show 13
        self.wait_for("bank-0-on", "Levers ON: 2, 5, 7, 8, 12")
        self.assertFalse(self.find("Text1").is_enabled())
        self.assertEqual(self.violations(), [])

    def test_budget_over_its_limits(self):
        # (page, box of the fixture row, count, LEDs shown, warning, total average, nominal)
        rows = [
            ("Calc", "box-0-9", "3", "9", "Max 6 led / colour on each constant current output !",
             "21", "31.5"),
            ("Calc2", "box-0-9", "4", "12", "Max 9 led / colour on each constant current output !",
             "28", "42"),
        ]
        for page, box, count, leds, warning, average, nominal in rows:
            with self.subTest(page=page):
                self.open(page)
                self.type_into(box, count)
                self.assertEqual(self.shown("Text57"), leds)
                self.assertIn("exceeded", self.find("Text57").get_attribute("class"))
                self.assertEqual(self.announced(), warning)
                self.assertEqual(self.find("warnings").text, warning)
                self.assertEqual(self.shown("Text63"), average)
                self.assertEqual(self.find("Text63-caption").text, "Total average power")
                self.choose("Option1")
                self.assertEqual(self.shown("Text63"), nominal)
                self.assertEqual(self.find("Text63-caption").text, "Total nominal power")
                self.assertEqual(self.violations(), [])
                if page == "Calc":
                    self.shot("calc-warning-phone", PHONE, "figures")
                    self.shot("calc-warning-laptop", LAPTOP)
                # A count of 0 is refused: the box is emptied, as on the desktop.
                self.type_into(box, "0")
                self.assertEqual(self.shown(box), "")
                self.assertEqual(self.shown("Text57"), "0")

    def test_total_power_warning_and_card(self):
        self.open("Calc")
        self.type_into("box-2-2", "7")  # 7 x Orsello 600 mm, 12 W each: 84 W, 56 W average
        self.type_into("box-3-3", "2")  # 2 x Orsello 900 mm, 18 W each: 36 W, 24 W average
        self.assertEqual(self.shown("Text63"), "80")
        self.assertEqual(self.announced(), "TOTAL POWER > 75 W !!!")
        card = self.card("card")
        self.assertEqual(card[0], "ORVO power configurator")
        self.assertIn("Mode: Average power", card)
        self.assertIn("  7 x Orsello 600 mm", card)
        self.assertIn("Total average power: 80 W", card)
        self.assertIn("Limit exceeded: The total power, 80 W, is more than the 75 W the "
                      "controller gives.", card)
        # Print shows the card alone.
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:
            self.assertTrue(self.find("card").is_displayed())
            self.assertFalse(self.find("Command1").is_displayed())
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})

    def test_current_choice_blocks_rows(self):
        self.open("Calc")
        self.type_into("box-0-1", "2")
        self.choose("CC1_700")
        # 700 mA drives the 700 mA fixture only: the other rows are emptied and blocked.
        self.assertEqual(self.shown("box-0-1"), "")
        self.assertFalse(self.find("box-0-1").is_enabled())
        self.assertTrue(self.find("box-0-14").is_enabled())
        self.assertEqual(self.shown("Text57"), "0")
        self.choose("CC1_350")
        self.assertTrue(self.find("box-0-1").is_enabled())
        self.assertFalse(self.find("box-0-14").is_enabled())

    # "zz": unittest runs the cases in the order of their names, and this one stops the server.
    def test_zz_works_with_the_server_gone(self):
        self.open()
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(
            "return navigator.serviceWorker.controller !== null"))
        self.server.shutdown()
        self.server.server_close()
        try:
            self.open("Calc")
            self.type_into("box-0-9", "3")
            self.assertEqual(self.shown("Text57"), "9")
        finally:
            type(self).server = serve()  # for the cases that follow, on a port of its own
            type(self).base = f"http://127.0.0.1:{self.server.server_address[1]}/"


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
