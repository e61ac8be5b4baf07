// Opens the interactive card in the system's Chromium, headless, with every
// network name unresolvable, and records what a reader would see:
//   node pagecheck.mjs PAGE.html OUTDIR
// writes OUTDIR/first.png (the first frames, motion reduced so the tree stays
// as the card shows it), OUTDIR/backdrop.png (the same without the 3D view),
// OUTDIR/dragged.png (after a drag across the tree), OUTDIR/phone.png (a
// 390 x 844 phone screen) and prints a JSON line with the console errors, the
// requests that left the page and the page's own state.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { chromium } = require("playwright-core");

const [pageFile, outDir] = process.argv.slice(2);
const url = pathToFileURL(resolve(pageFile)).href;
const args = ["--no-sandbox", "--disable-gpu", "--enable-unsafe-swiftshader", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
  "--host-resolver-rules=MAP * ~NOTFOUND"];
const result = { consoleErrors: [], requests: [], states: {} };

async function open(name, viewport, reducedMotion) {
  const profile = mkdtempSync(join(tmpdir(), "pinewick-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.PINEWICK_CHROMIUM || "/usr/bin/chromium",
    headless: true, args, viewport, reducedMotion, deviceScaleFactor: 1,
  });
  const page = context.pages()[0] ?? await context.newPage();
  page.on("console", (m) => { if (m.type() === "error") result.consoleErrors.push(`${name}: ${m.text()}`); });
  page.on("pageerror", (e) => result.consoleErrors.push(`${name}: ${e.message}`));
  page.on("request", (r) => {
    const u = r.url();
    if (u !== url && !u.startsWith("data:") && !u.startsWith("blob:")) result.requests.push(u);
  });
  const close = async () => { await context.close(); rmSync(profile, { recursive: true, force: true }); };
  opened.push(close);
  await page.goto(url);
  // Polled from a function the page runs (the page's policy forbids evaluating strings).
  await page.evaluate(() => new Promise((done, fail) => {
    const giveUp = Date.now() + 60000;
    (function wait() {
      const card = window.pinewickCard;
      if (card && (card.error || (card.ready && card.frames >= 3))) done();
      else if (Date.now() > giveUp) fail(new Error("the tree was not shown within a minute"));
      else setTimeout(wait, 50);
    })();
  }));
  return { page, close };
}
const opened = [];

const state = (page) => page.evaluate(() => ({ ...window.pinewickCard }));
const framesLater = (page, n) => page.evaluate((n) => new Promise((done) => {
  const until = window.pinewickCard.frames + n;
  (function wait() { window.pinewickCard.frames >= until ? done() : requestAnimationFrame(wait); })();
}), n);

try {
  const card = await open("card", { width: 640, height: 422 }, "reduce");
  result.states.first = await state(card.page);
  await card.page.screenshot({ path: join(outDir, "first.png") });
  await card.page.evaluate(() => { document.getElementById("tree").style.visibility = "hidden"; });
  await card.page.screenshot({ path: join(outDir, "backdrop.png") });
  await card.page.evaluate(() => { document.getElementById("tree").style.visibility = ""; });
  // A drag from left of the tree's middle to the right, as a finger or mouse does.
  const box = await card.page.locator("#tree").boundingBox();
  const y = box.y + box.height * 0.6;
  await card.page.mouse.move(box.x + box.width * 0.3, y);
  await card.page.mouse.down();
  await card.page.mouse.move(box.x + box.width * 0.6, y, { steps: 8 });
  await card.page.mouse.up();
  await framesLater(card.page, 3);
  result.states.dragged = await state(card.page);
  await card.page.screenshot({ path: join(outDir, "dragged.png") });
  await card.close();

  const phone = await open("phone", { width: 390, height: 844 }, "no-preference");
  await framesLater(phone.page, 10);
  result.states.phone = await state(phone.page);
  await phone.page.screenshot({ path: join(outDir, "phone.png") });
  await phone.close();
} catch (error) {
  result.failure = String(error && error.message || error);
} finally {
  for (const close of opened) await close().catch(() => {});
}
console.log(JSON.stringify(result));
