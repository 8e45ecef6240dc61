// The page's figures, printed: gzipped size, navigation to first board, and the CPU that the
// browser's renderer and GPU processes take while level 1 and level 5 play by themselves
// (level 5 also while recording).
//   node bench/web/figures.mjs SITE_FOLDER    (RUNS and PLAY_SECONDS from the environment)
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

import { launchChromium, openGame, serveFolder } from '../../tests/web/browser.mjs';

const site = process.argv[2] || 'build-web/site';
const runs = Number(process.env.RUNS || 9);
const playSeconds = Number(process.env.PLAY_SECONDS || 30);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

let total = 0;
for (const name of readdirSync(site).sort()) {
  const bytes = readFileSync(path.join(site, name));
  const gzipped = gzipSync(bytes, { level: 9 }).length;
  total += gzipped;
  console.log(`size ${name}: ${bytes.length} bytes, ${gzipped} gzipped`);
}
console.log(`size of the page, gzipped: ${(total / 1024).toFixed(1)} KB (target under 80 KB)`);

const served = await serveFolder(site);
const browser = await launchChromium();
// Seconds of CPU each process has taken so far, by id, with its kind.
const processes = await browser.target().createCDPSession();
async function cpuSeconds() {
  const { processInfo } = await processes.send('SystemInfo.getProcessInfo');
  return new Map(processInfo.map((p) => [p.id, p]));
}
// The share of one core that each kind took between two readings: only processes alive at
// both count, so that a closed tab's renderer leaving in between takes nothing away.
function percent(before, after, type, seconds) {
  let busy = 0;
  for (const [id, p] of after) {
    if (p.type === type && before.has(id)) {
      busy += p.cpuTime - before.get(id).cpuTime;
    }
  }
  return 100 * busy / seconds;
}
async function runCommand(page, caption) {
  await page.$$eval('#menu button', (buttons, caption) =>
    buttons.find((b) => b.textContent === caption).click(), caption);
}

try {
  // Each load in a fresh context: nothing cached, the .wasm compiled anew.
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.createBrowserContext();
    const page = await openGame(context, served.address);
    times.push(await page.evaluate(
        () => performance.getEntriesByName('stonewick-first-board')[0].startTime));
    await context.close();
  }
  console.log(`navigation to first board: median ${median(times).toFixed(1)} ms, ` +
              `${Math.min(...times).toFixed(1)} to ${Math.max(...times).toFixed(1)} ms ` +
              `over ${runs} cold loads (target under 150 ms)`);

  // A level playing by itself (Skip to it, then Auto), as the window's figures have it.
  const plays = [[1, '', 'plays', 0.5], [5, '', 'plays', 1.5], [5, '?record', 'plays and records']];
  for (const [level, query, how, target] of plays) {
    const page = await openGame(browser, served.address + query);
    for (let next = 2; next <= level; ++next) {
      await runCommand(page, 'Skip');
      await page.waitForFunction((text) => document.body.textContent.includes(text), {},
                                 `Level : ${next}`);
    }
    await runCommand(page, 'Auto');
    const before = await cpuSeconds();
    await new Promise((resolve) => setTimeout(resolve, playSeconds * 1000));
    const after = await cpuSeconds();
    const renderer = percent(before, after, 'renderer', playSeconds);
    const gpu = percent(before, after, 'GPU', playSeconds);
    const atLarge = await page.$eval('#client .readout:nth-of-type(5)', (e) => e.textContent);
    const goal = target === undefined ? '' : `, target at most ${target}%`;
    console.log(`CPU while level ${level} ${how} by itself over ${playSeconds} s: renderer ` +
                `${renderer.toFixed(2)}% + GPU process ${gpu.toFixed(2)}% = ` +
                `${(renderer + gpu).toFixed(2)}% of one core (${atLarge}${goal})`);
    await page.close();
  }
} finally {
  await browser.close();
  served.server.close();
}
