// The desktop windows' texts (texts.json, written from the windows themselves by
// velantra-webtexts): captions, options and headings are shown as the desktop shows them.
export async function loadTexts() {
  const response = await fetch("texts.json");
  const windows = await response.json();
  return {
    caption: (window) => windows[window].caption,
    // The control's row: {name, kind, text, shown, enabled, checked, frame}.
    control(window, name) {
      const row = windows[window].controls.find((c) => c.name === name);
      if (!row) throw new Error(`${window} has no control ${name}`);
      return row;
    },
    text(window, name) {
      return this.control(window, name).text;
    },
  };
}

// Announces a change once, through the page's live region.
export function announce(message) {
  const region = document.getElementById("announce");
  // The same text twice in a row is still a change to announce.
  region.textContent = region.textContent === message ? `${message}\u00a0` : message;
}

// Today as the cards write it: YYYY-MM-DD, local time.
export function today() {
  const d = new Date();
  const two = (n) => String(n).padStart(2, "0");
  return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
}

// A new element with attributes and children (texts or elements).
export function el(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (value === false || value === undefined) continue;
    if (key === "class") node.className = value;
    else node.setAttribute(key, value === true ? "" : value);
  }
  node.append(...children);
  return node;
}

// Runs `update` once soon after the calls that asked for it: for what the screen does not show
// (the print card), so that a keystroke's own update stays short.
export function later(update) {
  let pending = false;
  return () => {
    if (pending) return;
    pending = true;
    setTimeout(() => {
      pending = false;
      update();
    }, 0);
  };
}

// The card's commands: Copy as text (said when done, or why not) and Print… (the print
// stylesheet prints the card alone).
export function cardCommands(textOf) {
  const copy = el("button", {type: "button", id: "copy"}, "Copy as text");
  copy.addEventListener("click", async () => {
    try {
      await navigator.clipboard.writeText(textOf());
      announce("Copied");
    } catch {
      announce("The browser did not allow copying");
    }
  });
  const print = el("button", {type: "button", id: "print"}, "Print…");
  print.addEventListener("click", () => globalThis.print());
  return [copy, print];
}

// A page's engine ticking as its window's timer does: shown now and after every tick, until the
// page is left.
export function ticking(page, refresh, interval) {
  refresh();
  const timer = setInterval(() => {
    page.tick();
    refresh();
  }, interval);
  return {
    dispose() {
      clearInterval(timer);
      page.delete();
    },
  };
}
