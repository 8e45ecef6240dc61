// Watching a recording in the page: F1 shows the keys; one made in the window plays, at 16 times
// its pace, to the very board it ended on and is judged exactly as recorded; taken over with T under ?record,
// the game plays on, and the file the page offers begins with the old recording's lines and
// passes stonewick-replay --check whole.
//   STONEWICK_SITE=build-web/site STONEWICK_REPLAY=build/replay/stonewick-replay \
//     node --test tests/web/watching.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { downloadedRecording, openedForTests, openGame } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');
const replayTool = process.env.STONEWICK_REPLAY || path.join(root, 'build/replay/stonewick-replay');
const recorded = path.join(root, 'tests/replay/check_recording_matches.script');
const NAME = 'watched.rec';
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A recording served beside the page, for ?play=NAME.
const web = openedForTests(site, () => copyFileSync(recorded, path.join(site, NAME)),
                           () => rmSync(path.join(site, NAME), { force: true }));

// The canvas's cells as tile numbers, told apart by the colour of each tile's pixels as the
// recording's own final state says they must be.
async function boardMatches(page, tiles) {
  return page.evaluate((tiles) => {
    const context = document.querySelector('#board').getContext('2d');
    const seen = new Map();
    for (let row = 0; row < 22; ++row) {
      for (let col = 0; col < 22; ++col) {
        const data = context.getImageData(col * 16, row * 16, 16, 16).data.join(',');
        // One picture per tile number, and one tile number per picture.
        const code = tiles[row][col];
        if (seen.has(code) ? seen.get(code) !== data : [...seen.values()].includes(data)) {
          return `cell (${col}, ${row}) does not show tile ${code}`;
        }
        seen.set(code, data);
      }
    }
    return '';
  }, tiles);
}

// The tiles of the state the recording ends with, by row.
function finalTiles(recording) {
  const lines = recording.split('\n').filter((line) => line.startsWith('#= ')).map(
      (line) => line.slice(3));
  const at = lines.indexOf('tiles');
  return lines.slice(at + 1, at + 23).map((line) => line.split(' ').map(Number));
}

test('a recording made in the window plays in the page to the board it ended on, and is ' +
     'judged exactly as recorded', async () => {
  const page = await openGame(web.browser, `${web.served.address}?play=${NAME}`);
  await page.waitForSelector('#playback:not([hidden])', { timeout: 5000 });
  // F1 asks the program, which has the page show what every key does.
  await page.keyboard.press('F1');
  await page.waitForFunction(() => [...document.querySelectorAll('.box .text')].some(
      (text) => text.textContent.includes('take the controls and play on from here')),
                             { timeout: 5000 });
  await page.keyboard.press('Enter');
  for (let i = 0; i < 4; ++i) {
    await page.keyboard.press('+');
  }
  await page.waitForFunction(() => [...document.querySelectorAll('.box .text')].some(
      (text) => text.textContent.startsWith('The game played back exactly as recorded')),
                             { timeout: 30000 });
  assert.match(await page.$eval('#playback .state', (e) => e.textContent),
               /^watched\.rec {3}\d\d:\d\d \/ \d\d:\d\d {3}16x {3}finished$/);
  assert.equal(await page.$eval('#main .title span', (e) => e.textContent), `Stonewick - ${NAME}`);
  // What only the timers drew shows within a frame time.
  const tiles = finalTiles(readFileSync(recorded, 'utf8'));
  let mismatch = '';
  for (let wait = 0; wait < 20 && (mismatch = await boardMatches(page, tiles)); ++wait) {
    await sleep(100);
  }
  assert.equal(mismatch, '');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('taken over with T under ?record, the game plays on and the page offers one recording ' +
     'that begins with the old one\'s lines and checks whole', async () => {
  const downloads = mkdtempSync(path.join(os.tmpdir(), 'stonewick-downloads-'));
  try {
    const page = await openGame(web.browser, `${web.served.address}?play=${NAME}&record`);
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.waitForSelector('#playback:not([hidden])', { timeout: 5000 });
    await sleep(1500);
    await page.keyboard.press('t');
    await page.waitForSelector('#playback[hidden]', { timeout: 5000 });
    assert.equal(await page.$eval('#main .title span', (e) => e.textContent), 'Stonewick');
    for (const key of ['ArrowLeft', 'ArrowUp', 'ArrowRight']) {
      await page.keyboard.press(key);
      await sleep(100);
    }
    await page.keyboard.down('Alt');
    await page.keyboard.press('e');
    await page.keyboard.up('Alt');
    await page.waitForSelector('#closed .download:not([hidden])', { timeout: 5000 });
    assert.deepEqual(page.errors, []);
    await page.close();

    const file = await downloadedRecording(downloads);
    assert.ok(file, 'the recording was downloaded');
    const continued = readFileSync(path.join(downloads, file), 'utf8').split('\n');
    const kept = Number(/^# Continued from watched\.rec at line (\d+)$/.exec(continued[1])[1]);
    assert.ok(kept > 2, `kept ${kept} lines`);
    assert.deepEqual(continued.slice(2, 2 + kept),
                     readFileSync(recorded, 'utf8').split('\n').slice(0, kept));
    assert.ok(continued.includes('key 37'), 'the live keys are recorded');
    execFileSync(replayTool, ['--check', path.join(downloads, file)], { stdio: 'pipe' });
  } finally {
    rmSync(downloads, { recursive: true, force: true });
  }
});

test('two recordings dropped on the page at once both open, the second after the first, and ' +
     'neither is refused; a long name is shortened, never where the recording stands',
     async () => {
  const second = `a game with a name much longer than the playback bar ${'x'.repeat(60)}.rec`;
  const page = await openGame(web.browser, web.served.address);
  await page.evaluate(async (name, second) => {
    const text = await (await fetch(name)).text();
    // The program busy for a while after the next key, as in a long step: both files come
    // in before it takes the first.
    const wait = Page.wait;
    let busy = true;
    Page.wait = (ms, wakeUp) => {
      if (busy) {
        busy = false;
        setTimeout(() => wait(ms, wakeUp), 500);
      } else {
        wait(ms, wakeUp);
      }
    };
    document.dispatchEvent(new KeyboardEvent('keydown', { key: 'ArrowLeft', code: 'ArrowLeft' }));
    for (const dropped of ['first.rec', second]) {
      const files = new DataTransfer();
      files.items.add(new File([text], dropped, { type: 'text/plain' }));
      document.dispatchEvent(new DragEvent('drop', { dataTransfer: files, bubbles: true,
                                                     cancelable: true }));
    }
  }, NAME, second);
  await page.waitForFunction((second) => document.querySelector('#main .title span')
    .textContent === `Stonewick - ${second}`, { timeout: 5000 }, second);
  await sleep(500);
  const bar = await page.$eval('#playback .state', (state) => ({
    end: state.getBoundingClientRect().right,
    where: state.querySelector('.where').getBoundingClientRect().toJSON() }));
  assert.ok(bar.where.width > 0 && bar.where.right <= bar.end, 'the position shows whole');
  // A refusal is a box of the page's that takes the keys; the recording's own take none.
  assert.deepEqual(await page.$$eval('.box[aria-modal="true"] .text', (texts) =>
    texts.map((text) => text.textContent)), []);
  assert.deepEqual(page.errors, []);
  await page.close();
});
