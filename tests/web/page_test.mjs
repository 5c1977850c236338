// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the page in headless chromium. On a desktop-sized window with the mouse: first paint,
// a name, a 5-euro deposit, a game, then a reload and a browser restart that must find the name
// and the cash box kept, a hidden page that rests, a start with the server stopped, a new
// version served that the next start takes, keeping the cash box, and the payout's end card.
// On a phone (360×740, touch, pixel ratio 3) and a landscape tablet the machine must fit the
// screen and play by taps. Screenshots go to OUT_DIR.
// Usage: node page_test.mjs PAGE_DIR OUT_DIR   (NODE_PATH names puppeteer-core's folder)
import {createRequire} from 'node:module';
import {spawn, execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const [folder, out] = process.argv.slice(2);
const web = join(dirname(fileURLToPath(import.meta.url)), '../../web');
const player = 'Jürgen';
// Places in the windows, as the desktop's end-to-end tests click them.
const MENU_BTN = [616, 608], START_BTN = [340, 607], AUTO_START = [520, 192], NOTE_5 = [619, 107];
const STATISTICS_BTN = [66, 398], PAYOUT_BTN = [636, 350];
const NAME_EDIT = [150, 146], NAME_OK = [156, 192];
const CREDIT = [290, 104, 80, 16], REELS = [30, 28, 760, 66], CLOCK = [370, 100, 90, 18];
const DESKTOP = {width: 1280, height: 1024};
const PHONE = {width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true};
const TABLET = {width: 1180, height: 820, deviceScaleFactor: 2, isMobile: true, hasTouch: true, isLandscape: true};
const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// What the pages said on their console, shown when a step fails.
const said = [];

function fail(message) {
  console.error('FAIL: ' + message);
  if (said.length) console.error('The pages said:\n  ' + said.slice(-12).join('\n  '));
  process.exit(1);
}

async function until(what, test, seconds = 20) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    // A page that is navigating has no context to ask: that counts as not yet.
    const value = await Promise.resolve().then(test).catch(() => null);
    if (value) return value;
    if (Date.now() > end) fail(what);
    await pause(100);
  }
}

// ---- the server, on one port across its restarts so that the page keeps its origin ----

let server = null, port = 0;

async function serve() {
  server = spawn('python3', [join(web, 'serve.py'), folder, String(port)], {stdio: ['ignore', 'pipe', 'inherit']});
  const address = await new Promise((resolve) => server.stdout.once('data', (d) => resolve(String(d).trim())));
  port = Number(new URL(address).port);
  return address;
}

async function stopServing() {
  const gone = new Promise((r) => server.once('exit', r));
  server.kill();
  await gone;
  server = null;
}

process.on('exit', () => { if (server) server.kill(); });

// ---- the browser ----

async function launch(profile) {
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
                           args: ['--no-sandbox', '--disable-gpu', '--autoplay-policy=no-user-gesture-required',
                                  '--window-size=1280,1024']});
}

async function open(browser, url, viewport = DESKTOP) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(String(e)));
  page.on('console', (m) => {
    if (m.type() === 'error') page.errors.push(m.text());
    if (m.type() === 'error' || m.type() === 'warn') said.push(m.text());
  });
  await page.goto(url, {waitUntil: 'load'});
  await painted(page);
  return page;
}

async function painted(page) {
  const at = await until('the page never painted', () => page.evaluate(() => document.body.dataset.painted), 30);
  if (page.errors.length) fail('page errors: ' + page.errors.join('; '));
  await definePixels(page);
  return Number(at);
}

// The visible window of that title: its canvas's box on the page.
async function windowAt(page, title) {
  return until(`no window "${title}"`, () => page.evaluate((t) => {
    for (const w of TresoloPage.windows.values()) {
      if (w.frame.dataset.title !== t || w.frame.style.display === 'none') continue;
      const r = w.canvas.getBoundingClientRect();
      return {x: r.left, y: r.top, width: r.width, height: r.height, scale: r.width / w.width};
    }
    return null;
  }, title));
}

async function gone(page, title) {
  await until(`window "${title}" stays`, () => page.evaluate((t) =>
    ![...TresoloPage.windows.values()].some((w) => w.frame.dataset.title === t && w.frame.style.display !== 'none'),
  title));
}

// A click with the mouse, or a tap on a touch screen, at a place in the window's own pixels.
async function press(page, title, [x, y]) {
  const w = await windowAt(page, title);
  const at = [w.x + (x + 0.5) * w.scale, w.y + (y + 0.5) * w.scale];
  if (page.viewport().hasTouch) await page.touchscreen.tap(...at);
  else await page.mouse.click(...at);
  await pause(300);
}

// Every visible window, caption and frame included, lies inside the viewport.
async function allInside(page, name) {
  const outside = await page.evaluate(() => [...TresoloPage.windows.values()]
    .filter((w) => w.frame.style.display !== 'none')
    .map((w) => [w.frame.dataset.title, w.frame.getBoundingClientRect()])
    .filter(([, r]) => r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5)
    .map(([title]) => title));
  if (outside.length) fail(`${name}: outside the viewport: ${outside.join(', ')}`);
}

// The × in a window's caption, clicked or tapped.
async function closeWindow(page, title) {
  const at = await page.evaluate((t) => {
    const w = [...TresoloPage.windows.values()].find((v) => v.frame.dataset.title === t);
    const r = w.frame.querySelector('.close').getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, title);
  if (page.viewport().hasTouch) await page.touchscreen.tap(...at);
  else await page.mouse.click(...at);
  await gone(page, title);
}

// The main window's pixels as the program drew them: its canvas holds each one `multiple` times
// in both directions. Defined in the page as tresoloPixels(x, y, w, h) -> a canvas of w×h.
async function definePixels(page) {
  await page.evaluate(() => {
    window.tresoloPixels = (x, y, w, h) => {
      const win = [...TresoloPage.windows.values()].find((v) => v.frame.dataset.title === 'Form1');
      const k = win.multiple;
      const out = document.createElement('canvas');
      out.width = w;
      out.height = h;
      const context = out.getContext('2d');
      context.imageSmoothingEnabled = false;
      context.drawImage(win.canvas, x * k, y * k, w * k, h * k, 0, 0, w, h);
      return out;
    };
  });
}

// A sum over a region of the main window's pixels, to see it change.
async function regionSum(page, [x, y, w, h]) {
  return page.evaluate((x, y, w, h) => {
    const data = tresoloPixels(x, y, w, h).getContext('2d').getImageData(0, 0, w, h).data;
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
    const find = (dir, name) => {
      for (const entry of FS.readdir(dir).filter((e) => e !== '.' && e !== '..')) {
        const path = dir + '/' + entry;
        if (entry === name) return path;
        if (FS.isDir(FS.stat(path).mode)) {
          const found = find(path, name);
          if (found) return found;
        }
      }
      return '';
    };
    const history = find(TRESOLO_HOME, 'Tresolo-Statistik.sqlite');
    return {store: read(TRESOLO_HOME + '/.config/tresolo/registry.ini'),
            ini: read(TRESOLO_HOME + '/.config/tresolo/Tresolo.ini'),
            history: history ? FS.stat(history).size : 0};
  });
}

async function cashBoxAndName(page) {
  return until('the kept files did not come back', async () => {
    const files = await keptFiles(page);
    const ka = /^KA="(.*)"$/m.exec(files.store);
    return ka && files.ini.includes(player) ? {ka: ka[1], files} : null;
  }, 10);
}

// The typing field: whether it has the focus, and whether it asks for the on-screen keyboard.
async function typing(page) {
  return page.evaluate(() => ({focused: document.activeElement === TresoloPage.typing,
                               keyboard: TresoloPage.typing ? TresoloPage.typing.inputMode : ''}));
}

// Name, a 5-euro deposit and a game, as a player does it with the mouse or a finger. Returns
// the credit's pixels after the deposit.
async function play(page, name) {
  const credit0 = await regionSum(page, CREDIT);
  await press(page, 'Form1', MENU_BTN);
  await windowAt(page, 'Spielername-Eingabe');
  await press(page, 'Spielername-Eingabe', NAME_EDIT);
  const field = await typing(page);
  if (!field.focused || field.keyboard !== 'text') fail('the name field asks for no keyboard: ' + JSON.stringify(field));
  await page.keyboard.type(player, {delay: 40});
  await press(page, 'Spielername-Eingabe', NAME_OK);
  await gone(page, 'Spielername-Eingabe');
  await windowAt(page, 'Tresolo Version 2.5');
  if ((await typing(page)).keyboard !== 'none') fail('the keyboard stays open without a text field');
  await press(page, 'Tresolo Version 2.5', AUTO_START);
  // "Statistik" opens from the menu and closes again; the menu must stay above the machine.
  await press(page, 'Tresolo Version 2.5', STATISTICS_BTN);
  await windowAt(page, 'Statistik');
  await pause(500);
  await allInside(page, name);
  if (name) await page.screenshot({path: join(out, name + '-statistik.png')});
  await closeWindow(page, 'Statistik');
  await press(page, 'Tresolo Version 2.5', NOTE_5);
  await gone(page, 'Tresolo Version 2.5');
  await waitChange(page, CREDIT, credit0, 'the deposit never reached the credit');
  await page.evaluate(() => new Promise((r) => setTimeout(r, 3000)));
  const reels = await regionSum(page, REELS);
  const credit5 = await regionSum(page, CREDIT);
  await press(page, 'Form1', START_BTN);
  await waitChange(page, REELS, reels, 'the start button did not start a game', 5);
  await waitChange(page, CREDIT, credit5, 'the stake was not taken', 5);
}

// The machine must lie inside the viewport; `fills` says along which side it must fill 90 %.
async function fitsTheScreen(page, fills, name) {
  const w = await windowAt(page, 'Form1');
  const view = page.viewport();
  const inside = w.x >= -0.5 && w.y >= -0.5 && w.x + w.width <= view.width + 0.5 && w.y + w.height <= view.height + 0.5;
  if (!inside) fail(`${name}: the machine ${JSON.stringify(w)} leaves the viewport ${view.width}×${view.height}`);
  const share = fills === 'width' ? w.width / view.width : w.height / view.height;
  if (share < 0.9) fail(`${name}: the machine fills ${(100 * share).toFixed(0)} % of the ${fills}`);
  const crisp = await page.evaluate(() => {
    const w = [...TresoloPage.windows.values()].find((v) => v.frame.dataset.title === 'Form1');
    return w.canvas.width / w.width >= Math.min(4, Math.floor(TresoloPage.scale * devicePixelRatio));
  });
  if (!crisp) fail(`${name}: the canvas has fewer pixels than the screen shows`);
  await page.screenshot({path: join(out, name + '.png')});
  return +(100 * share).toFixed(1);
}

// A finger on the machine: it plays by taps, a long press opens no menu, and the page's own zoom
// is off.
async function playsByTouch(browser, url, viewport, fills, name) {
  const context = await browser.createBrowserContext();
  const page = await open(context, url, viewport);
  const share = await fitsTheScreen(page, fills, name);
  const refused = await page.evaluate(() => {
    const canvas = [...TresoloPage.windows.values()][0].canvas;
    return !canvas.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true}));
  });
  if (!refused) fail(`${name}: a long press opens the browser's menu`);
  const zoom = await page.evaluate(() => [document.querySelector('meta[name=viewport]').content,
                                          getComputedStyle(document.getElementById('stage')).touchAction]);
  if (!zoom[0].includes('width=device-width') || zoom[1] !== 'none') fail(`${name}: the page zooms: ${zoom}`);
  await play(page, name);
  await page.screenshot({path: join(out, name + '-played.png')});
  await context.close();
  return share;
}

// A deposit and the payout, which ends the program: its debt log is offered as a download and
// said in a note, and the page shows a card with a new start.
async function paysOut(page) {
  await press(page, 'Form1', MENU_BTN);
  await windowAt(page, 'Spielername-Eingabe');
  await page.keyboard.type(player, {delay: 40});
  await page.keyboard.press('Enter');
  // Manual play (each start begins with automatic start ticked), so no game hides the payout.
  await press(page, 'Tresolo Version 2.5', AUTO_START);
  const credit = await regionSum(page, CREDIT);
  await press(page, 'Tresolo Version 2.5', NOTE_5);
  await gone(page, 'Tresolo Version 2.5');
  await waitChange(page, CREDIT, credit, 'the deposit before the payout never reached the credit');
  await press(page, 'Form1', MENU_BTN);
  await press(page, 'Tresolo Version 2.5', PAYOUT_BTN);
  await pause(2000);
  await page.screenshot({path: join(out, 'payout.png')});
  await windowAt(page, 'Information');
  await page.keyboard.press('Enter');
  await until('the program never ended', () => page.evaluate(() => document.body.dataset.ended === '1'), 90);
  const shown = await page.evaluate(() => ({
    card: !document.getElementById('ended').hidden && document.getElementById('restart').textContent,
    notes: document.getElementById('notes').textContent,
  }));
  if (shown.card !== 'Neu starten') fail('no card with a new start: ' + JSON.stringify(shown));
  if (!/Schulden-Protokoll .* wurde als Download gespeichert/.test(shown.notes)) fail('the debt log went unsaid: ' + shown.notes);
  await page.screenshot({path: join(out, 'ended.png')});
}

// Behind another tab the page does no work: the program is not woken. Seen again, it goes on
// with its clock.
async function restsWhileHidden(browser, page) {
  await page.evaluate(() => {
    window.tresoloWaits = 0;
    const wait = TresoloPage.wait.bind(TresoloPage);
    TresoloPage.wait = (ms) => { ++window.tresoloWaits; return wait(ms); };
  });
  const cover = await browser.newPage();
  await cover.bringToFront();
  await pause(500);
  const [state, waits] = await page.evaluate(() => [document.visibilityState, window.tresoloWaits]);
  await pause(3000);
  const more = (await page.evaluate(() => window.tresoloWaits)) - waits;
  if (state !== 'hidden' || more > 1) fail(`hidden (${state}), the program still waited ${more} times in 3 s`);
  const clock = await regionSum(page, CLOCK);
  await page.bringToFront();
  await waitChange(page, CLOCK, clock, 'the clock stood still after the page was seen again', 5);
  await cover.close();
}

// ---- the runs ----

const profile = mkdtempSync(join(tmpdir(), 'tresolo-chromium-'));
const url = await serve();
let browser = await launch(profile);
let page = await open(browser, url);
const firstPaintMs = await painted(page);
if (!(await page.evaluate(() => TresoloPage.idbfsParts())))
  fail("emscripten's IDBFS no longer has the parts the page's way out uses");
await page.evaluate(() => new Promise((r) => setTimeout(r, 1500)));
const shot = await page.evaluate(() => tresoloPixels(0, 0, 820, 649).toDataURL('image/png'));
writeFileSync(join(out, 'page.png'), Buffer.from(shot.split(',')[1], 'base64'));
const desktopShare = await fitsTheScreen(page, 'height', 'desktop');
await play(page, 'desktop');
await page.reload({waitUntil: 'load'});
const afterReload = await cashBoxAndName(page);
if (afterReload.ka === '0 00') fail('the cash box was not kept: ' + afterReload.files.store);
await browser.close();

browser = await launch(profile);
page = await open(browser, url);
const afterRestart = await cashBoxAndName(page);
if (afterRestart.ka !== afterReload.ka) fail(`cash box ${afterRestart.ka} after a restart, ${afterReload.ka} before`);
await restsWhileHidden(browser, page);

// Offline: the service worker keeps the page; with the server gone it starts and plays.
await until('no service worker took the page', () => page.evaluate(() =>
  navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)));
await stopServing();
await page.reload({waitUntil: 'load'});
await painted(page);
const offline = await page.evaluate(() => FS.analyzePath(TRESOLO_DATA + '/Tresolo-Hilfe.pdf').exists);
if (!offline) fail('offline the page does not find its help');
await play(page);

// A new version: found at a start, it waits while that page plays, and the next start takes it.
await page.reload({waitUntil: 'load'});
const kept = await cashBoxAndName(page);
const index = readFileSync(join(folder, 'index.html'), 'utf8');
writeFileSync(join(folder, 'index.html'), index.replace('</body>', '<script>window.tresoloMark = 2;</script>\n</body>'));
execFileSync('python3', [join(web, 'seal_page.py'), folder]);
await serve();
await page.reload({waitUntil: 'load'});
await painted(page);
await until('the new version was never found', () => page.evaluate(() =>
  navigator.serviceWorker.getRegistration().then((r) => !!(r && r.waiting))), 60);
await page.evaluate(() => { window.stillTheSamePage = true; });
await pause(1500);
if (!(await page.evaluate(() => window.stillTheSamePage && !window.tresoloMark)))
  fail('the new version replaced a running page');
await page.reload({waitUntil: 'load'});
await until('the next start did not take the new version', () => page.evaluate(() => window.tresoloMark === 2), 30);
await painted(page);
const updated = await cashBoxAndName(page);
if (updated.ka !== kept.ka) fail(`cash box ${updated.ka} after the update, ${kept.ka} before`);
if (!kept.files.history || updated.files.history < kept.files.history)
  fail(`the play history: ${updated.files.history} bytes after the update, ${kept.files.history} before`);

await paysOut(page);

// Without IndexedDB (a private window) the page says so and plays on.
const privatePage = await browser.newPage();
await privatePage.evaluateOnNewDocument(() => Object.defineProperty(window, 'indexedDB', {value: undefined}));
await privatePage.goto(url, {waitUntil: 'load'});
await until('no first paint without IndexedDB', () => privatePage.evaluate(() => document.body.dataset.painted));
const notice = await privatePage.evaluate(() => document.getElementById('notes').textContent);
if (!notice.includes('Spielername und Kasse nicht')) fail('no notice without IndexedDB: ' + JSON.stringify(notice));

const phoneShare = await playsByTouch(browser, url, PHONE, 'width', 'phone');
const tabletShare = await playsByTouch(browser, url, TABLET, 'height', 'tablet');

// A new version the browser keeps waiting (its worker never takes over): the next start plays
// the version it has after a while instead of staying empty.
writeFileSync(join(folder, 'index.html'), readFileSync(join(folder, 'index.html'), 'utf8').replace('tresoloMark = 2', 'tresoloMark = 3'));
execFileSync('python3', [join(web, 'seal_page.py'), folder]);
const worker = join(folder, 'sw.js');
writeFileSync(worker, readFileSync(worker, 'utf8').replace('self.skipWaiting()', 'void 0'));
for (const copy of ['sw.js.br', 'sw.js.gz']) rmSync(join(folder, copy), {force: true});
const held = await open(browser, url);
await until('the version that stays waiting was never found', () => held.evaluate(() =>
  navigator.serviceWorker.getRegistration().then((r) => !!(r && r.waiting))), 60);
await held.reload({waitUntil: 'load'});
await until('a version that does not take over left the page empty', () => held.evaluate(() => document.body.dataset.painted), 40);
if ((await held.evaluate(() => window.tresoloMark)) !== 2) fail('the start did not play the version it had');
await browser.close();
console.log(JSON.stringify({firstPaintMs: Math.round(firstPaintMs), cashBox: afterRestart.ka, desktopShare,
                            phoneShare, tabletShare}));
await stopServing();
process.exit(0);
