// The built guide, as a reader meets it: every picture and local link of
// every page (English, German, the reference page) opens a file of the
// guide, every lesson has its other-language twin, every example script a
// page names runs, and every `kelvane-cli` line marked <code class="try">
// exits 0. With web/dist built, its copy of the guide is checked the same
// way, and there the links to the page itself must open it too.
//   node guide_pages_test.mjs --guide DIR --cli PATH --source DIR [--web-dist DIR]
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2) args[process.argv[i].slice(2)] = process.argv[i + 1];
const failures = [];
const fail = (text) => failures.push(text);

function pagesUnder(dir) {
  return fs.readdirSync(dir, { recursive: true })
    .filter((name) => name.endsWith(".html"))
    .map((name) => path.join(dir, name));
}

function decode(text) {
  return text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, '"').replace(/&amp;/g, "&");
}

// Links and pictures: inside the guide they must name a file of it; the one
// way out is the web page beside the guide (`../index.html` from the top).
function checkLinks(guide, webPageMustExist) {
  const webPage = path.resolve(guide, "..", "index.html");
  for (const page of pagesUnder(guide)) {
    const html = fs.readFileSync(page, "utf8");
    const where = path.relative(guide, page);
    if (html.includes("@GUIDE_")) fail(`${where}: a placeholder was left unfilled`);
    for (const m of html.matchAll(/<(?:img|a|link)\b[^>]*?\b(?:src|href)="([^"]*)"/g)) {
      const target = decode(m[1]);
      if (/^(https?:|mailto:|#)/.test(target)) continue;
      const file = path.resolve(path.dirname(page), target.replace(/[#?].*$/, ""));
      if (file === webPage) {
        if (webPageMustExist && !fs.existsSync(file)) fail(`${where}: ${target}: the web page is missing`);
      } else if (!file.startsWith(guide + path.sep)) {
        fail(`${where}: ${target} leaves the guide`);
      } else if (!fs.statSync(file, { throwIfNoEntry: false })?.isFile()) {
        fail(`${where}: ${target} is not in the built guide`);
      }
    }
  }
}

function run(argv, cwd) {
  try {
    execFileSync(path.resolve(args.cli), argv, { cwd, stdio: ["ignore", "ignore", "pipe"], timeout: 60000 });
  } catch (e) {
    fail(`kelvane-cli ${argv.join(" ")}: exit ${e.status ?? e.signal ?? e.code}: ${String(e.stderr ?? "").trim()}`);
  }
}

const guide = path.resolve(args.guide);
checkLinks(guide, false);

const lessons = fs.readdirSync(guide).filter((n) => n.endsWith(".html"));
const german = fs.readdirSync(path.join(guide, "de")).filter((n) => n.endsWith(".html"));
for (const name of lessons) {
  const html = fs.readFileSync(path.join(guide, name), "utf8");
  if (!html.includes(`href="de/${name}"`)) fail(`${name}: no link to its German page`);
}
for (const name of german) {
  const html = fs.readFileSync(path.join(guide, "de", name), "utf8");
  if (!html.includes(`href="../${name}"`)) fail(`de/${name}: no link to its English page`);
}
if (lessons.length < 10 || lessons.length !== german.length)
  fail(`${lessons.length} English pages and ${german.length} German ones`);

// The commands run where the pages' relative paths hold: a scratch folder
// with the examples beside it, so files they write are thrown away.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "kelvane-guide-"));
fs.symlinkSync(path.join(path.resolve(args.source), "examples"), path.join(scratch, "examples"));
const scripts = new Set();
const commands = new Set();
for (const page of pagesUnder(guide)) {
  const html = fs.readFileSync(page, "utf8");
  for (const m of html.matchAll(/examples\/[\w.-]+\.ops/g)) scripts.add(m[0]);
  for (const m of html.matchAll(/<code class="try">([^<]*)<\/code>/g)) commands.add(decode(m[1]).trim());
}
for (const script of scripts) {
  run(["script", script, "--check"], scratch);
  run(["script", script, "--no-delay", "--max-refreshes", "1000"], scratch);
}
for (const line of commands) {
  const words = line.split(/\s+/);
  if (words[0] !== "kelvane-cli") fail(`"${line}" is marked to try but is no kelvane-cli command`);
  else run(words.slice(1), scratch);
}
fs.rmSync(scratch, { recursive: true, force: true });
if (scripts.size === 0 || commands.size === 0) fail("no example script or command found to try");

if (args["web-dist"] && fs.existsSync(args["web-dist"])) {
  const webGuide = path.resolve(args["web-dist"], "guide");
  if (!fs.existsSync(webGuide)) fail(`${args["web-dist"]} has no guide (make web copies it)`);
  else checkLinks(webGuide, true);
}

for (const f of failures) console.error(f);
console.log(`${failures.length ? "FAILED" : "ok"}: ${lessons.length + german.length} lesson pages, ` +
  `${scripts.size} example scripts, ${commands.size} commands`);
process.exit(failures.length ? 1 : 0);
