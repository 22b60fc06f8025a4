// The page's View choices in the browser: the classroom view (kept for the
// next visit), one fan at a time, the zoom buttons and keys, Fit to window.
//   node page_view_test.mjs --dist web/dist --cli build/cli/kelvane-cli
import { check, openPage, runChecks } from "./page_harness.mjs";

const picture = (page) => page.evaluate(() => window.kelvanePage.picture());
const texts = (list) => list.items.filter((i) => i[0] === "text").map((i) => i[3]);
// Whole face ellipses: outlines without a fill, wider than a dot or the
// paraxial focus ring.
const wholeEllipses = (list) => list.items.filter((i) => i[0] === "ellipse" && !i[6] && i[3] > 20);

async function classroomView() {
  const { page, errors } = await openPage();
  check(!(await page.$eval("#classroom", (e) => e.checked)), "the described view is the default");
  check(wholeEllipses(await picture(page)).length === 2, "the described view draws both face ellipses");
  await page.click("#classroom");
  let list = await picture(page);
  check(wholeEllipses(list).length === 0, "the classroom view draws no whole ellipse");
  check(texts(list).includes("mean focus") && texts(list).includes("below the axis: the upper half mirrored"),
        `the classroom legend names the marks (${texts(list).join(" | ")})`);
  await page.reload();
  await page.waitForFunction(() => window.kelvanePage?.ready);
  check(await page.$eval("#classroom", (e) => e.checked), "the classroom view is kept for the next visit");

  await page.evaluate(() => window.kelvanePage.traceLens([300, 200, 300, 200, 80], 1, 1.5, 1));
  await page.select("#fan", "2");
  list = await picture(page);
  const colours = new Set(list.items.filter((i) => i[0] === "polyline" && i[2][0] + i[2][1] + i[2][2] > 0)
    .map((i) => i[2].slice(0, 3).join(",")));
  check(colours.size === 1 && colours.has("0,0,255"), `one fan shows only its colour (${[...colours]})`);
  await page.click("#classroom");  // leave the next test the default
  check(errors.length === 0, `no console error (${errors.join("; ")})`);
  await page.close();
}

async function zoom() {
  const { page, errors } = await openPage("", { width: 1600, height: 900 });
  const dpi = async () => (await picture(page)).dpiX;
  const trueDpi = await dpi();
  await page.click("#zoomIn");
  check(Math.abs((await dpi()) - trueDpi * 1.25) < 1e-9, "Zoom in draws 1.25 times larger");
  check(texts(await picture(page)).some((t) => t.endsWith("× true scale")), "the picture says its scale");
  await page.keyboard.down("Control");
  await page.keyboard.press("Equal");
  await page.keyboard.up("Control");
  check(Math.abs((await dpi()) - trueDpi * 1.5625) < 1e-9, "Ctrl+= zooms in once more");
  await page.keyboard.down("Control");
  await page.keyboard.press("Digit0");
  await page.keyboard.up("Control");
  check((await dpi()) === trueDpi, "Ctrl+0 restores true scale");
  await page.click("#zoomFit");
  const fitted = await page.evaluate(() => window.kelvanePage.picture().dpiX);
  check(fitted > trueDpi, `Fit to window enlarges the default lens on a wide screen (${fitted} dpi)`);
  check(await page.$eval("#zoomFit", (e) => e.getAttribute("aria-pressed") === "true"),
        "the Fit button shows it is on");
  check(errors.length === 0, `no console error (${errors.join("; ")})`);
  await page.close();
}

await runChecks(classroomView, zoom);
