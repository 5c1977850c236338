// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the page in headless chromium: first paint, a name, a 5-euro deposit, a game, then a
// reload and a browser restart that must find the name and the cash box kept.
// Usage: node page_test.mjs URL OUT_DIR   (NODE_PATH names puppeteer-core's folder)
import {createRequire} from 'node:module';
import {mkdtempSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const [url, out] = process.argv.slice(2);
const profile = mkdtempSync(join(tmpdir(), 'tresolo-chromium-'));
const player = 'Jürgen';
// Places in the windows, as the desktop's end-to-end tests click them.
const MENU_BTN = [616, 608], AUTO_START = [520, 192], NOTE_5 = [619, 107];
const CREDIT = [290, 104, 80, 16], REELS = [30, 28, 760, 66];

function fail(message) {
  console.error('FAIL: ' + message);
  process.exit(1);
}

async function until(what, test, seconds = 20) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > end) fail(what);
    await new Promise((r) => setTimeout(r, 100));
  }
}

async function launch() {
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
                           args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required',
                                  '--window-size=1280,1024']});
}

// The visible window of that title: its canvas's place on the page.
async function windowAt(page, title) {
  return until(`no window "${title}"`, () => page.evaluate((t) => {
    for (const f of document.querySelectorAll('.window')) {
      if (f.dataset.title !== t || f.style.display === 'none') continue;
      const r = f.querySelector('canvas').getBoundingClientRect();
      return {x: r.left, y: r.top};
    }
    return null;
  }, title));
}

async function gone(page, title) {
  await until(`window "${title}" stays`, () => page.evaluate((t) =>
    ![...document.querySelectorAll('.window')].some((f) => f.dataset.title === t && f.style.display !== 'none'),
  title));
}

async function clickIn(page, title, [x, y]) {
  const w = await windowAt(page, title);
  await page.mouse.click(w.x + x, w.y + y);
  await new Promise((r) => setTimeout(r, 300));
}

// A sum over a region of the main window's canvas, to see it change.
async function regionSum(page, [x, y, w, h]) {
  return page.evaluate((x, y, w, h) => {
    const canvas = [...document.querySelectorAll('.window')].find((f) => f.dataset.title === 'Form1')
      .querySelector('canvas');
    const data = canvas.getContext('2d').getImageData(x, y, w, h).data;
    let sum = 0;
    for (let i = 0; i < data.length; i += 4) sum = (sum * 31 + data[i] + 7 * data[i + 1] + 13 * data[i + 2]) % 1e9;
    return sum;
  }, x, y, w, h);
}

async function waitChange(page, region, before, what, seconds = 10) {
  await until(what, async () => (await regionSum(page, region)) !== before, seconds);
}

// The files the program keeps, read from the page's file system.
async function keptFiles(page) {
  return page.evaluate(() => {
    const read = (p) => { try { return FS.readFile(p, {encoding: 'utf8'}); } catch (e) { return ''; } };
    return {store: read(TRESOLO_HOME + '/.config/tresolo/registry.ini'),
            ini: read(TRESOLO_HOME + '/.config/tresolo/Tresolo.ini')};
  });
}

async function open(browser) {
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 1024});
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  await page.goto(url, {waitUntil: 'load'});
  const painted = await until('the page never painted', () => page.evaluate(() => document.body.dataset.painted),
                              30);
  if (errors.length) fail('page errors: ' + errors.join('; '));
  return {page, firstPaintMs: Number(painted)};
}

async function cashBoxAndName(page) {
  return until('the kept files did not come back', async () => {
    const files = await keptFiles(page);
    const ka = /^KA="(.*)"$/m.exec(files.store);
    return ka && files.ini.includes(player) ? {ka: ka[1], files} : null;
  }, 10);
}

let browser = await launch();
let {page, firstPaintMs} = await open(browser);
await windowAt(page, 'Form1');
await page.evaluate(() => new Promise((r) => setTimeout(r, 1500)));
const shot = await page.evaluate(() =>
  [...document.querySelectorAll('.window')].find((f) => f.dataset.title === 'Form1')
    .querySelector('canvas').toDataURL('image/png'));
writeFileSync(join(out, 'page.png'), Buffer.from(shot.split(',')[1], 'base64'));

const credit0 = await regionSum(page, CREDIT);
await clickIn(page, 'Form1', MENU_BTN);
await windowAt(page, 'Spielername-Eingabe');
await page.keyboard.type(player, {delay: 40});
await page.keyboard.press('Enter');
await gone(page, 'Spielername-Eingabe');
await windowAt(page, 'Tresolo Version 2.5');
await clickIn(page, 'Tresolo Version 2.5', AUTO_START);
await clickIn(page, 'Tresolo Version 2.5', NOTE_5);
await gone(page, 'Tresolo Version 2.5');
await waitChange(page, CREDIT, credit0, 'the deposit never reached the credit');
await page.evaluate(() => new Promise((r) => setTimeout(r, 3000)));
const reels = await regionSum(page, REELS);
const credit5 = await regionSum(page, CREDIT);
await page.keyboard.press('Enter');
await waitChange(page, REELS, reels, 'Enter did not start a game', 5);
await waitChange(page, CREDIT, credit5, 'the stake was not taken', 5);

await page.reload({waitUntil: 'load'});
const afterReload = await cashBoxAndName(page);
if (afterReload.ka === '0 00') fail('the cash box was not kept: ' + afterReload.files.store);
await browser.close();

browser = await launch();
({page} = await open(browser));
const afterRestart = await cashBoxAndName(page);
if (afterRestart.ka !== afterReload.ka) fail(`cash box ${afterRestart.ka} after a restart, ${afterReload.ka} before`);
// Without IndexedDB (a private window) the page says so and plays on.
const privatePage = await browser.newPage();
await privatePage.evaluateOnNewDocument(() => Object.defineProperty(window, 'indexedDB', {value: undefined}));
await privatePage.goto(url, {waitUntil: 'load'});
await until('no first paint without IndexedDB', () => privatePage.evaluate(() => document.body.dataset.painted));
const notice = await privatePage.evaluate(() => {
  const n = document.getElementById('notice');
  return n.hidden ? '' : n.textContent;
});
if (!notice.includes('Spielername und Kasse nicht')) fail('no notice without IndexedDB: ' + JSON.stringify(notice));
await browser.close();
console.log(JSON.stringify({firstPaintMs: Math.round(firstPaintMs), cashBox: afterRestart.ka}));
