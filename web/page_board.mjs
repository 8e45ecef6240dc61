// The board and the read-outs as the program draws them. The cells drawn since the last frame
// are copied to the canvas once the program waits or yields. What the timers changed while the
// player gave no input shows at most once a frame time, with the read-outs, so that a busy
// level costs the browser fewer frames; what a key, click or command did shows at once.
import { boardCanvas } from './page_elements.mjs';
import { spreadRow } from './page_figures.mjs';

export const BOARD = 352;
export const CELL = 16;
const FRAME_MS = 250;
const board = boardCanvas.getContext('2d');
const readouts = document.querySelectorAll('#client .readout');
const dirty = { left: BOARD, top: BOARD, right: 0, bottom: 0, pixels: null };
const shownReadouts = [];
let holdFrame = false;  // the next frame may wait for its time
let flushQueued = false;
let inputTaken = false;
let lastFrame = -Infinity;
let frameTimer = 0;
let firstBoard = true;

function flush() {
  flushQueued = false;
  const wait = lastFrame + FRAME_MS - performance.now();
  if (holdFrame && wait > 0) {
    frameTimer = frameTimer || setTimeout(() => {
      frameTimer = 0;
      flush();
    }, wait);
    return;
  }
  clearTimeout(frameTimer);
  frameTimer = 0;
  holdFrame = false;
  lastFrame = performance.now();
  let changed = false;
  shownReadouts.forEach((text, readout) => {
    if (readouts[readout].textContent !== text) {
      readouts[readout].textContent = text;
      changed = true;
    }
  });
  if (changed) {
    spreadReadouts();
  }
  if (dirty.pixels && dirty.right > dirty.left) {
    board.putImageData(new ImageData(dirty.pixels(), BOARD, BOARD), 0, 0, dirty.left,
                       dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top);
    Object.assign(dirty, { left: BOARD, top: BOARD, right: 0, bottom: 0 });
    if (firstBoard) {
      firstBoard = false;
      document.documentElement.classList.remove('loading');
      performance.mark('stonewick-first-board');
    }
  }
}
// Runs once the program has handed over what it drew and let the browser run.
function queueFlush() {
  if (!flushQueued) {
    flushQueued = true;
    queueMicrotask(flush);
  }
}

// How the program's input paces the frames.
export const framePace = {
  // The program is woken: frames drawn inside the coming step (a smash's, a read-out's) show
  // as they come.
  woken() {
    holdFrame = false;
  },
  // The program waits again: what only the timers drew may wait for its frame.
  waits() {
    holdFrame = !inputTaken;
    inputTaken = false;
  },
  // The program took the player's input: what it does shows at once.
  inputTaken() {
    inputTaken = true;
    holdFrame = false;
    if (frameTimer) {
      flush();
    }
  },
};

// pixels() views the board's pixels as they stand.
export function present(pixels, x, y, width, height) {
  dirty.pixels = pixels;
  dirty.left = Math.min(dirty.left, x);
  dirty.top = Math.min(dirty.top, y);
  dirty.right = Math.max(dirty.right, x + width);
  dirty.bottom = Math.max(dirty.bottom, y + height);
  queueFlush();
}

// The clock is set at every slow tick but changes once a second: only a change needs a frame.
// `caption` is the read-out's English, with %1 for `number`.
export function showReadout(readout, caption, number) {
  const translated = Language.readout(caption, number);
  const shown = readout in shownReadouts ? shownReadouts[readout] : readouts[readout].textContent;
  if (translated !== shown) {
    shownReadouts[readout] = translated;
    queueFlush();
  }
}

// The read-outs keep their places in the window unless a large number or a language's longer
// words would run one into the next or past the board's right edge: then they move apart, and
// back from the edge, no further than they must.
const READOUT_GAP = 8;
const BOARD_LEFT = 14;
const readoutPlaces = Array.from(readouts, (readout) => parseFloat(readout.style.left));
// Powers on its own row; under it the clock, Kills and At large.
const READOUT_ROWS = [[0], [1, 3, 4]];
function spreadReadouts() {
  for (const row of READOUT_ROWS) {
    const lefts = spreadRow(row.map((n) => readoutPlaces[n]),
                            row.map((n) => readouts[n].offsetWidth), BOARD_LEFT,
                            BOARD_LEFT + BOARD, READOUT_GAP);
    row.forEach((n, i) => {
      readouts[n].style.left = lefts[i] + 'px';
    });
  }
}

// The program's icon, in every title bar and the About window.
let icon = null;
export function drawIcon(canvas) {
  if (icon) {
    canvas.getContext('2d').putImageData(icon, 0, 0);
  }
}
export function setIcon(pixels, width, height) {
  icon = new ImageData(new Uint8ClampedArray(pixels), width, height);
  document.querySelectorAll('.title canvas, #about .header canvas').forEach(drawIcon);
}
