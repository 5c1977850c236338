// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless chromium: time from navigation to the first painted frame (median of
// fresh loads), then the processor share of the whole browser (every process it started)
// over a stretch of the attract mode, read from /proc as the desktop's figures are.
// Usage: node page_report.mjs URL SECONDS   (NODE_PATH names puppeteer-core's folder)
import {createRequire} from 'node:module';
import {readFileSync, readdirSync} from 'node:fs';

const require = createRequire(import.meta.url);
const puppeteer = require('puppeteer-core');
const [url, seconds = '60'] = process.argv.slice(2);
const ticksPerSecond = 100;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function launch() {
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                           args: ['--no-sandbox', '--window-size=1280,1024']});
}

// Processor ticks of a process and all its descendants.
function treeTicks(root) {
  const parent = new Map(), ticks = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parent.set(+name, +fields[1]);
      ticks.set(+name, +fields[11] + +fields[12]);
    } catch (e) { /* gone meanwhile */ }
  }
  let sum = 0;
  for (const [pid, t] of ticks) {
    for (let p = pid; p; p = parent.get(p)) if (p === root) { sum += t; break; }
  }
  return sum;
}

async function firstPaint() {
  const browser = await launch();
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 1024});
  const start = Date.now();
  await page.goto(url, {waitUntil: 'load'});
  for (let i = 0; i < 300 && !(await page.evaluate(() => document.body.dataset.painted)); ++i) await sleep(20);
  const painted = await page.evaluate(() => Number(document.body.dataset.painted));
  await browser.close();
  return {navigationToPaintMs: painted, wallMs: Date.now() - start};
}

const paints = [];
for (let i = 0; i < 5; ++i) paints.push(await firstPaint());
const median = (v) => v.slice().sort((a, b) => a - b)[v.length >> 1];

const browser = await launch();
const page = await browser.newPage();
await page.setViewport({width: 1280, height: 1024});
await page.goto(url, {waitUntil: 'load'});
await sleep(15000);  // the attract mode begins while nobody plays
const pid = browser.process().pid;
const before = treeTicks(pid);
await sleep(Number(seconds) * 1000);
const used = treeTicks(pid) - before;
await browser.close();
console.log(JSON.stringify({
  firstPaintMs: paints.map((p) => Math.round(p.navigationToPaintMs)),
  firstPaintMedianMs: Math.round(median(paints.map((p) => p.navigationToPaintMs))),
  attractPercentOfACore: +(100 * used / ticksPerSecond / Number(seconds)).toFixed(2),
}));
