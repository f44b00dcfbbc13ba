// Draws a DIP-switch bank as SVG from the engine's state: the levers in a body, each in its ON
// row or its OFF row, ON and OFF written beside the rows as on the device, the lever numbers
// underneath. The drawing is hidden from screen readers; the list beside it reads the levers.
import {el} from "./texts.js";

const SVG = "http://www.w3.org/2000/svg";
const PITCH = 22;
const LEVER_W = 14;
const ROW_H = 22;
const TOP = 6;
const LEFT = 8;

function svg(tag, attributes) {
  const node = document.createElementNS(SVG, tag);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  return node;
}

// A bank drawn and described: {element, update(state)} with state {name, on: [bool], onIsUpper}.
export function bankView(id, name, count) {
  const width = LEFT * 2 + PITCH * count + 30;
  const height = TOP * 2 + ROW_H * 2 + 16;
  const picture = svg("svg", {viewBox: `0 0 ${width} ${height}`, width, height,
                              "aria-hidden": "true", focusable: "false", class: "bank"});
  picture.append(svg("rect", {x: 1, y: 1, width: width - 32, height: TOP * 2 + ROW_H * 2 - 2,
                              class: "body"}));
  const levers = [];
  for (let k = 0; k < count; ++k) {
    const x = LEFT + PITCH * k;
    picture.append(svg("rect", {x, y: TOP, width: LEVER_W, height: ROW_H * 2, class: "slot"}));
    const lever = svg("rect", {x, y: TOP, width: LEVER_W, height: ROW_H, class: "lever"});
    picture.append(lever);
    const number = svg("text", {x: x + LEVER_W / 2, y: height - 2, "text-anchor": "middle"});
    number.textContent = String(k + 1);
    picture.append(number);
    levers.push(lever);
  }
  const upperRow = svg("text", {x: width - 28, y: TOP + ROW_H - 6});
  const lowerRow = svg("text", {x: width - 28, y: TOP + 2 * ROW_H - 6});
  picture.append(upperRow, lowerRow);

  const summary = el("p", {class: "levers-on", id: `${id}-on`});
  const list = el("ul", {class: "visually-hidden", id: `${id}-levers`, "aria-label": name});
  const items = levers.map(() => el("li"));
  list.append(...items);
  const element = el("figure", {class: "bank-view", id},
                     el("figcaption", {}, name), picture, summary, list);
  return {
    element,
    picture,
    update({on, onIsUpper, leversOn}) {
      on.forEach((isOn, k) => {
        const upper = isOn === onIsUpper;
        levers[k].setAttribute("y", upper ? TOP : TOP + ROW_H);
        items[k].textContent = `Lever ${k + 1}: ${isOn ? "ON" : "OFF"}`;
      });
      upperRow.textContent = onIsUpper ? "ON" : "OFF";
      lowerRow.textContent = onIsUpper ? "OFF" : "ON";
      summary.textContent = leversOn;
    },
  };
}
