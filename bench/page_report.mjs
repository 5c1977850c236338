// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures in headless chromium, each from fresh profiles:
//  - the bytes a first visit fetches (the server's log, read once the page and its service
//    worker have what they keep), as sent (chromium asks for brotli only over https) and as a
//    client asking for brotli and gzip would get them (the smallest copy of each file fetched);
//  - navigation to the first painted frame, median of fresh profiles, and again at the next
//    start of the same profile (from the service worker's cache where the page has one), with
//    the medians of the start's steps the page marks;
//  - the whole browser's processor share (every process it started, from /proc) in the attract
//    mode, with the tab hidden, and for a blank page;
//  - how much of a phone's width (360×740, touch, pixel ratio 3) the machine fills.
// Usage: node page_report.mjs SECONDS URL LOG PAGE_DIR   (NODE_PATH names puppeteer-core's folder)
import {createRequire} from 'node:module';
import {mkdtempSync, readFileSync, readdirSync, existsSync, statSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const [seconds, url, log, folder] = process.argv.slice(2);
const ticksPerSecond = 100;
const starts = 5;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const DESKTOP = {width: 1280, height: 1024};
const PHONE = {width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true};

function launch(profile) {
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                           userDataDir: profile || mkdtempSync(join(tmpdir(), 'tresolo-report-')),
                           args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                                  '--window-size=1280,1024']});
}

// Processor ticks of a process and all its descendants, by chromium's process type (renderer,
// gpu-process, utility, ...; the browser process has none).
function treeTicks(root) {
  const parent = new Map(), ticks = new Map(), kind = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parent.set(+name, +fields[1]);
      ticks.set(+name, +fields[11] + +fields[12]);
      const type = /--type=(\S+)/.exec(readFileSync(`/proc/${name}/cmdline`, 'utf8'));
      kind.set(+name, type ? type[1] : 'browser');
    } catch (e) { /* gone meanwhile */ }
  }
  const sums = {all: 0};
  for (const [pid, t] of ticks) {
    for (let p = pid; p; p = parent.get(p)) {
      if (p !== root) continue;
      sums.all += t;
      sums[kind.get(pid)] = (sums[kind.get(pid)] || 0) + t;
      break;
    }
  }
  return sums;
}

// The whole browser's share of a core over the stretch, and each process type's.
async function cpuPercent(browser, stretch) {
  const pid = browser.process().pid;
  const before = treeTicks(pid);
  await sleep(stretch * 1000);
  const after = treeTicks(pid);
  const share = (k) => +(100 * (after[k] - (before[k] || 0)) / ticksPerSecond / stretch).toFixed(2);
  const parts = Object.keys(after).filter((k) => k !== 'all').map((k) => `${k} ${share(k)}`).join(', ');
  return {percent: share('all'), parts};
}

async function open(browser, viewport = DESKTOP) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(url, {waitUntil: 'load'});
  for (let i = 0; i < 1500 && !(await page.evaluate(() => document.body.dataset.painted)); ++i) await sleep(20);
  return page;
}

const paintedAt = (page) => page.evaluate(() => Number(document.body.dataset.painted));

// The start's steps the page marks (tresolo-script, -storage, -main, -painted) and
// the end of the program's code's download, in ms from the navigation.
const steps = (page) => page.evaluate(() => {
  const at = {};
  for (const m of performance.getEntriesByType('mark')) if (m.name.startsWith('tresolo-')) at[m.name.slice(8)] = m.startTime;
  const wasm = performance.getEntriesByType('resource').find((e) => e.name.split('?')[0].endsWith('/tresolo.wasm'));
  if (wasm) at.wasmFetched = wasm.responseEnd;
  return at;
});

// Until the page's service worker has taken it (its files are kept then); a page without one
// is given three seconds for whatever it fetches after its first paint.
async function settled(page) {
  const kept = await page.evaluate(() => new Promise((resolve) => {
    if (!navigator.serviceWorker) return resolve(false);
    const done = () => resolve(true);
    navigator.serviceWorker.getRegistration().then((r) => {
      if (!r) setTimeout(() => resolve(false), 3000);
    });
    navigator.serviceWorker.ready.then(() => {
      if (navigator.serviceWorker.controller) done();
      else navigator.serviceWorker.addEventListener('controllerchange', done);
    });
  }));
  if (!kept) await sleep(3000);
  return kept;
}

// The first visit's answers: bytes as sent, and with the smallest copy of each file.
function loggedBytes() {
  if (!existsSync(log)) return {sent: 0, smallest: 0};
  const lines = readFileSync(log, 'utf8').trim().split('\n').filter(Boolean).map((l) => l.split(' '));
  const size = (file) => (existsSync(file) ? statSync(file).size : Infinity);
  const smallest = (path) => {
    const file = join(folder, decodeURIComponent(path.split('?')[0]).replace(/\/$/, '/index.html'));
    return Math.min(size(file), size(file + '.gz'), size(file + '.br'));
  };
  return {sent: lines.reduce((sum, l) => sum + Number(l[2]), 0),
          smallest: lines.reduce((sum, l) => sum + smallest(l[0]), 0),
          files: lines.map((l) => l.join(' '))};
}

// A first visit and the next start, in one fresh profile.
async function visit(first) {
  const profile = mkdtempSync(join(tmpdir(), 'tresolo-report-'));
  let browser = await launch(profile);
  const page = await open(browser);
  const fresh = await paintedAt(page);
  const freshSteps = await steps(page);
  const keeps = await settled(page);
  const bytes = first ? loggedBytes() : null;
  await browser.close();
  browser = await launch(profile);
  const next = await open(browser);
  const again = await paintedAt(next);
  const againSteps = await steps(next);
  await browser.close();
  return {fresh, again, bytes, keeps, freshSteps, againSteps};
}

const median = (v) => v.slice().sort((a, b) => a - b)[v.length >> 1];
// Each step's median over the starts that marked it.
function stepMedians(all) {
  const names = [...new Set(all.flatMap((s) => Object.keys(s)))];
  const sorted = names.map((n) => [n, Math.round(median(all.filter((s) => n in s).map((s) => s[n])))]);
  return Object.fromEntries(sorted.sort((a, b) => a[1] - b[1]));
}
const visits = [];
for (let i = 0; i < starts; ++i) visits.push(await visit(i === 0));

// The browser's share with a blank page, in the attract mode, and with the tab hidden.
let browser = await launch();
await (await browser.newPage()).goto('about:blank');
await sleep(5000);
const blank = await cpuPercent(browser, Number(seconds));
await browser.close();

browser = await launch();
const page = await open(browser);
await sleep(15000);  // the attract mode begins while nobody plays
const attract = await cpuPercent(browser, Number(seconds));
// Another tab in front hides the page's.
const cover = await browser.newPage();
await cover.bringToFront();
await sleep(3000);
const hiddenState = await page.evaluate(() => document.visibilityState);
const hidden = await cpuPercent(browser, Number(seconds));
await browser.close();

browser = await launch();
const phone = await open(browser, PHONE);
const fill = await phone.evaluate(() => {
  const canvas = document.querySelector('canvas');
  const r = canvas.getBoundingClientRect();
  const inside = r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5;
  return {percentOfWidth: +(100 * r.width / innerWidth).toFixed(1), layoutWidth: innerWidth, inside,
          cssPixelsOnTheGlass: +(r.width * 360 / innerWidth).toFixed(0)};
});
await browser.close();

console.log(JSON.stringify({
  firstVisitBytes: visits[0].bytes,
  keptByServiceWorker: visits[0].keeps,
  firstPaintMs: visits.map((v) => Math.round(v.fresh)),
  firstPaintMedianMs: Math.round(median(visits.map((v) => v.fresh))),
  nextStartPaintMs: visits.map((v) => Math.round(v.again)),
  nextStartPaintMedianMs: Math.round(median(visits.map((v) => v.again))),
  firstVisitStepsMs: stepMedians(visits.map((v) => v.freshSteps)),
  nextStartStepsMs: stepMedians(visits.map((v) => v.againSteps)),
  attractPercentOfACore: attract,
  hiddenPercentOfACore: hidden,
  hiddenState,
  blankPercentOfACore: blank,
  phone: fill,
}));
