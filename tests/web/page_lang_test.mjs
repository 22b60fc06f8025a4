// The page in another language: `?lang=fr` shows French words around the
// same numbers, and without it the browser's English page is as written.
//
//   node page_lang_test.mjs --dist DIR --cli PATH (see page_harness.mjs)
import { check, openPage, readouts, runChecks } from "./page_harness.mjs";

const words = (page) => page.evaluate(() => ({
  lang: document.documentElement.lang,
  title: document.title,
  legend: document.querySelector("#controls legend").textContent,
  run: document.getElementById("run").textContent,
  lock: document.getElementById("lock").getAttribute("aria-label"),
  design: document.querySelector("#designPanel .note").textContent.trim(),
}));

await runChecks(async () => {
  const { page: english } = await openPage();
  const en = await words(english);
  check(en.lang === "en" && en.title === "Kelvane Lens Demo" && en.legend === "Ingress" &&
        en.run === "Run", `the page is English by default (${JSON.stringify(en)})`);

  const { page: french, errors } = await openPage("?lang=fr");
  const fr = await words(french);
  check(fr.lang === "fr" && fr.title === "Kelvane – démonstration de lentille" &&
        fr.legend === "Entrée" && fr.run === "Lancer" && fr.lock === "Fixer la largeur du faisceau" &&
        fr.design.startsWith("La lentille de la forme"),
        `?lang=fr shows French words (${JSON.stringify(fr)})`);
  check(JSON.stringify(await readouts(french)) === JSON.stringify(await readouts(english)),
        "the French page shows the same numbers, with a decimal point");
  check(errors.length === 0, `no console error in French (${errors.join("; ")})`);
});
