// A power budget page: the desktop window's grid as two tables (CC and CV outputs), the current
// choices, the power mode, the figures and the warnings. Each keystroke is handed to the
// engine's budget, which runs the desktop's procedure; the page then shows the engine's state.
import {announce, cardCommands, el, ticking, later, today} from "./texts.js";

const OUTPUTS = ["CC #1", "CC #2", "CV #1", "CV #2"];
const COLUMN_FIRST_BOX = ["Text1(1)", "Text2(1)", "Text3(1)", "Text4(1)"];
const CURRENT_FRAMES = [{frame: "Frame1", prefix: "CC1_"}, {frame: "Frame2", prefix: "CC2_"}];
const CURRENTS = ["350", "700", "1000"];
// The figure boxes in the engine's order, each with its caption and unit label.
const READOUTS = [
  {box: "Text57", label: "Label33"},
  {box: "Text58", label: "Label34"},
  {box: "Text59", label: "Label35", unit: "Label40"},
  {box: "Text60", label: "Label36", unit: "Label41"},
  {box: "Text62", label: "Label38", unit: "Label42"},
  {box: "Text61", label: "Label37", unit: "Label43"},
  {box: "Text63", label: "Label39", unit: "Label44"},
];
const TOTAL = 6;
const TICK_MS = 500;

export function showPowerPage(main, engine, texts, {window, orvo36}) {
  const t = (name) => texts.control(window, name);
  const separator = (1.5).toLocaleString().charAt(1);
  const page = new engine.PowerPage(orvo36, separator);
  const boxes = [[], [], [], []]; // [column][row - 1]
  const shownColumns = COLUMN_FIRST_BOX.map((name) => t(name).shown);

  // One table per side: fixture rows, a column of count boxes per output.
  // The columns are headed by their outputs' names, as the desktop's screen reader names them.
  function grid(side, heading, columns) {
    const head = el("tr", {}, el("th", {scope: "col"}, "Fixture"),
                    ...columns.map((column) => el("th", {scope: "col"}, OUTPUTS[column])));
    const body = [];
    for (let row = 1; row <= engine.gridRows; ++row) {
      const model = engine.fixtureModel(orvo36, columns[0], row).trim();
      const cells = columns.map((column) => {
        const input = el("input", {
          type: "text", inputmode: "decimal", autocomplete: "off", spellcheck: "false",
          id: `box-${column}-${row}`, "data-name": `Text${column + 1}(${row})`,
          "aria-label": `${OUTPUTS[column]} count, ${model || `row ${row}`}`,
        });
        input.addEventListener("input", () => {
          page.typeInto(column, row, input.value);
          refresh();
        });
        boxes[column][row - 1] = input;
        return el("td", {}, input);
      });
      body.push(el("tr", {}, el("th", {scope: "row"}, model || `row ${row}, no fixture`), ...cells));
    }
    return el("section", {class: "grid", id: `grid-${side}`},
              el("table", {}, el("caption", {}, heading), el("thead", {}, head),
                 el("tbody", {}, ...body)));
  }

  function currentChoices(cc) {
    const {frame, prefix} = CURRENT_FRAMES[cc];
    if (!t(frame).shown) return null;
    const options = CURRENTS.map((current, index) => ({row: t(prefix + current), index}))
      .filter(({row}) => row.shown)
      .map(({row, index}) => {
        const input = el("input", {type: "radio", name: `${window}-${frame}`, id: row.name,
                                   value: index, disabled: !row.enabled});
        input.addEventListener("change", () => {
          page.chooseCurrent(cc, index);
          page.tick(); // the rule of the chosen current applies at once, not half a second later
          refresh();
        });
        return el("label", {class: "choice"}, input, ` ${row.text}`);
      });
    return el("fieldset", {id: frame}, el("legend", {}, t(frame).text), ...options);
  }

  function modeChoices() {
    const options = ["Option2", "Option1"].map((name) => {
      const input = el("input", {type: "radio", name: `${window}-mode`, id: name});
      input.addEventListener("change", () => {
        page.chooseAverage(name === "Option2");
        refresh();
      });
      return el("label", {class: "choice"}, input, ` ${t(name).text}`);
    });
    return el("fieldset", {id: "mode"}, el("legend", {}, "Power mode"), ...options);
  }

  const readouts = READOUTS.map(({box, label, unit}) => {
    if (!t(label).shown) return null;
    const output = el("output", {id: box, "aria-live": "off"});
    const caption = el("span", {id: `${box}-caption`}, t(label).text);
    return {output, caption, row: el("p", {class: "figure"}, el("label", {}, caption, " ", output,
                                      unit ? ` ${t(unit).text}` : ""))};
  });
  const warnings = el("ul", {class: "warnings", id: "warnings"});
  const reset = el("button", {type: "button", id: "Command1"}, t("Command1").text);
  reset.addEventListener("click", () => {
    page.reset();
    refresh();
  });
  const [copy, print] = cardCommands(reportText);
  const card = el("pre", {class: "card", id: "card"});

  function reportText() {
    const mode = t(page.average() ? "Option2" : "Option1").text;
    const shownOutputs = shownColumns.reduce((mask, shown, k) => mask | (shown ? 1 << k : 0), 0);
    const shownCurrents = CURRENT_FRAMES.reduce((mask, {frame}, k) =>
      mask | (t(frame).shown ? 1 << k : 0), 0);
    return page.reportText(texts.caption(window), mode, today(), shownOutputs, shownCurrents);
  }

  // One column on a phone; on a wider screen the CC side on the left, the rest on the right.
  const left = el("div", {}, grid("cc", t("Label29").text, [0, 1]),
                  ...[0, 1].map(currentChoices).filter(Boolean));
  const right = el("div", {});
  if (shownColumns[2])
    right.append(grid("cv", t("Label30").text, [2, 3]));
  right.append(modeChoices(),
               el("section", {class: "figures", id: "figures", "aria-label": "Results"},
                  ...readouts.filter(Boolean).map((r) => r.row), warnings),
               el("p", {class: "actions"}, reset, copy, print));
  main.replaceChildren(el("h1", {}, texts.caption(window)), el("div", {class: "columns"}, left, right),
                       card);

  function refresh() {
    for (let column = 0; column < 4; ++column) {
      for (let row = 1; row <= engine.gridRows; ++row) {
        const input = boxes[column][row - 1];
        if (!input) continue;
        const text = page.text(column, row);
        if (input.value !== text) input.value = text; // a refused count is emptied
        const usable = page.usable(column, row);
        input.disabled = !usable;
        input.classList.toggle("blocked", !usable);
      }
    }
    readouts.forEach((r, which) => {
      if (!r) return;
      r.output.value = page.readout(which);
      r.output.classList.toggle("exceeded", page.limitExceeded(which));
    });
    if (readouts[TOTAL]) readouts[TOTAL].caption.textContent = page.totalCaption();
    document.getElementById(page.average() ? "Option2" : "Option1").checked = true;
    for (let cc = 0; cc < 2; ++cc) {
      const chosen = document.getElementById(CURRENT_FRAMES[cc].prefix + CURRENTS[page.current(cc)]);
      if (chosen) chosen.checked = true;
    }
    const said = page.takeWarnings();
    const list = [];
    for (let i = 0; i < said.size(); ++i) list.push(said.get(i));
    said.delete();
    if (list.length) {
      warnings.replaceChildren(...list.map((message) => el("li", {}, message)));
      announce(list.join(" "));
    } else if (![0, 1, TOTAL].some((which) => page.limitExceeded(which))) {
      warnings.replaceChildren();
    }
    updateCard();
  }
  const updateCard = later(() => {
    card.textContent = reportText();
  });

  return ticking(page, refresh, TICK_MS);
}
