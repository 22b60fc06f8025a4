// The web page in the system's chromium, headless: it loads cleanly, its
// read-outs are kelvane-cli's, links open lenses, scripts play to their end
// and the PNG export has the focus dot where the canvas has it.
//
//   node page_test.mjs --dist DIR --cli PATH (see page_harness.mjs)
import { check, cliFocus, focusDot, openPage, readouts, runChecks, twoDecimals, base } from "./page_harness.mjs";

// The pixel of a canvas (or of a PNG drawn into one) as [r, g, b].
async function canvasPixel(page, x, y) {
  return page.evaluate((x, y) => {
    const c = document.getElementById("lens");
    return [...c.getContext("2d").getImageData(x, y, 1, 1).data.slice(0, 3)];
  }, x, y);
}

const isRed = ([r, g, b]) => r > 200 && g < 60 && b < 60;

await runChecks(async () => {
  // The default lens, drawn, with no console error.
  {
    const { page, errors } = await openPage();
    const cli = cliFocus("219,163,143,260,112,CVCV");
    const shown = await readouts(page);
    check(shown[0] === "316.10", `default lens shows focus 316.10 (shows ${shown[0]})`);
    check(JSON.stringify(shown) === JSON.stringify([cli.focus, cli.dev, cli.devpcnt].map(twoDecimals)),
          `default read-outs ${shown} equal kelvane-cli's`);
    const dot = await focusDot(page);
    check(dot && isRed(await canvasPixel(page, Math.round(dot.x), Math.round(dot.y))),
          "the canvas shows the red focus dot");

    // The aberration plot: the tracer's crossings, whose mean is the focus shown.
    const curve = await page.evaluate(() => window.kelvanePage.aberration());
    const crossingMean = curve ? curve.exit.reduce((a, p) => a + p[0], 0) / curve.exit.length : NaN;
    check(curve && curve.exit.length === Number(cli.beamCount) &&
          crossingMean.toFixed(2) === shown[0] &&
          await page.$eval("#aberrationBox", (e) => !e.hidden),
          `the aberration plot shows ${curve?.exit.length} crossings around the focus`);

    // Moving a slider (by keyboard, as a user tabbing to it would) retraces.
    await page.focus("#s0");
    for (let i = 0; i < 10; i++) await page.keyboard.press("ArrowRight");
    const moved = await readouts(page);
    const cliMoved = cliFocus("229,163,143,260,112,CVCV");
    check(JSON.stringify(moved) === JSON.stringify([cliMoved.focus, cliMoved.dev, cliMoved.devpcnt].map(twoDecimals)),
          `after ArrowRight x10 the read-outs ${moved} equal kelvane-cli for ivx 229`);

    // Every control is reached by Tab.
    const tabbed = new Set();
    await page.focus("#s0");
    for (let i = 0; i < 40; i++) {
      tabbed.add(await page.evaluate(() => document.activeElement.id || document.activeElement.name));
      await page.keyboard.press("Tab");
    }
    const wanted = ["s0", "n0", "s1", "n1", "s2", "n2", "s3", "n3", "s4", "n4", "egress", "lock", "width",
                    "fill", "rindex", "multi", "legend", "presets", "examples", "script", "run",
                    "exportPng", "exportSvg"];
    const missed = wanted.filter((id) => !tabbed.has(id));
    check(missed.length === 0, `Tab reaches every control (missed: ${missed.join(" ")})`);

    // A mouse drag across the slider: the time of each step, measured in the page.
    const box = await (await page.$("#s2")).boundingBox();
    await page.evaluate(() => { window.kelvanePage.stepTimes.length = 0; });
    await page.mouse.move(box.x + box.width * 0.1, box.y + box.height / 2);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width * 0.6, box.y + box.height / 2, { steps: 60 });
    await page.mouse.up();
    const times = await page.evaluate(() => window.kelvanePage.stepTimes.slice());
    times.sort((a, b) => a - b);
    const mean = times.reduce((a, b) => a + b, 0) / Math.max(1, times.length);
    console.log(`slider drag: ${times.length} steps, mean ${mean.toFixed(2)} ms, ` +
                `median ${(times[times.length >> 1] ?? 0).toFixed(2)} ms, max ${(times.at(-1) ?? 0).toFixed(2)} ms a step`);
    check(times.length > 10, "a mouse drag retraces at every step");

    // The back button steps back through edits.
    const before = await page.evaluate(() => location.hash);
    await page.select("#presets", "4");
    const perfect = await page.evaluate(() => window.kelvanePage.state());
    check(Number(perfect.focusText) === 365 && Number(perfect.devText) < 1e-9 + 0.005,
          `"Perfect focus" meets in one point (focus ${perfect.focusText}, dev ${perfect.devText})`);
    // Below an index of 1 no ellipse has that eccentricity: the lens stays.
    await page.$eval("#rindex", (e) => { e.value = "0.9"; e.dispatchEvent(new Event("change")); });
    await page.select("#presets", "");
    await page.select("#presets", "4");
    const kept = await page.evaluate(() => window.kelvanePage.state());
    check(JSON.stringify(kept.lens) === JSON.stringify(perfect.lens), "no perfect-focus lens for an index below 1");
    await page.$eval("#rindex", (e) => { e.value = "1.5"; e.dispatchEvent(new Event("change")); });
    await page.goBack();
    await page.goBack();
    await page.goBack();
    await page.waitForFunction((h) => location.hash === h, { timeout: 5000 }, before);
    const back = await page.evaluate(() => window.kelvanePage.state().lens.slice(0, 5));
    check(back[0] !== perfect.lens[0] && Math.round(back[2]) !== 260, "Back returns to the lens before the preset");

    // PNG export: 192 dpi recorded, the focus dot where the canvas has it.
    await page.select("#presets", "0");
    const dot0 = await focusDot(page);
    const png = await page.evaluate(async (dotX, dotY) => {
      const bytes = await window.kelvanePage.pngBytes();
      const bitmap = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
      const c = new OffscreenCanvas(bitmap.width, bitmap.height);
      const ctx = c.getContext("2d");
      ctx.drawImage(bitmap, 0, 0);
      // The export is at true scale; the canvas may show it scaled down.
      const scale = window.kelvanePage.exportDpi / 96 / (window.devicePixelRatio || 1) /
                    window.kelvanePage.fit();
      const px = [...ctx.getImageData(Math.round(dotX * scale), Math.round(dotY * scale), 1, 1).data.slice(0, 3)];
      const head = new TextDecoder("latin1").decode(bytes.slice(0, 64));
      const at = head.indexOf("pHYs");
      const ppm = at < 0 ? 0 : new DataView(bytes.buffer, bytes.byteOffset + at + 4, 4).getUint32(0);
      return { px, ppm };
    }, dot0.x, dot0.y);
    check(isRed(png.px), `the PNG has the red focus dot where the canvas has it (${png.px})`);
    check(png.ppm === Math.round(192 / 0.0254), "the PNG records 192 dpi");
    const svg = await page.evaluate(() => window.kelvanePage.svgText());
    check(/<svg[^>]* width="[\d.]+in"/.test(svg) && svg.includes("<ellipse"), "the SVG export declares inches");
    check(errors.length === 0, `no console error (${errors.join("; ")})`);
    await page.close();
  }

  // A link opens its lens, index and mode.
  {
    const { page, errors } = await openPage("#lens=300,200,300,200,80,CVCC&n=2.4&mode=multi");
    const state = await page.evaluate(() => window.kelvanePage.state());
    const cli = cliFocus("300,200,300,200,80,CVCC", ["--rindex", "2.4", "--multi"]);
    check(JSON.stringify(state.lens) === "[300,200,300,200,80,1]" && state.mode === 1,
          "a #lens= link opens that lens in multi-beam mode");
    check(JSON.stringify(state.fans) === JSON.stringify([cli.fan40, cli.fan30, cli.fan20, cli.fan10, cli.fan0]),
          `its fans ${state.fans} are kelvane-cli's`);
    check(await page.$eval("#multi", (e) => e.checked), "the Multi box is checked");
    check(JSON.stringify(await readouts(page)) === '["--","--","--"]' &&
          (await page.$eval("#fans", (e) => e.value)) === state.fans.join(" "),
          "multi-beam shows no focus, and the beams of each fan");
    await page.goto(base + "#lens=300,100,100,300,150,CVCC&n=1.5&mode=single");
    await page.waitForFunction(() => window.kelvanePage.state().lens[1] === 100, { timeout: 5000 });
    const cli2 = cliFocus("300,100,100,300,150,CVCC");
    check(JSON.stringify(await readouts(page)) === JSON.stringify([cli2.focus, cli2.dev, cli2.devpcnt].map(twoDecimals)),
          "a changed link retraces to kelvane-cli's numbers");
    // Lenses of every shape, index and mode: the page's numbers are the cli's.
    let seed = 12345;
    const next = (lo, hi) => {
      seed = (seed * 1103515245 + 12345) % 2147483648;
      return lo + (seed % (hi - lo + 1));
    };
    const SHAPES = ["CVCV", "CVCC", "CCCV", "CCCC"];
    const mismatches = [];
    for (let i = 0; i < 24; i++) {
      const values = [next(60, 500), next(40, 300), next(60, 500), next(40, 300), next(5, 200)];
      const shape = i % 4;
      const rindex = [1.33, 1.5, 1.9, 2.4][(i >> 2) % 4];
      const mode = i % 3 === 0 ? 1 : 0;
      const got = await page.evaluate((v, s, n, m) => window.kelvanePage.traceLens(v, s, n, m),
                                      values, shape, rindex, mode);
      const lens = `${values.join(",")},${SHAPES[shape]}`;
      const cli = cliFocus(lens, ["--rindex", String(rindex), ...(mode ? ["--multi"] : [])]);
      const want = mode ? JSON.stringify([cli.fan40, cli.fan30, cli.fan20, cli.fan10, cli.fan0])
                        : JSON.stringify([cli.focus, cli.dev, cli.devpcnt].map(twoDecimals));
      const have = mode ? JSON.stringify(got.fans)
                        : JSON.stringify([got.focusText, got.devText, got.devpcntText]);
      if (want !== have) mismatches.push(`${lens} n=${rindex}${mode ? " multi" : ""}: page ${have}, cli ${want}`);
    }
    check(mismatches.length === 0, `24 lenses read out as kelvane-cli's ${mismatches.join("; ")}`);
    check(errors.length === 0, `no console error (${errors.join("; ")})`);
    await page.close();
  }

  // A script plays to its end from timers; the narrow layout puts the controls below.
  {
    const { page, errors } = await openPage("", { width: 480, height: 900 });
    const below = await page.evaluate(() =>
      document.getElementById("controls").getBoundingClientRect().top >=
      document.getElementById("lens").getBoundingClientRect().bottom);
    check(below, "on a narrow screen the controls sit below the canvas");
    await page.$eval("#script", (e) => {
      e.value = "delay 5\nfade 219,163,143,260,112,CVCC 300,200,300,200,80,CVCC 6\nrindex 1.6\nwidth fade 40 80 4\nlense 1 2\n";
    });
    await page.click("#run");
    await page.waitForFunction(() => /ended/.test(document.getElementById("scriptStatus").textContent),
                               { timeout: 20000 });
    const state = await page.evaluate(() => window.kelvanePage.state());
    const cli = cliFocus("300,200,300,200,80,CVCC", ["--rindex", "1.6", "--width", "80"]);
    check(/script:5: /.test(await page.$eval("#scriptStatus", (e) => e.textContent)),
          "the line it passes over is named");
    check(JSON.stringify(state.lens) === "[300,200,300,200,80,1]" && state.locked,
          "the script ran to its end lens, width locked");
    check(JSON.stringify(await readouts(page)) === JSON.stringify([cli.focus, cli.dev, cli.devpcnt].map(twoDecimals)),
          "its end read-outs are kelvane-cli's");
    check(errors.length === 0, `no console error (${errors.join("; ")})`);
    await page.close();
  }

  // The Design panel searches between frames, stops when asked, and applies
  // a lens that the page and kelvane-cli trace to the focus it found.
  {
    const { page, errors } = await openPage("", { width: 1366, height: 768 });
    await page.$eval("#designFocus", (e) => { e.value = "300"; });
    await page.evaluate(() => {
      window.designFrames = 0;
      const tick = () => { window.designFrames++; requestAnimationFrame(tick); };
      requestAnimationFrame(tick);
    });
    await page.click("#designRun");
    await page.click("#designStop");
    check(await page.$eval("#designResult", (e) => e.textContent) === "Stopped." &&
          await page.$eval("#designApply", (e) => e.disabled), "Stop ends a search with nothing to apply");
    const frames0 = await page.evaluate(() => window.designFrames);
    await page.click("#designRun");
    await page.waitForFunction(() => !document.getElementById("designApply").disabled ||
                               /No lens|Cannot/.test(document.getElementById("designResult").textContent),
                               { timeout: 60000 });
    const frames = (await page.evaluate(() => window.designFrames)) - frames0;
    const found = await page.evaluate(() => window.kelvanePage.designPanel.outcome());
    check(found.reached && Math.abs(found.focus - 300) <= 0.15 && /^lens [\d. ]+ CVCV$/.test(found.line),
          `the panel designs ${found.line}: focus ${found.focus}, devpcnt ${found.devpcnt}`);
    check(frames >= 5, `the page kept drawing during the search (${frames} frames)`);
    await page.click("#designApply");
    const state = await page.evaluate(() => window.kelvanePage.state());
    const cli = cliFocus(found.lens.slice(0, 5).join(",") + ",CVCV");
    check(JSON.stringify(state.lens) === JSON.stringify(found.lens) &&
          state.focusText === found.focus.toFixed(2) &&
          JSON.stringify(await readouts(page)) === JSON.stringify([cli.focus, cli.dev, cli.devpcnt].map(twoDecimals)),
          `Apply shows the lens at focus ${state.focusText}, as kelvane-cli traces it`);
    check(errors.length === 0, `no console error (${errors.join("; ")})`);
    await page.close();
  }

  // An object from the link: its controls, its picture and its link; a
  // source the page cannot show is refused in words and leaves parallel light.
  {
    const { page, errors } = await openPage("#lens=300,200,300,200,80,CVCC&n=1.5&mode=single&source=object,600,80");
    const state = await page.evaluate(() => window.kelvanePage.state());
    check(state.source === "object,600,80", `the link's object is the session's (${state.source})`);
    check(await page.$eval("input[name=source][value=object]", (e) => e.checked) &&
          await page.$eval("#sourceHeight", (e) => e.value === "80"), "the Light source controls show it");
    const diamonds = await page.evaluate(() => window.kelvanePage.picture().items.filter(
      (i) => i[0] === "polyline" && i[1].length === 10).length);
    check(diamonds >= 1, "the picture shows the paraxial image");
    await page.click("input[name=source][value=point]");
    check(/&source=point,600$/.test(await page.evaluate(() => location.hash)), "a new source is in the link");
    check(errors.length === 0, `no console error (${errors.join("; ")})`);
    await page.close();
    const bad = await openPage("#lens=300,200,300,200,80,CVCC&source=laser");
    check((await bad.page.evaluate(() => window.kelvanePage.state())).source === "parallel" &&
          /not parallel, point,D or object,D,H/.test(await bad.page.$eval("#status", (e) => e.textContent)),
          "a link's unknown source is refused in words");
    await bad.page.close();
  }
});
