// The start page and the pages it links to, one at a time, chosen by the address's #fragment.
// The pages only read the controls, call the engine and show its state.
import {showConfiguratorPage} from "./configurator.js";
import {showPowerPage} from "./power.js";
import {el, loadTexts} from "./texts.js";

// The power windows of the desktop, in its menu's order.
const POWER_PAGES = [{window: "Calc", orvo36: false}, {window: "Calc2", orvo36: true}];

const main = document.getElementById("page");
let shown = null; // the page shown, with its dispose()

// The configurators, in the device table's order: {device, window}.
function configurators(engine) {
  const names = engine.configuratorWindows();
  const list = [];
  for (let device = 0; device < names.size(); ++device) list.push({device, window: names.get(device)});
  names.delete();
  return list;
}

const link = (texts) => ({window}) =>
  el("li", {}, el("a", {href: `#${window}`, id: `link-${window}`}, texts.caption(window)));

function startPage(engine, texts) {
  main.replaceChildren(
    el("h1", {}, "VELANTRA configuration tools"),
    el("h2", {}, "DIP-switch configurators"),
    el("ul", {class: "links"}, ...configurators(engine).map(link(texts))),
    el("h2", {}, "Power budgets"),
    el("ul", {class: "links"}, ...POWER_PAGES.map(link(texts))),
    el("p", {class: "note"},
       "Works offline once loaded. Nothing you type leaves this device."));
  return {dispose() {}};
}

function route(engine, texts) {
  shown?.dispose();
  shown = null;
  const name = decodeURIComponent(location.hash.slice(1));
  const power = POWER_PAGES.find((p) => p.window === name);
  const configurator = configurators(engine).find((c) => c.window === name);
  if (power) shown = showPowerPage(main, engine, texts, power);
  else if (configurator) shown = showConfiguratorPage(main, engine, configurator);
  else shown = startPage(engine, texts);
  const known = power || configurator;
  document.title = known ? `${texts.caption(name)} – VELANTRA` : "VELANTRA configuration tools";
  main.focus();
  window.scrollTo(0, 0);
  document.documentElement.dataset.ready = known ? name : "start";
  performance.mark(`shown ${known ? name : "start"}`); // the benchmark's first render
}

async function start() {
  if ("serviceWorker" in navigator)
    navigator.serviceWorker.register("sw.js").catch(() => {}); // offline use is a bonus
  const [engine, texts] = await Promise.all([VelantraEngine(), loadTexts()]);
  addEventListener("hashchange", () => route(engine, texts));
  route(engine, texts);
}

start();
