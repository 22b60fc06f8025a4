// The page's address and history, and what a teacher's field test found:
// Back steps through finished edits, links keep everything they hold (to
// the last bit and the width lock) and name their bad parts, the export
// caption is the lens shown, the page fits a laptop and a phone, and a
// screen reader hears names and numbers.
//
//   node page_links_test.mjs --dist DIR --cli PATH (see page_harness.mjs)
import { check, cliFocus, focusDot, openPage, readouts, runChecks } from "./page_harness.mjs";

const state = (page) => page.evaluate(() => window.kelvanePage.state());
const lensOf = async (page) => (await state(page)).lens.join(",");
const hashOf = (page) => page.evaluate(() => location.hash);
const historyLength = (page) => page.evaluate(() => history.length);
const statusText = (page) => page.$eval("#status", (e) => e.textContent);
// Sets a field's value as a user who types it and leaves the field.
const enter = (page, sel, value) => page.$eval(sel, (e, v) => {
  e.value = v;
  e.dispatchEvent(new Event("change"));
}, value);

async function dragSlider(page, sel, from, to) {
  const box = await (await page.$(sel)).boundingBox();
  const y = box.y + box.height / 2;
  await page.mouse.move(box.x + box.width * from, y);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width * to, y, { steps: 20 });
  await page.mouse.up();
}

// History: a drag is one entry, each key press one more; Back undoes them.
async function history() {
  const { page, errors } = await openPage();
  const start = await lensOf(page);
  const length0 = await historyLength(page);
  await dragSlider(page, "#s2", 0.1, 0.4);
  const dragged = await lensOf(page);
  check((await historyLength(page)) === length0 + 1 && dragged !== start,
        `a drag is one history entry (${length0} -> ${await historyLength(page)})`);
  await page.focus("#s3");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("ArrowRight");
  const pressed = await lensOf(page);
  check((await historyLength(page)) === length0 + 3, "each key step on a slider is an entry");
  const back = [];
  for (let i = 0; i < 3; i++) {
    const hash = await hashOf(page);
    await page.goBack();
    await page.waitForFunction((h) => location.hash !== h, { timeout: 5000 }, hash);
    back.push(await lensOf(page));
  }
  const s3 = Number(pressed.split(",")[3]);
  check(back[0] === pressed.replace(/^((?:[^,]+,){3})[^,]+/, `$1${s3 - 1}`) && back[1] === dragged &&
        back[2] === start, `Back restores each edit in turn: ${back.join(" | ")}`);
  await page.goForward();
  await page.waitForFunction((l) => window.kelvanePage.state().lens.join(",") === l,
                             { timeout: 5000 }, dragged);
  check(true, "Forward restores the drag");
  // Width lock, fill and index go into the link and come back from it.
  await enter(page, "#fill", "50");
  await page.click("#lock");
  await enter(page, "#width", "77");
  await enter(page, "#rindex", "1.8");
  const hash = await hashOf(page);
  check(/&n=1\.8&/.test(hash) && /&lock=77&fill=50$/.test(hash), `the link holds n, lock and fill: ${hash}`);
  const reopened = await openPage(hash);
  const s = await state(reopened.page);
  check(s.locked && Math.round(s.width) === 77 && s.fill === 50 && s.rindexText === "1.8" &&
        (await lensOf(reopened.page)) === (await lensOf(page)), "the link opens the same lens, lock and fill");
  await reopened.page.close();
  check(errors.length === 0, `no console error (${errors.join("; ")})`);
  await page.close();
}

// Fractions in a link stay when another value moves; eccentricities are
// of the exact semi-axes.
async function fractions() {
  const { page } = await openPage("#lens=219.5,163.25,143,260,112.75,CVCV");
  await page.focus("#s1");
  await page.keyboard.press("ArrowRight");
  check((await lensOf(page)) === "219.5,164,143,260,112.75,0", `only the moved value changes: ${await lensOf(page)}`);
  const ecc = Math.sqrt(1 - (164 * 164) / (219.5 * 219.5)).toFixed(3);
  check((await page.$eval("#eccIngress", (e) => e.value)) === ecc, `ingress eccentricity ${ecc}`);
  await page.close();
}

// Bad links: the page says which part is bad, keeps the lens and tidies
// the address; a lens too small for the fields is one of them.
async function badLinks() {
  const { page } = await openPage("#lens=0x12C,163,143,260,112,CVCV&n=abc&mode=multi&zoom=2");
  const text = await statusText(page);
  check(/"lens=0x12C,163,143,260,112,CVCV" needs five decimal numbers/.test(text) &&
        /"n=abc"/.test(text) && /"zoom=2"/.test(text), `a bad link names its bad parts: ${text}`);
  const s = await state(page);
  check(s.lens.join(",") === "219,163,143,260,112,0" && s.mode === 1,
        "the lens stays; the good part (mode) is taken");
  check((await hashOf(page)) === "#lens=219,163,143,260,112,CVCV&n=1.5&mode=multi&lock=off&fill=90",
        `the address is tidied: ${await hashOf(page)}`);
  await page.goto(page.url().replace(/#.*/, "#lens=0.001,0.001,0.001,0.001,0.001,CVCV"));
  await page.waitForFunction(() => /lens=0\.001/.test(document.getElementById("status").textContent));
  check((await lensOf(page)) === "219,163,143,260,112,0", "a lens below the fields' least is not opened");
  // What a script can still set: no focus, and a flat face has no eccentricity.
  const texts = async (v) => {
    const t = await page.evaluate((v) => window.kelvanePage.traceLens(v, 0, 1.5, 0), v);
    return [t.focusText, t.devText, t.devpcntText, t.eccIngress, t.eccEgress].join(" ");
  };
  const tiny = await texts([0.001, 0.001, 0.001, 0.001, 0.001]);
  const flat = await texts([0, 0, 0, 0, 1]);
  check(tiny === "-- -- -- 0.000 0.000" && flat === "-- -- -- -- --",
        `a lens too small to trace reads "--" (${tiny}; ${flat})`);
  await page.close();
}

// The multi-beam export's caption is the lens shown, traced with one beam.
async function caption() {
  const { page } = await openPage("#lens=300,200,300,200,80,CVCC&n=2.4&mode=single");
  await page.click("#multi");
  await enter(page, "#n0", "250");
  const cli = cliFocus("250,200,300,200,80,CVCC", ["--rindex", "2.4"]);
  const svg = await page.evaluate(() => window.kelvanePage.svgText());
  const want = `250,200,300,200,80,CVCC   n = 2.40   focus ${Math.round(Number(cli.focus))}   ` +
    `width ${Math.round(Number(cli.width))}   dev ${Number(cli.dev).toFixed(2)}`;
  check(svg.includes(want), `the multi-beam caption reads "${want}"`);
  // A script's window and canvass lines are named as passed over.
  await page.$eval("#script", (e) => { e.value = "window 40,40,900,700\ncanvass 1200,900\nlens 300,200,300,200,80,CVCC\n"; });
  await page.click("#run");
  await page.waitForFunction(() => /ended/.test(document.getElementById("scriptStatus").textContent));
  const said = await page.$eval("#scriptStatus", (e) => e.textContent);
  check(/script:1: "window" passed over/.test(said) && /script:2: "canvass" passed over/.test(said),
        `window and canvass lines are named: ${said}`);
  await page.close();
}

// Colour: a white-light link draws each wavelength in its colour and reads
// out the lca kelvane-cli prints; a bad glass or wavelength is named.
async function colour() {
  const lens = "219,163,143,260,112,CVCV";
  const { page, errors } = await openPage(`#lens=${lens}&glass=N-BK7&light=white`);
  const s = await state(page);
  check(s.glass === "N-BK7" && s.white, `the link's glass and light are taken (${s.glass}, ${s.white})`);
  check((await hashOf(page)).endsWith("&glass=N-BK7&light=white"), `the link keeps them: ${await hashOf(page)}`);
  const colours = await page.evaluate(() => {
    const set = new Set();
    for (const i of window.kelvanePage.picture().items)
      if (i[0] === "polyline") set.add(i[2].slice(0, 3).join(","));
    return [...set];
  });
  // C (656.3 nm) and 680 nm are both deep red: six colours for seven.
  check(colours.length === 6 && !colours.includes("0,0,255"),
        `the wavelengths in their colours, no blue beams: ${colours.join(" | ")}`);
  const cli = cliFocus(lens, ["--glass", "N-BK7", "--white"]);
  const lca = await page.$eval("#lca", (e) => e.value);
  check(cli.lca && lca === `lca ${cli.lca}`, `the lca read-out is kelvane-cli's: ${lca} / ${cli.lca}`);
  check(/V_d 64\.17/.test(await page.$eval("#indexAt", (e) => e.value)), "n_d and V_d are shown");
  check(errors.length === 0, `no errors: ${errors.join("; ")}`);
  await page.goto(page.url().replace(/#.*/, `#lens=${lens}&glass=XYZ&light=900`));
  await page.waitForFunction(() => /glass=XYZ/.test(document.getElementById("status").textContent));
  const text = await statusText(page);
  check(/unknown glass "XYZ"/.test(text), `a bad colour is named: ${text}`);
  check((await state(page)).glass === "N-BK7", "and changes nothing");
  await page.close();
}

// A screen reader hears full names and labelled numbers.
async function screenReader() {
  const { page } = await openPage();
  const names = await page.$$eval("input[type=range]", (els) => els.map((e) => e.getAttribute("aria-label")));
  check(names.join("|") === "Ingress X semi-axis|Ingress Y semi-axis|Egress X semi-axis|Egress Y semi-axis|Lens depth|" +
          "Wavelength in nm|Source distance before the ingress vertex|Object arrow height",
        `slider names: ${names.join(", ")}`);
  check((await page.$eval("#focus", (e) => e.getAttribute("aria-label"))) === "Focus 316.10", "the focus is labelled");
  const before = await page.$eval("#lens", (e) => e.getAttribute("aria-label"));
  await enter(page, "#n0", "229");
  const after = await page.$eval("#lens", (e) => e.getAttribute("aria-label"));
  const focus = (await readouts(page))[0];
  check(/focus at 316\.10/.test(before) && after.includes(`focus at ${focus}`) && after.includes("229 by 163"),
        `the canvas says the lens and its focus: ${after}`);
  await page.close();
}

// A laptop's screen shows everything down to Run and Export; a phone's
// sliders reach as far, its picture keeps the focus and the legend, and
// its controls are big enough for a finger.
async function laptop() {
  const { page } = await openPage("", { width: 1366, height: 768 });
  const bottoms = await page.$$eval("#lens, #run, #exportPng, #exportSvg, #devpcnt",
                                    (els) => els.map((e) => e.getBoundingClientRect().bottom));
  check(bottoms.every((b) => b <= 768), `at 1366x768 all is above the fold (${bottoms.map(Math.round)})`);
  await page.close();
}


async function phone() {
  const { page } = await openPage("", { width: 375, height: 800 });
  const maxes = await page.$$eval("#s0, #s2, #n0", (els) => els.map((e) => e.max));
  check(maxes.join(",") === "860,860,860", `on a phone X still reaches 860 (${maxes})`);
  const dot = await focusDot(page);
  const inside = await page.evaluate((dot) => {
    const c = document.getElementById("lens");
    const list = window.kelvanePage.picture();
    const s = list.dpiX / 100;
    const texts = list.items.filter((i) => i[0] === "text")
      .map((i) => [list.origin[0] + i[1] * s, list.origin[1] - i[2] * s]);
    return [[dot.x, dot.y], ...texts].every(([x, y]) => x >= 0 && x <= c.width && y >= 0 && y <= c.height) &&
      texts.length > 0;
  }, dot);
  check(dot && inside, "the focus and the legend are on the phone's canvas");
  const small = await page.$$eval("#controls input, #controls select, #controls button", (els) => els
    .map((e) => (e.type === "checkbox" || e.type === "radio") ? e.closest("label") : e)
    .filter((e) => e.getClientRects().length)
    .map((e) => [e.id || e.textContent.trim(), e.getBoundingClientRect()])
    .filter(([, r]) => r.width < 40 || r.height < 40).map(([id, r]) => `${id} ${r.width}x${r.height}`));
  check(small.length === 0, `touch targets are at least 40 px (too small: ${small.join("; ")})`);
  await page.close();
}

await runChecks(history, fractions, badLinks, caption, colour, screenReader, laptop, phone);
