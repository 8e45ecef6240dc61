// The page's figures, printed: gzipped size, navigation to first board, and the CPU that the
// browser's renderer and GPU processes take while level 1 and level 5 play by themselves, each
// beside the floor page (bench/web/floor/) doing only the unavoidable work of that level, in
// the same browser, the two taking turns; and level 5 while recording.
//   node bench/web/figures.mjs SITE_FOLDER FLOOR_FOLDER
// RUNS, PLAY_SECONDS and ROUNDS from the environment (ROUNDS=0: the sizes and the first board
// alone), and FLOORS, a JSON list of what cells_per_wakeup printed for each level.
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';

import { launchChromium, openGame, serveFolder } from '../../tests/web/browser.mjs';

const site = process.argv[2] || 'build-web/site';
const floorFolder = process.argv[3] || 'bench/web/floor';
const floors = JSON.parse(process.env.FLOORS || '[]');
const rounds = Number(process.env.ROUNDS || 3);
const runs = Number(process.env.RUNS || 9);
const playSeconds = Number(process.env.PLAY_SECONDS || 30);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const gzippedSize = {};
for (const name of readdirSync(site).sort()) {
  const bytes = readFileSync(path.join(site, name));
  gzippedSize[name] = gzipSync(bytes, { level: 9 }).length;
  console.log(`size ${name}: ${bytes.length} bytes, ${gzippedSize[name]} gzipped`);
}
const kilobytes = (names) =>
  (names.reduce((sum, name) => sum + gzippedSize[name], 0) / 1024).toFixed(1);
console.log(`size of the page, gzipped: ${kilobytes(Object.keys(gzippedSize))} KB ` +
            '(target under 80 KB)');

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
  // Each cold load in a fresh context: nothing cached, the .wasm compiled anew. Then the page
  // again in the same context, from the browser's caches and the service worker's.
  const firstBoard = (page) => page.evaluate(
      () => performance.getEntriesByName('stonewick-first-board')[0].startTime);
  // The site's files that the page fetched before its first board showed, in English.
  const fetchedFirst = (page) => page.evaluate(() => {
    const shown = performance.getEntriesByName('stonewick-first-board')[0].startTime;
    return performance.getEntriesByType('resource').filter((entry) => entry.startTime < shown)
      .map((entry) => new URL(entry.name).pathname.slice(1));
  });
  const floorServed = await serveFolder(floorFolder);
  // The same loads of the floor page, a bare canvas drawn once: what no page can beat in this
  // browser on this machine.
  const cold = [];
  const cached = [];
  const floorCold = [];
  const floorCached = [];
  for (let i = 0; i < runs; ++i) {
    const floorContext = await browser.createBrowserContext();
    for (const times of [floorCold, floorCached]) {
      const bare = await openGame(floorContext, floorServed.address);
      times.push(await firstBoard(bare));
      await bare.close();
    }
    await floorContext.close();
    const context = await browser.createBrowserContext();
    const page = await openGame(context, served.address);
    cold.push(await firstBoard(page));
    if (i === 0) {
      const first = ['index.html', ...(await fetchedFirst(page)).filter((name) => name in gzippedSize)];
      console.log(`size of what the first board needs, gzipped: ${kilobytes(first)} KB ` +
                  `(${first.join(', ')}; target under 60 KB)`);
    }
    await page.close();
    const again = await openGame(context, served.address);
    cached.push(await firstBoard(again));
    await context.close();
  }
  const spread = (times) => `median ${median(times).toFixed(1)} ms, ` +
      `${Math.min(...times).toFixed(1)} to ${Math.max(...times).toFixed(1)} ms`;
  console.log(`navigation to first board: ${spread(cold)} over ${runs} cold loads ` +
              '(target under 100 ms)');
  console.log(`navigation to first board from the cache: ${spread(cached)} over ${runs} loads ` +
              '(target under 50 ms)');
  console.log(`floor of the first board, a bare page drawing its canvas once: cold ` +
              `${spread(floorCold)}, from the cache ${spread(floorCached)}; the page ` +
              `${(median(cold) / median(floorCold)).toFixed(2)}x and ` +
              `${(median(cached) / median(floorCached)).toFixed(2)}x the floor`);

  // A level playing by itself (Skip to it, then Auto), as the window's figures have it; the
  // share of one core taken over PLAY_SECONDS, and the at-large read-out at the end.
  async function playing(level, query) {
    const page = await openGame(browser, served.address + query);
    for (let next = 2; next <= level; ++next) {
      await runCommand(page, 'Skip');
      await page.waitForFunction((text) => document.body.textContent.includes(text), {},
                                 `Level : ${next}`);
    }
    await runCommand(page, 'Auto');
    const taken = await cpuWhile(page);
    taken.atLarge = await page.$eval('#client .readout:nth-of-type(5)', (e) => e.textContent);
    await page.close();
    return taken;
  }
  async function cpuWhile(page) {
    const before = await cpuSeconds();
    await new Promise((resolve) => setTimeout(resolve, playSeconds * 1000));
    const after = await cpuSeconds();
    const renderer = percent(before, after, 'renderer', playSeconds);
    const gpu = percent(before, after, 'GPU', playSeconds);
    return { renderer, gpu, total: renderer + gpu };
  }
  const shown = (taken) => `renderer ${taken.renderer.toFixed(2)}% + GPU process ` +
                           `${taken.gpu.toFixed(2)}% = ${taken.total.toFixed(2)}% of one core`;

  try {
    for (const floor of rounds > 0 ? floors : []) {
      const badMs = Math.round(floor.minutes * 60000 / Math.max(1, floor.badWakeUps));
      const floorQuery = `?tick=${floor.tick}&slow=${floor.slow}&bad=${floor.bad}&badMs=${badMs}`;
      const game = [];
      const bare = [];
      for (let round = 0; round < rounds; ++round) {
        game.push(await playing(floor.level, ''));
        const page = await browser.newPage();
        await page.goto(floorServed.address + floorQuery);
        bare.push(await cpuWhile(page));
        await page.close();
      }
      const gameTotal = median(game.map((t) => t.total));
      const floorTotal = median(bare.map((t) => t.total));
      console.log(`floor at level ${floor.level} (cells per wake-up: main tick ` +
                  `${floor.tick.toFixed(2)}, slow ${floor.slow.toFixed(2)}, bad step ` +
                  `${floor.bad.toFixed(2)} every ${badMs} ms): ${shown(bare.at(-1))}; ` +
                  `median ${floorTotal.toFixed(2)}%`);
      console.log(`CPU while level ${floor.level} plays by itself over ${playSeconds} s: ` +
                  `${shown(game.at(-1))} (${game.at(-1).atLarge}); median ` +
                  `${gameTotal.toFixed(2)}%, ratio to the floor ` +
                  `${(gameTotal / floorTotal).toFixed(2)} (median of ${rounds} turns each; ` +
                  'target at most 1.3)');
    }
  } finally {
    floorServed.server.close();
  }
  if (rounds > 0) {
    const recording = await playing(5, '?record');
    console.log(`CPU while level 5 plays and records by itself over ${playSeconds} s: ` +
                `${shown(recording)} (${recording.atLarge})`);
  }
} finally {
  await browser.close();
  served.server.close();
}
