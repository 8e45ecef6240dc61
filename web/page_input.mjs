// The player's input: a mouse click over a cell, a tap on one or a swipe on the board, the
// touch pad, and the keys, each to the top box, to the About or Instructions window that has
// the focus, to the menu with Alt, or to the game as virtual key codes. What is held (a pad
// button, a swipe, a key) stops when a box opens, the page hides or loses the keyboard.
import { BOARD, CELL } from './page_board.mjs';
import { onModalBox, topBox } from './page_boxes.mjs';
import { cycleFocus, focusBoard, switchToTouch } from './page_desktop.mjs';
import { about, boardCanvas, boxIsOpen, instructions } from './page_elements.mjs';
import { DOWN, LEFT, RIGHT, UP, virtualKey } from './page_keys.mjs';
import { runAltLetter } from './page_menu.mjs';
import { isWatching } from './page_playback.mjs';
import { CLICK, KEY, programClosed, queueInput } from './page_program.mjs';
import { closeInstructions, hideAbout } from './page_windows.mjs';

// A finger moved this far on the board (screen pixels) is a swipe, one arrow key for each
// such stretch; less is a tap on the cell.
const SWIPE = 24;
// A held pad button repeats like a held key.
const REPEAT_DELAY_MS = 350;
const REPEAT_MS = 110;

// ---- The board.
let press = null;
boardCanvas.addEventListener('pointerdown', (e) => {
  if (e.button !== 0 || boxIsOpen()) {
    return;
  }
  if (e.pointerType !== 'mouse') {
    switchToTouch();
  }
  press = { id: e.pointerId, mouse: e.pointerType === 'mouse', x: e.clientX, y: e.clientY,
            at: e, swiped: false };
  boardCanvas.setPointerCapture(e.pointerId);
});
boardCanvas.addEventListener('pointermove', (e) => {
  if (!press || press.mouse || e.pointerId !== press.id) {
    return;
  }
  if (boxIsOpen()) {
    press = null;
    return;
  }
  const dx = e.clientX - press.x;
  const dy = e.clientY - press.y;
  if (Math.max(Math.abs(dx), Math.abs(dy)) >= SWIPE) {
    // One arrow for each stretch of the swipe, towards where it mostly went.
    const horizontal = Math.abs(dx) >= Math.abs(dy);
    queueInput(KEY, horizontal ? (dx > 0 ? RIGHT : LEFT) : (dy > 0 ? DOWN : UP));
    press.x = e.clientX;
    press.y = e.clientY;
    press.swiped = true;
  }
});
boardCanvas.addEventListener('pointerup', (e) => {
  if (!press || e.pointerId !== press.id) {
    return;
  }
  const ended = press;
  press = null;
  if (ended.swiped || boxIsOpen()) {
    return;
  }
  // The mouse clicks where it is let go, a finger taps where it came down.
  const where = ended.mouse ? e : ended.at;
  const rect = boardCanvas.getBoundingClientRect();
  const x = Math.floor((where.clientX - rect.left) * BOARD / rect.width);
  const y = Math.floor((where.clientY - rect.top) * BOARD / rect.height);
  if (x >= 0 && y >= 0 && x < BOARD && y < BOARD) {
    queueInput(CLICK, Math.floor(x / CELL), Math.floor(y / CELL));
  }
});
for (const end of ['pointercancel', 'lostpointercapture']) {
  boardCanvas.addEventListener(end, () => {
    press = null;
  });
}

// ---- The touch pad: each button is the key it names, held down it repeats. Each key it
// gives may open a box, which lets go of the button: its next repeat is set before the key
// goes, so that letting go cancels it, and a hold let go of repeats no more.
let held = null;
function release() {
  if (held) {
    clearTimeout(held.timer);
    held.button.classList.remove('pressed');
    held = null;
  }
}
for (const button of document.querySelectorAll('.pad button')) {
  const key = Number(button.dataset.key);
  const give = (hold, delay) => {
    if (held === hold) {
      hold.timer = setTimeout(() => give(hold, REPEAT_MS), delay);
      queueInput(KEY, key);
    }
  };
  button.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    release();
    if (boxIsOpen()) {
      return;
    }
    button.setPointerCapture(e.pointerId);
    button.classList.add('pressed');
    held = { button, pointer: e.pointerId, timer: 0 };
    give(held, REPEAT_DELAY_MS);
  });
  for (const end of ['pointerup', 'pointercancel', 'lostpointercapture']) {
    button.addEventListener(end, release);
  }
  button.addEventListener('contextmenu', (e) => e.preventDefault());
}
// A finger or button let go anywhere ends what it held, whatever has the pointer since.
for (const end of ['pointerup', 'pointercancel']) {
  document.addEventListener(end, (e) => {
    if (held && held.pointer === e.pointerId) {
      release();
    }
    if (press && press.id === e.pointerId && e.target !== boardCanvas) {
      press = null;
    }
  });
}

// ---- Held input stops: the pad's repeat, a swipe under way, and the keys held down, whose
// repeats no longer count until they are pressed again.
const keysDown = new Set();
let staleKeys = new Set();
export function stopHeldInput() {
  release();
  press = null;
  staleKeys = new Set(keysDown);
}
onModalBox(stopHeldInput);
document.addEventListener('visibilitychange', () => {
  if (document.hidden) {
    stopHeldInput();
  }
});
window.addEventListener('blur', () => {
  stopHeldInput();
  keysDown.clear();
});
document.addEventListener('keyup', (e) => {
  keysDown.delete(e.code);
  staleKeys.delete(e.code);
});

// ---- Keys.
document.addEventListener('keydown', (e) => {
  if (programClosed()) {
    return;
  }
  if (e.repeat && staleKeys.has(e.code)) {
    e.preventDefault();
    return;
  }
  staleKeys.delete(e.code);
  keysDown.add(e.code);
  const box = topBox();
  if (box) {
    e.preventDefault();
    box.key(e);
    return;
  }
  // While a recording plays every key steers it, in any window and over its boxes; the Alt
  // letters still reach the menu, whose Exit stays usable.
  if (isWatching()) {
    if (!(e.ctrlKey || e.metaKey)) {
      e.preventDefault();
    }
    if (!(e.altKey && runAltLetter(e))) {
      queueInput(KEY, virtualKey(e));
    }
    return;
  }
  const focused = document.activeElement;
  const win = focused && focused.closest('.window');
  if (e.key === 'Tab' && (win === about || win === instructions)) {
    e.preventDefault();
    cycleFocus(win, e.shiftKey);
    return;
  }
  if (win === about) {
    if (e.key === 'Enter' || e.key === 'Escape' || e.key === ' ') {
      e.preventDefault();
      hideAbout();
    }
    return;
  }
  if (win === instructions) {
    if (e.key === 'Escape') {
      e.preventDefault();
      closeInstructions();
    }
    return;
  }
  // Tab moves the focus through the window; Enter and Space press the button it is on, and
  // Esc leaves the menu for the board.
  if (e.key === 'Tab') {
    return;
  }
  if (focused && focused.tagName === 'BUTTON' && !e.altKey) {
    if (e.key === 'Escape') {
      e.preventDefault();
      focusBoard();
    }
    if (['Enter', ' ', 'Escape'].includes(e.key)) {
      return;
    }
  }
  // The browser keeps its own shortcuts (reload, developer tools, ...).
  if (!(e.ctrlKey || e.metaKey || /^F\d+$/.test(e.key))) {
    e.preventDefault();
  }
  if (!(e.altKey && runAltLetter(e))) {
    queueInput(KEY, virtualKey(e));
  }
});
