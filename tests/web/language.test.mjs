// The page in the player's language: ?lang=fr shows the French menu, whose Alt letters run
// its commands, with French read-outs, windows and boxes; the browser's languages choose
// when the address does not, English stands in for any other; and in every language the menu
// stays one row and the read-outs apart.
//   STONEWICK_SITE=build-web/site node --test tests/web/language.test.mjs
import assert from 'node:assert/strict';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { openedForTests, openGame } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');
const NBSP = '\u00a0';

// A recording whose first checkpoint is wrong, served beside the page for ?play=.
const DIFFERS = 'differs.rec';
const web = openedForTests(site, () => writeFileSync(path.join(site, DIFFERS),
    readFileSync(path.join(root, 'tests/replay/check_recording_matches.script'), 'utf8')
        .replace(/^#~ [0-9a-f]{8}$/m, '#~ 00000000')),
                           () => rmSync(path.join(site, DIFFERS), { force: true }));

const menu = (page) => page.$$eval('#menu button:not([hidden])', (buttons) =>
  buttons.map((b) => [b.textContent, b.querySelector('u').textContent]));
const readout = (page, n) =>
  page.$eval(`#client .readout:nth-of-type(${n})`, (e) => e.textContent);
async function altKey(page, key) {
  await page.keyboard.down('Alt');
  await page.keyboard.press(key);
  await page.keyboard.up('Alt');
}

test('?lang=fr shows the French menu, read-outs, windows and boxes', async () => {
  const page = await openGame(web.browser, `${web.served.address}?lang=fr`);
  assert.deepEqual(await menu(page), [
    ['Quitter', 'Q'], ['Instructions', 'I'], ['Jouer', 'J'], ['Pause', 'P'],
    ['Mélanger', 'M'], ['Sauter', 'S'], ['Auto', 'A'], ['À propos', 'o'],
  ]);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'fr');
  assert.equal(await readout(page, 1), `Pouvoirs${NBSP}: 1`);
  assert.equal(await readout(page, 3), `Niveau${NBSP}: 1`);

  // Alt+S is Sauter (Skip): four levels on, and a fifth time past the last one.
  for (let level = 2; level <= 5; ++level) {
    await altKey(page, 'KeyS');
    await page.waitForFunction((text) =>
      document.querySelector('#client .readout:nth-of-type(3)').textContent === text,
    { timeout: 5000 }, `Niveau${NBSP}: ${level}`);
  }
  await altKey(page, 'KeyS');
  await page.waitForSelector('.box', { timeout: 5000 });
  assert.equal(await page.$eval('.box .text', (e) => e.textContent),
    `Désolé, il n’y a plus de niveaux, vous avez gagné${NBSP}! `);
  assert.deepEqual(await page.$$eval('.box .buttons button', (bs) => bs.map((b) => b.textContent)),
    ['OK']);
  await page.keyboard.press('Enter');

  await altKey(page, 'KeyO');
  await page.waitForSelector('#about:not([hidden])', { timeout: 5000 });
  assert.equal(await page.$eval('#about > .title span', (e) => e.textContent),
    'À propos de Stonewick');
  assert.equal(await page.$eval('#about .close', (e) => e.textContent), '\u2715');
  assert.match(await page.$eval('#about .memo', (e) => e.textContent), /Un jeu primitif/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the browser\'s languages choose; English stands in for any other', async () => {
  const open = async (query, languages) => {
    const page = await web.browser.newPage();
    await page.evaluateOnNewDocument((wanted) => {
      Object.defineProperty(navigator, 'languages', { get: () => wanted });
    }, languages);
    await page.goto(web.served.address + query);
    await page.waitForFunction(() => document.querySelectorAll('#menu button').length > 0);
    const first = (await menu(page))[0][0];
    await page.close();
    return first;
  };
  assert.equal(await open('', ['pt-BR', 'de-DE', 'fr']), 'Beenden');
  assert.equal(await open('', ['en-GB', 'ru']), 'Exit');
  assert.equal(await open('?lang=es', ['ru']), 'Salir');
  assert.equal(await open('?lang=xx', ['ru']), 'Exit');
});

test('in every language the menu stays one row and the read-outs apart', async () => {
  for (const language of ['en', 'de', 'es', 'fr', 'ru']) {
    const page = await openGame(web.browser, `${web.served.address}?lang=${language}`);
    const layout = await page.evaluate(() => {
      // Two-digit counts, as a long game reaches them.
      Page.showReadout(3, 'Kills : %1', '99');
      Page.showReadout(4, 'At large : %1', '99');
      const menu = document.querySelector('#menu');
      const shown = [...menu.querySelectorAll('button:not([hidden])')];
      const box = (n) => document.querySelector(`#client .readout:nth-of-type(${n})`)
          .getBoundingClientRect();
      return {
        fits: menu.scrollWidth <= menu.clientWidth,
        // Every caption on one line, all of them at the same height.
        oneRow: new Set(shown.flatMap((b) => {
          const range = document.createRange();
          range.selectNodeContents(b);
          return [...range.getClientRects()].map((r) => Math.round(r.top));
        })).size === 1,
        width: document.querySelector('#main').offsetWidth,
        clockEnd: box(2).right, killsStart: box(4).left, killsEnd: box(4).right,
        atLargeStart: box(5).left,
      };
    });
    assert.ok(layout.fits && layout.oneRow, `${language}: the menu overflows`);
    assert.ok(layout.clockEnd < layout.killsStart && layout.killsEnd < layout.atLargeStart,
      `${language}: read-outs overlap`);
    assert.ok(language !== 'en' || layout.width === 395, 'English keeps the window as designed');
    await page.close();
  }
});

test('?lang=de words the verdict of a recording that differs in German, both its lines',
     async () => {
  const page = await openGame(web.browser, `${web.served.address}?lang=de&play=${DIFFERS}`);
  await page.waitForFunction(() => [...document.querySelectorAll('.box .text')].some(
      (text) => text.textContent.startsWith('Das Spiel lief nach Zeile')), { timeout: 30000 });
  const verdict = await page.$$eval('.box .text', (texts) => texts.map((t) => t.textContent)
      .find((text) => text.startsWith('Das Spiel')));
  assert.match(verdict, /^Das Spiel lief nach Zeile \d+ anders ab als aufgezeichnet\.\n/);
  const what = new RegExp('^Zeile \\d+: der Zustand (am Anfang|nach dem Block in Zeile \\d+) ' +
                          'weicht von seinem Prüfpunkt ab: ' +
                          'erwartet 00000000, gesehen [0-9a-f]{8}\\.$');
  assert.match(verdict.split('\n')[1], what);
  assert.match(await page.$eval('#playback .verdict', (e) => e.textContent),
               /^weicht ab in Zeile \d+$/);
  assert.deepEqual(page.errors, []);
  await page.close();
});
