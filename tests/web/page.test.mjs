// The page in a real browser: it opens on the level-1 board that the replay tool lays out, its
// keys move and smash as the rules say while the smash's frames let further keys in, its
// boxes open at the pointer, hold play and take their answers, and a game it records replays
// to the very states it checkpointed. On a phone it fits and plays by touch, and a pad arrow
// held into a box stops there; it plays again with no server, lets the keyboard out of
// Instructions, says why it cannot start, and takes a Russian layout's letters by their place.
//   STONEWICK_SITE=build-web/site STONEWICK_REPLAY=build/replay/stonewick-replay \
//     node --test tests/web/page.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { downloadedRecording, openedForTests, openGame, serveFolder } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');
const replayTool = process.env.STONEWICK_REPLAY || path.join(root, 'build/replay/stonewick-replay');
const SIZE = 22;
const POWERED_RIGHT = 37;
const SOFT_BRICK = 5;

// The board (codes by [row][col]) and the player's cell after a script, from the replay tool.
function replayState(script) {
  const lines = execFileSync(replayTool, { input: `${script}\ndump\n`, encoding: 'utf8' })
      .split('\n');
  const tiles = lines.indexOf('tiles');
  const [, col, row] = lines.find((line) => line.startsWith('player ')).split(' ').map(Number);
  const board = lines.slice(tiles + 1, tiles + 1 + SIZE).map((l) => l.split(' ').map(Number));
  return { board, player: { col, row } };
}

// Each tile's 256 pixels as hexadecimal RGB, by code, decoded from the XPM files the game
// compiles in: which tile a cell of the canvas shows.
const pictures = Array.from({ length: 39 }, (_, code) => {
  const xpm = readFileSync(path.join(root, `ui/tiles/tile${String(code).padStart(2, '0')}.xpm`),
                           'utf8');
  const strings = [...xpm.matchAll(/"([^"]*)"/g)].map((m) => m[1]);
  const [width, height, colours, perPixel] = strings[0].split(/\s+/).map(Number);
  const palette = new Map(strings.slice(1, 1 + colours).map(
      (line) => [line.slice(0, perPixel), line.slice(perPixel).split('#')[1].toLowerCase()]));
  return strings.slice(1 + colours, 1 + colours + height).map((row) => Array.from(
      { length: width }, (_, x) => palette.get(row.slice(x * perPixel, (x + 1) * perPixel))))
      .flat().join('');
});
const codeOf = (picture) => pictures.indexOf(picture);

// Opens the game with cellPicture(col, row) in the page: that cell of the canvas as
// hexadecimal RGB.
async function openBoard(query = '', prepare = undefined) {
  const page = await openGame(web.browser, web.served.address + query, prepare);
  await page.evaluate(() => {
    const context = document.querySelector('#board').getContext('2d');
    window.cellPicture = (col, row) => {
      const data = context.getImageData(col * 16, row * 16, 16, 16).data;
      let picture = '';
      for (let i = 0; i < data.length; i += 4) {
        picture += ((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]).toString(16)
            .padStart(6, '0');
      }
      return picture;
    };
  });
  return page;
}

async function canvasBoard(page) {
  const shown = await page.evaluate((size) => Array.from({ length: size }, (_, row) =>
    Array.from({ length: size }, (_, col) => window.cellPicture(col, row))), SIZE);
  return shown.map((row) => row.map(codeOf));
}

const readout = (page, n) => page.$eval(`#client .readout:nth-of-type(${n})`, (e) => e.textContent);
const waitForReadout = (page, n, text) => page.waitForFunction(
    (n, text) => document.querySelector(`#client .readout:nth-of-type(${n})`).textContent === text,
    { timeout: 5000 }, n, text);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const altKey = async (page, key) => {
  await page.keyboard.down('Alt');
  await page.keyboard.press(key);
  await page.keyboard.up('Alt');
};

// Level 5 puts the player below a crowd of baddies: Skip three times on the menu bar and
// once with its accelerator.
async function skipToLevelFive(page) {
  const skip = await page.$$eval('#menu button', (buttons) =>
    buttons.findIndex((b) => b.textContent === 'Skip'));
  for (const level of [2, 3, 4]) {
    await page.click(`#menu button:nth-child(${skip + 1})`);
    await waitForReadout(page, 3, `Level : ${level}`);
  }
  await altKey(page, 'k');
  await waitForReadout(page, 3, 'Level : 5');
}

// Walks up into the baddies until a box opens; returns what it shows and where.
async function walkIntoBox(page) {
  for (let step = 0; step < 100; ++step) {
    const box = await page.$('.box');
    if (box) {
      return box.evaluate((e) => ({ left: e.offsetLeft, top: e.offsetTop,
        text: e.querySelector('.text').textContent,
        buttons: [...e.querySelectorAll('.buttons button')].map((b) => b.textContent) }));
    }
    await page.keyboard.press('ArrowUp');
    await sleep(30);
  }
  assert.fail('no box opened');
}

const web = openedForTests(site);

test('the page opens on the level-1 board of the replay tool, cell for cell', async () => {
  const page = await openBoard();
  assert.deepEqual(await canvasBoard(page), replayState('').board);
  assert.equal(await readout(page, 1), 'Powers : 1');
  assert.equal(await readout(page, 3), 'Level : 1');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('keys move the player, the clock runs, and a smash shows its frames with keys between',
     async () => {
  const page = await openBoard();
  // Left steps off the start, Right steps back to face the soft brick beside it.
  const keys = [['ArrowLeft', 37], ['ArrowRight', 39]];
  let script = '';
  for (const [key, code] of keys) {
    await page.keyboard.press(key);
    script += `key ${code}\n`;
    const { board, player } = replayState(script);
    // Around the player nothing else moves this soon; compare the player's neighbourhood.
    for (const [dc, dr] of [[0, 0], [-1, 0], [1, 0], [0, -1], [0, 1]]) {
      const col = player.col + dc;
      const row = player.row + dr;
      await page.waitForFunction((col, row, want) => window.cellPicture(col, row) === want,
                                 { timeout: 2000 }, col, row, pictures[board[row][col]]);
    }
  }
  const { player } = replayState(script);
  const brick = { col: player.col + 1, row: player.row };
  assert.equal(replayState(script).board[brick.row][brick.col], SOFT_BRICK);

  // Watch the brick's cell and the player's cell on the canvas while B smashes the brick.
  await page.evaluate((cells) => {
    window.shownCells = [];
    let last = '';
    const look = () => {
      const now = cells.map(([col, row]) => window.cellPicture(col, row));
      if (now.join() !== last) {
        last = now.join();
        window.shownCells.push(now);
      }
    };
    look();
    window.watching = setInterval(look, 1);
  }, [[brick.col, brick.row], [player.col, player.row]]);
  await page.keyboard.press('b');
  await page.waitForFunction(() => window.shownCells.length > 1, { timeout: 2000 });
  await page.keyboard.press('ArrowUp');
  await waitForReadout(page, 1, 'Powers : 0');
  await sleep(800);
  const frames = (await page.evaluate(() => {
    clearInterval(window.watching);
    return window.shownCells;
  })).map(([target, you]) => [codeOf(target), codeOf(you)]);

  const shown = frames.map(([target]) => target);
  assert.equal(shown[0], SOFT_BRICK);
  assert.equal(shown.at(-1), 0, 'the smashed brick leaves a blank cell');
  const animation = [...new Set(shown.slice(1, -1))];
  assert.ok(animation.length >= 5, `frames one by one, saw ${animation}`);
  assert.deepEqual(animation, [...animation].sort((a, b) => a - b), 'frames in code order');
  assert.ok(frames.some(([target, you]) => animation.includes(target) && you !== POWERED_RIGHT),
            'the Up key ran while the smash was still showing its frames');
  await waitForReadout(page, 2, '00:00:01');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('boxes open at the pointer, hold play, and take their answers', async () => {
  const page = await openBoard();
  await skipToLevelFive(page);

  const anchor = { x: 120, y: 90 };
  await page.mouse.move(anchor.x, anchor.y);
  const secondChance = await walkIntoBox(page);
  assert.deepEqual(secondChance, { left: anchor.x, top: anchor.y, buttons: ['OK'],
    text: 'You have hit a baddie, but your powers will be exchanged for a 2nd chance' });
  // The rules stopped the timers for the box: the clock stands while it is open.
  const clock = await readout(page, 2);
  await sleep(1200);
  assert.equal(await readout(page, 2), clock);
  await page.click('.box .buttons button');
  await waitForReadout(page, 1, 'Powers : 0');

  // The pointer stayed on OK since that box closed, so the next box opens where it did.
  const gameOver = await walkIntoBox(page);
  assert.deepEqual(gameOver, { left: anchor.x, top: anchor.y, buttons: ['Yes', 'No', 'Cancel'],
    text: 'Aaagh you have been eaten, game over - play again?' });
  await page.click('.box .buttons button:first-child');
  await waitForReadout(page, 3, 'Level : 1');
  assert.equal(await page.$('.box'), null);

  await altKey(page, 'e');
  await page.waitForSelector('#closed:not([hidden])', { timeout: 2000 });
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Opens the game with ?record, its downloads going to a folder of their own; `play` plays it
// to its end, and the file the page offers then must pass stonewick-replay --check. Returns
// the recording's text.
async function recordAndCheck(prepare, play) {
  const downloads = mkdtempSync(path.join(os.tmpdir(), 'stonewick-downloads-'));
  try {
    const page = await openBoard('?record', prepare);
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await play(page);
    await page.waitForSelector('#closed .download:not([hidden])', { timeout: 5000 });
    assert.deepEqual(page.errors, []);
    await page.close();

    const file = await downloadedRecording(downloads);
    assert.ok(file, 'the recording was downloaded');
    // Exit status 0: every checkpoint and the final state matched, and there were some.
    execFileSync(replayTool, ['--check', path.join(downloads, file)], { stdio: 'pipe' });
    return readFileSync(path.join(downloads, file), 'utf8');
  } finally {
    rmSync(downloads, { recursive: true, force: true });
  }
}

test('a game recorded with ?record, in a browser without CompressionStream, is offered at its ' +
     'end and passes stonewick-replay --check', async () => {
  const withoutCompression = (tab) => tab.evaluateOnNewDocument(() => {
    delete window.CompressionStream;
  });
  const recording = await recordAndCheck(withoutCompression, async (page) => {
    // Keys, a click on cell (3, 4), and a smash with Up pressed while its frames show.
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('ArrowRight');
    const board = await page.$eval('#board', (e) => e.getBoundingClientRect().toJSON());
    await page.mouse.click(board.left + 3 * 16 + 8, board.top + 4 * 16 + 8);
    const { player } = replayState('key 37\nkey 39');
    await page.keyboard.press('b');
    await page.keyboard.press('ArrowUp');
    // The smash has ended once the brick beside the player is gone.
    await page.waitForFunction((col, row, blank) => window.cellPicture(col, row) === blank,
                               { timeout: 3000 }, player.col + 1, player.row, pictures[0]);
    // Skip to level 5 and walk into the baddies: a second chance, then the game-over
    // question, where Yes plays again; then Exit.
    await skipToLevelFive(page);
    for (const answer of ['OK', 'Yes']) {
      assert.equal((await walkIntoBox(page)).buttons[0], answer);
      await page.click('.box .buttons button:first-child');
    }
    await waitForReadout(page, 3, 'Level : 1');
    // The answer's event lays out level 1 after showing its number: let it end, so that Exit
    // comes while no event runs and the recording ends with the state it left.
    await sleep(300);
    await altKey(page, 'e');
    // All of that, recording included, runs on the part of the program loaded first.
    assert.deepEqual(await page.evaluate(() => performance.getEntriesByType('resource')
      .map((entry) => entry.name).filter((name) => name.endsWith('stonewick-watching.wasm'))), []);
  });
  assert.match(recording, /^# Recorded by stonewick on \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\nmanual\n/);
  // Alt is a key of its own before its letter runs the command, as in the window.
  for (const line of [/^click 3 4$/m, /^>\d+ key 38$/m, /^key 18$/m, /^answer Y$/m,
                      /^#~ [0-9a-f]{8}$/m, /^#= end\nmenu exit\n$/m]) {
    assert.match(recording, line);
  }
});

// A phone held upright or sideways, by touch alone.
const phone = (width, height) => (tab) => tab.setViewport(
    { width, height, hasTouch: true, isMobile: true, deviceScaleFactor: 1 });
const centreOf = (page, selector) => page.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
});
async function tapMenu(page, caption) {
  const index = await page.$$eval('#menu button', (buttons, caption) =>
    buttons.findIndex((b) => b.textContent === caption), caption);
  const { x, y } = await centreOf(page, `#menu button:nth-child(${index + 1})`);
  await page.touchscreen.tap(x, y);
}

test('on a phone upright and sideways the board and the counters lie on the screen', async () => {
  for (const [width, height] of [[390, 844], [844, 390]]) {
    const page = await openBoard('', phone(width, height));
    const outside = await page.$$eval('#board, #client .readout:not([hidden]), .pad button',
                                      (elements, width, height) => elements.filter((e) => {
      const r = e.getBoundingClientRect();
      return r.left < 0 || r.top < 0 || r.right > width || r.bottom > height || r.width === 0;
    }).map((e) => e.outerHTML.slice(0, 60)), width, height);
    assert.deepEqual(outside, [], `at ${width}x${height}`);
    await page.close();
  }
});

test('by touch: a swipe and the pad step and turn, Push and Smash act, the menu runs by tap, ' +
     'and a hidden page pauses with the Pause command; the recording passes --check',
     async () => {
  const recording = await recordAndCheck(phone(390, 844), async (page) => {
    const board = await page.$eval('#board', (e) => e.getBoundingClientRect().toJSON());
    const middle = { x: board.left + board.width / 2, y: board.top + board.height / 2 };
    await page.touchscreen.touchStart(middle.x, middle.y);
    await page.touchscreen.touchMove(middle.x - 40, middle.y + 5);
    await page.touchscreen.touchEnd();
    // Left then Right leave the player facing a soft brick: Smash takes the Power, and Push
    // then pushes nothing.
    for (const key of [39, 66, 32]) {
      const { x, y } = await centreOf(page, `.pad [data-key="${key}"]`);
      await page.touchscreen.tap(x, y);
    }
    await waitForReadout(page, 1, 'Powers : 0');
    // The page is hidden while play runs: it pauses, says so, and Resume plays on.
    await page.evaluate(() => {
      Object.defineProperty(document, 'hidden', { value: true, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
      delete document.hidden;
    });
    await page.waitForSelector('#paused:not([hidden])', { timeout: 2000 });
    await tapMenu(page, 'Resume');
    await page.waitForSelector('#paused[hidden]', { timeout: 2000 });
    await tapMenu(page, 'Exit');
  });
  // In order, whether they ran on their own or inside the smash's frames.
  const events = recording.split('\n').map((line) => line.replace(/^>+\d+ +/, ''))
      .filter((line) => /^(key|menu|click) /.test(line));
  assert.deepEqual(events, ['key 37', 'key 39', 'key 66', 'key 32', 'menu pause', 'menu pause',
                            'menu exit']);
});

test('after a first visit the page plays with no server, and watches a recording opened then',
     async () => {
  const own = await serveFolder(site);
  const page = await openGame(web.browser, own.address);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 5000 });
  own.server.closeAllConnections();
  await new Promise((resolve) => own.server.close(resolve));
  await page.reload();
  await page.waitForFunction(
      () => performance.getEntriesByName('stonewick-first-board').length > 0, { timeout: 5000 });
  await page.keyboard.press('ArrowLeft');
  await waitForReadout(page, 2, '00:00:01');
  // The part of the program that watches was kept too, though the page never fetched it.
  await page.evaluate(() => {
    const files = new DataTransfer();
    files.items.add(new File(['manual\nkey 37\n'], 'offline.rec', { type: 'text/plain' }));
    document.dispatchEvent(new DragEvent('drop', { dataTransfer: files, bubbles: true,
                                                   cancelable: true }));
  });
  await page.waitForFunction(() => document.querySelector('#main .title span').textContent ===
                             'Stonewick - offline.rec', { timeout: 5000 });
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('Esc closes Instructions, opened by the menu or by Alt+I, and the arrows then move the ' +
     'player', async () => {
  const page = await openBoard();
  const open = [() => page.click('#menu button:nth-child(2)'), () => altKey(page, 'i')];
  for (const opening of open) {
    await opening();
    await page.waitForSelector('#instructions:not([hidden])');
    await page.keyboard.press('Escape');
    await page.waitForSelector('#instructions[hidden]');
  }
  await page.keyboard.press('ArrowLeft');
  const { board, player } = replayState('key 37');
  await page.waitForFunction((col, row, want) => window.cellPicture(col, row) === want,
                             { timeout: 2000 }, player.col, player.row,
                             pictures[board[player.row][player.col]]);
  await page.close();
});

test('opened as a file, the page says that it must be served and how', async () => {
  const page = await web.browser.newPage();
  await page.goto(`file://${path.resolve(site)}/index.html`);
  const said = await page.$eval('#failure', (e) => (e.hidden ? '' : e.textContent));
  assert.match(said, /served by a web server.*bash scripts\/web\.sh/s);
  await page.close();
});

test('a pad arrow held into the baddies stops when the box opens: once it is open no Up ' +
     'reaches the game, and the page logs no error', async () => {
  let keys = null;
  const recording = await recordAndCheck(phone(390, 844), async (page) => {
    // The keys the program takes, and how many it had taken when the first box opened.
    await page.evaluate(() => {
      window.keysTaken = [];
      const takeInput = Page.takeInput;
      Page.takeInput = () => {
        const input = takeInput();
        if (input && input[0] === 1) {
          window.keysTaken.push(input[1]);
        }
        return input;
      };
      new MutationObserver((changes, observer) => {
        if (document.querySelector('.box')) {
          window.keysAtBox = window.keysTaken.length;
          observer.disconnect();
        }
      }).observe(document.querySelector('#desktop'), { childList: true });
    });
    for (let level = 2; level <= 5; ++level) {
      await tapMenu(page, 'Skip');
      await waitForReadout(page, 3, `Level : ${level}`);
    }
    const up = await centreOf(page, '.pad [data-key="38"]');
    await page.touchscreen.touchStart(up.x, up.y);
    await page.waitForSelector('.box', { timeout: 15000 });
    await sleep(500);
    await page.touchscreen.touchEnd();
    await sleep(500);
    const ok = await centreOf(page, '.box .buttons button');
    await page.touchscreen.tap(ok.x, ok.y);
    await sleep(1000);
    keys = await page.evaluate(() => ({ before: window.keysTaken.slice(0, window.keysAtBox),
                                        after: window.keysTaken.slice(window.keysAtBox) }));
    await tapMenu(page, 'Exit');
  });
  assert.ok(keys.before.includes(38), 'the held arrow stepped');
  // The pad stops as the box opens; an Up given just before it, which the program takes while
  // the box is open, is kept from the game: only the Ups taken before it are in the recording.
  assert.ok(keys.after.every((key) => key === 38));
  const ups = recording.split('\n')
      .filter((line) => line.replace(/^>+\d+ +/, '') === 'key 38');
  assert.equal(ups.length, keys.before.filter((key) => key === 38).length);
});

// A key as a Russian layout gives it: its own letter, and its place on a US keyboard.
async function russianKey(page, key, code, modifiers = 0) {
  const session = await page.createCDPSession();
  for (const type of ['keyDown', 'keyUp']) {
    await session.send('Input.dispatchKeyEvent', {
      type, key, code, modifiers, text: type === 'keyDown' && !modifiers ? key : undefined,
      windowsVirtualKeyCode: code.charCodeAt(3),
    });
  }
  await session.detach();
}

test('on a Russian layout the letter keys act by their place: и on B smashes, Alt+у on E ' +
     'exits', async () => {
  const page = await openBoard();
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowRight');
  await russianKey(page, 'и', 'KeyB');
  await waitForReadout(page, 1, 'Powers : 0');
  const ALT = 1;
  await russianKey(page, 'у', 'KeyE', ALT);
  await page.waitForSelector('#closed:not([hidden])', { timeout: 2000 });
  assert.deepEqual(page.errors, []);
  await page.close();
});
