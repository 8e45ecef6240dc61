// The page's figures, printed: gzipped size, navigation to first board, CPU while playing
// and while recording.
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
console.log(`size of the page, gzipped: ${(total / 1024).toFixed(1)} KB`);

const served = await serveFolder(site);
const browser = await launchChromium();
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
              `over ${runs} cold loads`);

  // Level 5 playing by itself (Skip four times, then Auto), as the window's figures have it;
  // once as it plays and once while it records.
  for (const [query, how] of [['', 'plays'], ['?record', 'plays and records']]) {
    const page = await openGame(browser, served.address + query);
    for (const level of [2, 3, 4, 5]) {
      await page.click('#menu button:nth-child(7)');
      await page.waitForFunction((text) => document.body.textContent.includes(text), {},
                                 `Level : ${level}`);
    }
    await page.click('#menu button:nth-child(8)');
    const session = await page.createCDPSession();
    await session.send('Performance.enable');
    const taskSeconds = async () => (await session.send('Performance.getMetrics')).metrics
        .find((m) => m.name === 'TaskDuration').value;
    const before = await taskSeconds();
    await new Promise((resolve) => setTimeout(resolve, playSeconds * 1000));
    const busy = (await taskSeconds()) - before;
    const atLarge = await page.$eval('#client .readout:nth-of-type(5)', (e) => e.textContent);
    console.log(`CPU while level 5 ${how} by itself: ${(100 * busy / playSeconds).toFixed(1)}% ` +
                `of one core on the page's main thread over ${playSeconds} s (${atLarge})`);
    await page.close();
  }
} finally {
  await browser.close();
  served.server.close();
}
