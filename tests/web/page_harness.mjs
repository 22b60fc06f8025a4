// What the page's browser tests share: the page served from web/dist, the
// system's chromium driven by puppeteer-core, kelvane-cli's numbers to
// compare with, and the checks' tally.
//
//   node TEST.mjs --dist DIR --cli PATH [--chromium PATH]
// Exits 77 (skipped) when node's puppeteer-core or chromium is missing.
import { execFileSync } from "node:child_process";
import { existsSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize } from "node:path";
import { parseArgs } from "node:util";

const SKIP = 77;
export const { values: args } = parseArgs({
  options: { dist: { type: "string" }, cli: { type: "string" }, chromium: { type: "string" } },
});
const chromium = args.chromium ?? "/usr/bin/chromium";
let puppeteer;
try {
  puppeteer = (await import("puppeteer-core")).default;
} catch {
  console.log("SKIPPED: puppeteer-core is not installed (cd tests/web && npm ci)");
  process.exit(SKIP);
}
if (!existsSync(chromium)) {
  console.log(`SKIPPED: no chromium at ${chromium} (tools/install-deps.sh installs it)`);
  process.exit(SKIP);
}
if (!args.dist || !existsSync(join(args.dist, "index.html"))) {
  console.error(`no page in ${args.dist}: run make web first`);
  process.exit(1);
}

// --- a static file server for web/dist -------------------------------------

const TYPES = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                ".wasm": "application/wasm", ".json": "application/json" };
const server = createServer((req, res) => {
  const path = normalize(decodeURIComponent(new URL(req.url, "http://x").pathname));
  const file = join(args.dist, path === "/" ? "index.html" : path);
  if (!file.startsWith(normalize(args.dist)) || !existsSync(file)) {
    res.writeHead(404).end();
    return;
  }
  res.writeHead(200, { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream" });
  res.end(readFileSync(file));
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
export const base = `http://127.0.0.1:${server.address().port}/`;

// --- what kelvane-cli says ---------------------------------------------------

export function cliFocus(lens, extra = []) {
  const out = execFileSync(args.cli, ["focus", ...lens.split(","), ...extra], { encoding: "utf8" });
  const fields = {};
  for (const line of out.split("\n")) {
    const m = line.match(/^(\w+)\s+(\S+)$/);
    if (m) fields[m[1]] = m[2];
    const fan = line.match(/^fan\s+(\d+) deg\s+(\d+) beams$/);
    if (fan) fields[`fan${fan[1]}`] = Number(fan[2]);
  }
  return fields;
}

// The page shows two decimals; the cli prints four of the same double.
export const twoDecimals = (text) => (text === "--" ? "--" : Number(text).toFixed(2));

// --- the checks --------------------------------------------------------------

let failures = 0;
export function check(ok, what) {
  console.log(`${ok ? "ok  " : "FAIL"} ${what}`);
  if (!ok) failures++;
}

export const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run",
         // The page follows the browser's language: English, whatever the machine's.
         "--lang=en-US"],
});

// The page at `hash`, loaded and ready; `errors` collects what its console
// and network report.
export async function openPage(hash = "", viewport = { width: 1280, height: 900 }) {
  const page = await browser.newPage();
  const errors = [];
  page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
  page.on("pageerror", (e) => errors.push(String(e)));
  page.on("requestfailed", (r) => errors.push(`request failed: ${r.url()}`));
  await page.setViewport(viewport);
  await page.goto(base + hash);
  await page.waitForFunction(() => window.kelvanePage?.ready, { timeout: 20000 });
  return { page, errors };
}

export const readouts = (page) =>
  page.$$eval("#focus, #dev, #devpcnt", (els) => els.map((e) => e.value));

// The focus dot: the red filled ellipse of the display list, in device pixels.
export async function focusDot(page) {
  return page.evaluate(() => {
    const list = window.kelvanePage.picture();
    const dot = list.items.find((i) => i[0] === "ellipse" && i[6] && i[6][0] === 255 && i[6][1] === 0);
    if (!dot) return null;
    const [, left, bottom, w, h] = dot;
    const s = list.dpiX / 100;
    return { x: list.origin[0] + (left + w / 2) * s, y: list.origin[1] - (bottom + h / 2) * list.dpiY / 100,
             dpr: list.dpiX / 96 };
  });
}

// Runs each group of checks (one that throws is a failure, and the next
// still runs), closes the browser and exits 1 on any failure.
export async function runChecks(...groups) {
  try {
    for (const group of groups) {
      try {
        await group();
      } catch (error) {
        check(false, `${group.name || "a group of checks"} threw ${error}`);
      }
    }
  } finally {
    await browser.close();
    server.close();
  }
  console.log(failures ? `${failures} check(s) failed` : "all checks passed");
  process.exit(failures ? 1 : 0);
}
