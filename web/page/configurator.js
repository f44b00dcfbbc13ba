// A DIP-switch configurator page: the desktop window's frames, options and check boxes as
// fieldsets of native controls (each where the window has it, in its tab order), the address
// box, the refusal message, and the banks drawn from the engine's levers. Every change is
// handed to the engine, which runs the desktop's procedure; the page shows the engine's state.
import {bankView} from "./levers.js";
import {announce, cardCommands, el, ticking, later, today} from "./texts.js";

// The window's controls the page treats apart: the address box, its label, the refusal.
const ADDRESS_BOX = "Text1";
const ADDRESS_LABEL = "Label5";
const ERROR_LABEL = "Label7";
const TICK_MS = 500;

// Absolute rectangles: a control's rectangle is its frame's plus its own.
function placed(controls) {
  const byName = new Map(controls.map((c) => [c.name, c]));
  const origin = (c) => {
    if (!c.parent) return {left: 0, top: 0};
    const p = byName.get(c.parent);
    const o = origin(p);
    return {left: o.left + p.left, top: o.top + p.top};
  };
  return controls.map((c) => {
    const o = origin(c);
    return {...c, x: o.left + c.left, y: o.top + c.top};
  });
}

// The container a control is shown in: its frame, or else the smallest frame it lies wholly
// within on the window (the desktop puts some controls over a frame without being in it).
function containerOf(control, frames) {
  if (control.parent) return control.parent;
  let best = null;
  for (const f of frames) {
    const inside = f.name !== control.name && control.x >= f.x && control.y >= f.y &&
                   control.x + control.width <= f.x + f.width &&
                   control.y + control.height <= f.y + f.height;
    if (inside && (!best || f.width * f.height < best.width * best.height)) best = f;
  }
  return best ? best.name : "";
}

export function showConfiguratorPage(main, engine, {device, window}) {
  const page = new engine.ConfiguratorPage(device);
  const list = page.controls();
  const controls = [];
  for (let i = 0; i < list.size(); ++i) controls.push(list.get(i));
  list.delete();
  const rows = placed(controls);
  const frames = rows.filter((c) => c.kind === "frame" && !c.hidden);
  const caption = (name) => rows.find((c) => c.name === name).caption;

  const inputs = new Map(); // name → input or fieldset
  const children = new Map([["", []]]);
  for (const f of frames) children.set(f.name, []);
  const shownRows = rows.filter((c) => !c.hidden && (c.kind !== "label" || c.name === ADDRESS_LABEL));
  for (const c of shownRows) children.get(containerOf(c, frames)).push(c);

  function build(c) {
    if (c.kind === "frame") {
      const fieldset = el("fieldset", {id: c.name}, el("legend", {}, c.caption),
                          ...ordered(children.get(c.name)).map(build).filter(Boolean));
      inputs.set(c.name, fieldset);
      return fieldset;
    }
    if (c.kind === "option" || c.kind === "check") {
      const input = el("input", {type: c.kind === "option" ? "radio" : "checkbox", id: c.name,
                                 name: c.kind === "option" ? `${window}-${c.parent || "window"}` : c.name});
      input.addEventListener("change", () => {
        page.click(c.name);
        refresh();
      });
      inputs.set(c.name, input);
      return el("label", {class: "choice"}, input, ` ${c.caption.trim()}`);
    }
    if (c.name === ADDRESS_BOX) {
      const input = el("input", {type: "text", id: c.name, inputmode: "numeric",
                                 autocomplete: "off", spellcheck: "false",
                                 "aria-describedby": ERROR_LABEL});
      input.addEventListener("input", () => {
        page.typeAddress(input.value);
        refresh();
      });
      input.addEventListener("focus", () => input.select()); // typing replaces the address
      inputs.set(c.name, input);
      return el("p", {class: "address"}, el("label", {for: c.name}, caption(ADDRESS_LABEL)), input);
    }
    return null; // the address label is the address box's label
  }
  const sorted = (list) => [...list].sort((a, b) => a.tab - b.tab);
  // A frame of options only reads column by column, as the window shows it ("Show 0" … "Show 7",
  // then "Show 8" … "Show 15"); a frame of mixed controls in the window's tab order.
  const ordered = (list) => list.every((c) => c.kind === "option")
    ? [...list].sort((a, b) => a.x - b.x || a.y - b.y) : sorted(list);

  const banks = [];
  for (let bank = 0; bank < page.bankCount(); ++bank)
    banks.push(bankView(`bank-${bank}`, page.bankName(bank), page.leverCount(bank)));
  // Left to right as on the device: the desktop's card orders the banks the same way.
  const bankOrder = banks.length === 1 ? [0] : page.fourBankFirst() ? [1, 0] : [0, 1];
  const error = el("p", {id: ERROR_LABEL, class: "error", hidden: true}, caption(ERROR_LABEL));
  const label = el("input", {type: "text", id: "card-label", autocomplete: "off"});
  const [copy, print] = cardCommands(() => cardText());
  const cardLines = el("pre", {id: "card-text"});
  const cardBanks = el("div", {class: "card-banks"});
  const card = el("section", {class: "card", id: "card"}, cardLines, cardBanks);
  const cardText = () => page.cardText(label.value, today());

  main.replaceChildren(
    el("h1", {}, page.caption()),
    el("section", {class: "banks", "aria-label": "DIP switches"},
       ...bankOrder.map((b) => banks[b].element)),
    error,
    ...sorted(children.get("")).map(build).filter(Boolean),
    el("p", {class: "actions"}, el("label", {for: "card-label"}, "Label "), label, copy, print),
    card);

  let said = null;
  function refresh() {
    for (const [name, input] of inputs) {
      input.disabled = !page.enabled(name);
      if (input.type === "radio" || input.type === "checkbox") input.checked = page.checked(name);
    }
    const address = inputs.get(ADDRESS_BOX);
    if (address && address.value !== page.address()) address.value = page.address();
    const refused = page.errorShown();
    const texts = banks.map((view, bank) => {
      const on = [];
      for (let k = 1; k <= page.leverCount(bank); ++k) on.push(page.leverOn(bank, k));
      const leversOn = page.leversOn(bank);
      view.update({on, onIsUpper: page.onIsUpper(), leversOn});
      return `${page.bankName(bank)}, ${leversOn}`;
    });
    // Once per change: the refusal as it appears, or the levers that moved.
    if (said && refused && error.hidden) announce(error.textContent);
    else if (said && !refused) {
      const moved = texts.filter((t, bank) => t !== said[bank]);
      if (moved.length) announce(moved.join(". "));
    }
    error.hidden = !refused;
    said = texts;
    updateCard();
  }
  const updateCard = later(() => {
    cardLines.textContent = cardText();
    cardBanks.replaceChildren(...bankOrder.map((b) => banks[b].picture.cloneNode(true)));
  });
  label.addEventListener("input", updateCard);

  return ticking(page, refresh, TICK_MS);
}
