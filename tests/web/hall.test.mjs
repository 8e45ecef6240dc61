// The page served by the hall, end to end: a game recorded with ?record is offered to the hall
// when it closes and sent under a name; the hall lists it, and its "Watch" plays the recording
// in the game's page to the verdict that it played back exactly as recorded. A game of ?daily
// is played on the day's board and taken as that day's, and waits for the day's seed. A live
// game is watched on a second page as it arrives.
//   STONEWICK_SITE=build-web/site STONEWICK_HALL=build/hall/stonewick-hall \
//     node --test tests/web/hall.test.mjs
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, rmSync } from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { launchChromium, openGame } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');
const hallProgram = process.env.STONEWICK_HALL || path.join(root, 'build/hall/stonewick-hall');
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A port that was free a moment ago, for the hall to listen on.
async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// The hall on a database and a site of its own (the page, and the hall's page under hall/),
// and a browser, from before the test to after it.
const hall = {};
before(async () => {
  hall.folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-hall-page-'));
  const served = path.join(hall.folder, 'site');
  cpSync(site, served, { recursive: true });
  cpSync(path.join(root, 'web/hall'), path.join(served, 'hall'), { recursive: true });
  const port = await freePort();
  hall.address = `http://127.0.0.1:${port}/`;
  hall.server = spawn(hallProgram, ['--listen', `127.0.0.1:${port}`, '--db',
                                    path.join(hall.folder, 'hall.sqlite'), '--site', served],
                      { stdio: ['ignore', 'ignore', 'inherit'] });
  for (let wait = 0; wait < 100; ++wait) {
    const answer = await fetch(`${hall.address}api/daily`).catch(() => null);
    if (answer?.ok) {
      break;
    }
    await sleep(50);
  }
  hall.browser = await launchChromium();
});
after(async () => {
  await hall.browser?.close();
  hall.server?.kill();
  rmSync(hall.folder, { recursive: true, force: true });
});

// Sends the closed game of `page` under `name` (in place of a name the browser remembers), waits
// for the hall to take it, and closes the page.
async function sendToHall(page, name) {
  await page.waitForSelector('.hall-offer form', { timeout: 5000 });
  await page.$eval('.hall-offer input', (input) => { input.value = ''; });
  await page.type('.hall-offer input', name);
  await page.click('.hall-offer button');
  await page.waitForFunction(() => document.querySelector('.hall-offer p')?.textContent
      .startsWith('In the hall:'), { timeout: 10000 });
  assert.deepEqual(page.errors, []);
  await page.close();
}

test('a game recorded on the hall\'s page is sent under a name when it closes, listed in the ' +
     'hall, and its Watch plays it back exactly as recorded', async () => {
  const page = await openGame(hall.browser, `${hall.address}?record`);
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.down('Alt');
  await page.keyboard.press('e');
  await page.keyboard.up('Alt');

  await sendToHall(page, 'Anna');

  const listed = await (await fetch(`${hall.address}api/games?player=Anna`)).json();
  const games = listed.games ?? listed;
  assert.equal(games.length, 1);
  assert.equal(games[0].player, 'Anna');
  assert.equal(games[0].level, 1);

  const board = await hall.browser.newPage();
  await board.goto(`${hall.address}hall/`);
  await board.waitForSelector('#games tbody a', { timeout: 5000 });
  assert.equal(await board.$eval('#games tbody .name', (e) => e.textContent), 'Anna');
  const watch = await board.$eval('#games tbody a', (e) => e.href);
  assert.equal(watch, `${hall.address}?play=${encodeURIComponent(`/api/games/${games[0].id}/recording`)}`);
  await board.close();

  const watching = await openGame(hall.browser, watch);
  await watching.waitForFunction(() => [...document.querySelectorAll('.box .text')].some(
      (text) => text.textContent.startsWith('The game played back exactly as recorded')),
                                 { timeout: 30000 });
  assert.deepEqual(watching.errors, []);
  await watching.close();
});

test('a game of ?daily is played on the hall\'s board of the day and taken as that day\'s',
     async () => {
  const { day, seed } = await (await fetch(`${hall.address}api/daily`)).json();
  const page = await openGame(hall.browser, `${hall.address}?daily`);
  await page.keyboard.press('ArrowRight');
  // Skip lays level 2 out from a clock reading, which must be the day's seed.
  for (const key of ['k', 'e']) {
    await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    await page.keyboard.up('Alt');
  }
  await sendToHall(page, 'Bea');

  const { games } = await (await fetch(`${hall.address}api/games?daily=${day}`)).json();
  assert.deepEqual(games.map((game) => [game.player, game.daily]), [['Bea', day]]);
  const recording = await (await fetch(`${hall.address}api/games/${games[0].id}/recording`)).text();
  assert.match(recording, new RegExp(`\\breading ${seed}$`, 'm'));
});

// The board as the page drew it.
const boardPicture = (page) => page.$eval('#board', (canvas) => canvas.toDataURL());

test('a live game is watched on a second page as it arrives, and gets the hall\'s verdict at ' +
     'its end', async (t) => {
  const player = await openGame(hall.browser, `${hall.address}?record&live`, (page) =>
    page.evaluateOnNewDocument(() => localStorage.setItem('stonewick-hall-name', 'Cara')));
  // The spectator in a browser of its own: a second tab would hide the player's, which pauses.
  const elsewhere = await launchChromium();
  t.after(() => elsewhere.close());
  await player.keyboard.press('ArrowLeft');
  let game;
  for (let wait = 0; wait < 100 && !game; ++wait) {
    await sleep(50);
    [game] = (await (await fetch(`${hall.address}api/live`)).json()).live;
  }
  assert.equal(game?.player, 'Cara');
  // The name is the player's from the start: nobody else can send a game under it meanwhile.
  const meanwhile = await fetch(`${hall.address}api/games?player=Cara`,
                                { method: 'POST', headers: { 'Content-Type': 'text/plain' },
                                  body: 'manual\n' });
  assert.equal(meanwhile.status, 401);

  const spectator = await openGame(elsewhere, `${hall.address}?play=${
    encodeURIComponent(`/api/live/${game.id}/recording`)}`);
  await spectator.waitForFunction(() => document.querySelector('#playback .where')?.textContent
      .trim().endsWith('live'), { timeout: 10000 });
  // What the player does next reaches the spectator's board: each picture the player saw shows
  // there too, a moment later.
  const behindMs = [];
  for (const key of ['ArrowRight', 'ArrowUp', 'ArrowRight']) {
    await player.keyboard.press(key);
    await sleep(200);
    const seen = await boardPicture(player);
    const since = Date.now();
    await spectator.waitForFunction((picture) => document.querySelector('#board').toDataURL() ===
        picture, { timeout: 10000, polling: 'raf' }, seen);
    behindMs.push(Date.now() - since);
  }
  t.diagnostic(`the spectator's board showed the player's within ${behindMs.join(', ')} ms`);

  await player.keyboard.down('Alt');
  await player.keyboard.press('e');
  await player.keyboard.up('Alt');
  await player.waitForFunction(() => document.querySelector('.hall-offer p')?.textContent
      .startsWith('In the hall: Cara'), { timeout: 10000 });
  await spectator.waitForFunction(() => document.querySelector('.hall-verdict')?.textContent
      .startsWith('In the hall: Cara: level 1'), { timeout: 10000 });
  await spectator.waitForFunction(() => [...document.querySelectorAll('.box .text')].some(
      (text) => text.textContent.startsWith('The game played back exactly as recorded')),
                                  { timeout: 30000 });
  assert.equal(await spectator.$eval('#playback .where', (e) => e.textContent.trim().split(/\s+/)
      .pop()), 'finished');
  assert.deepEqual(player.errors, []);
  assert.deepEqual(spectator.errors, []);
  await player.close();
  await spectator.close();
});

test('a game of ?daily starts only once the day\'s seed has come, so a level cleared at once ' +
     'is still the day\'s', async () => {
  const { day } = await (await fetch(`${hall.address}api/daily`)).json();
  const page = await openGame(hall.browser, `${hall.address}?daily`, async (opened) => {
    // Every request seen here, none answered by the page's service worker.
    await opened.setBypassServiceWorker(true);
    await opened.setRequestInterception(true);
    opened.on('request', (request) => (request.url().endsWith('/api/daily')
      ? setTimeout(() => request.continue(), 1500) : request.continue()));
  });
  for (const key of ['k', 'e']) {
    await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    await page.keyboard.up('Alt');
  }
  await sendToHall(page, 'Dora');
  const { games } = await (await fetch(`${hall.address}api/games?daily=${day}&player=Dora`)).json();
  assert.equal(games.length, 1);
});

test('a game of ?daily says why it cannot start when the hall cannot be reached', async () => {
  const page = await hall.browser.newPage();
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url().endsWith('/api/daily')
    ? request.abort('connectionrefused') : request.continue()));
  await page.goto(`${hall.address}?daily`);
  await page.waitForSelector('#failure:not([hidden])', { timeout: 10000 });
  assert.match(await page.$eval('#failure p', (p) => p.textContent),
               /^Stonewick cannot play the board of the day: the hall that serves it could not/);
  await sleep(500);
  assert.equal(await page.evaluate(() => performance.getEntriesByName('stonewick-first-board')
      .length), 0);
  await page.close();
});
