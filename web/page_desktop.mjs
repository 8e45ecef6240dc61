// The desktop: the windows' own coordinates, scaled to fit the screen, crisp where the game
// fits at full size or more, smoothly below. On a touch screen the menu is a bar across the
// top of the screen and the pad goes under the game window in portrait and on both sides of
// it in landscape, both in the screen's own pixels, big enough for a finger. Windows take the
// focus, are activated by it, and are dragged by their title bars.
import { $, about, boardCanvas, desktop, gameScreen, instructions, main,
         menu } from './page_elements.mjs';
import { crispScale } from './page_figures.mjs';

const MARGIN = 8;
const PAD_GAP = 8;
const TAP = 44;
const opener = $('#opener');
const NO_REACH = { left: 0, right: 0, below: 0 };
const touchPad = document.querySelectorAll('.pad');
let touchScreen = navigator.maxTouchPoints > 0 || matchMedia('(any-pointer: coarse)').matches;
let scale = 1;
let mainMoved = false;
export const pointer = { x: 0, y: 0 };  // on the desktop

export function isTouchScreen() {
  return touchScreen;
}
// The pad's reach on each side of the game window, in screen pixels.
function padReach(landscape) {
  if (!touchScreen) {
    return NO_REACH;
  }
  const arrows = touchPad[0];
  const actions = touchPad[1];
  return landscape ? { left: arrows.offsetWidth + PAD_GAP, right: actions.offsetWidth + PAD_GAP,
                       below: 0 }
                   : { left: 0, right: 0,
                       below: Math.max(arrows.offsetHeight, actions.offsetHeight) + PAD_GAP };
}
// Where the recording opener at the desktop's top ends, in desktop pixels: the game window
// stays below it, so that the button never covers its title bar.
function openerFoot() {
  return opener.offsetHeight > 0 ? opener.offsetTop + opener.offsetHeight + PAD_GAP : 0;
}
function menuBarHeight() {
  return menu.parentNode === gameScreen ? menu.offsetHeight : 0;
}
// The largest scale at which the game window and its pad fit the screen with a margin.
function largestScale(landscape) {
  const r = padReach(landscape);
  const width = window.innerWidth - 2 * MARGIN - r.left - r.right;
  const height = window.innerHeight - menuBarHeight() - 2 * MARGIN - r.below;
  return Math.max(0.1, Math.min(width / main.offsetWidth,
                                height / (main.offsetHeight + openerFoot())));
}
// The menu is the game window's, or the touch screen's bar.
function placeMenu() {
  if (touchScreen && menu.parentNode !== gameScreen) {
    gameScreen.append(menu);
  } else if (!touchScreen && menu.parentNode === gameScreen) {
    main.insertBefore(menu, $('#client'));
  }
}
export function fit() {
  for (const pad of touchPad) {
    pad.hidden = !touchScreen;
  }
  document.body.classList.toggle('touch', touchScreen);
  const landscape = touchScreen && largestScale(true) > largestScale(false);
  main.classList.toggle('landscape', landscape);
  const pixelRatio = window.devicePixelRatio || 1;
  scale = crispScale(largestScale(landscape), pixelRatio);
  const top = menuBarHeight();
  desktop.style.top = top + 'px';
  desktop.style.width = window.innerWidth / scale + 'px';
  desktop.style.height = (window.innerHeight - top) / scale + 'px';
  desktop.style.transform = scale === 1 ? '' : `scale(${scale})`;
  desktop.style.setProperty('--tap', TAP / scale + 'px');
  // Fewer device pixels than the board's own would lose whole rows: smoothed instead.
  desktop.classList.toggle('smooth', scale * pixelRatio < 1);
  if (mainMoved) {
    moveWindow(main, main.offsetLeft, main.offsetTop);
  } else {
    const r = padReach(landscape);
    moveWindow(main, (desktop.clientWidth - main.offsetWidth - (r.left + r.right) / scale) / 2 +
                     r.left / scale,
               (desktop.clientHeight - main.offsetHeight - openerFoot() - r.below / scale) / 2 +
                   openerFoot());
  }
  for (const win of desktop.querySelectorAll('.window:not(#main)')) {
    moveWindow(win, win.offsetLeft, win.offsetTop);
  }
}
// Puts a window at (x, y) on the desktop, pulled back so that it stays on it whole (the game
// window with its pad). Any other window is laid out from the desktop's left edge first, so
// that a box's text wraps to the desktop's width rather than to what is left of it.
export function moveWindow(win, x, y) {
  const r = win === main ? padReach(main.classList.contains('landscape')) : NO_REACH;
  if (win !== main) {
    win.style.left = '0px';
  }
  const right = desktop.clientWidth - win.offsetWidth - r.right / scale;
  const bottom = desktop.clientHeight - win.offsetHeight - r.below / scale;
  win.style.left = Math.round(Math.max(r.left / scale, Math.min(x, right))) + 'px';
  win.style.top = Math.round(Math.max(win === main ? openerFoot() : 0, Math.min(y, bottom))) + 'px';
  if (win === main) {
    placePads();
  }
}
// The pad in screen pixels: under the game window's edges in portrait, at the screen's
// edges for the thumbs in landscape, level with the window's foot.
function placePads() {
  if (!touchScreen) {
    return;
  }
  const arrows = touchPad[0];
  const actions = touchPad[1];
  const left = main.offsetLeft * scale;
  const right = (main.offsetLeft + main.offsetWidth) * scale;
  const bottom = desktop.offsetTop + (main.offsetTop + main.offsetHeight) * scale;
  const put = (pad, x, y) => {
    pad.style.left = Math.round(x) + 'px';
    pad.style.top = Math.round(y) + 'px';
  };
  if (main.classList.contains('landscape')) {
    put(arrows, Math.min(MARGIN, left - PAD_GAP - arrows.offsetWidth),
        bottom - arrows.offsetHeight);
    put(actions, Math.max(window.innerWidth - MARGIN - actions.offsetWidth, right + PAD_GAP),
        bottom - actions.offsetHeight);
  } else {
    put(arrows, left, bottom + PAD_GAP);
    put(actions, right - actions.offsetWidth, bottom + PAD_GAP);
  }
}
// A touch on a screen that did not say it had one: the pad and the menu bar appear.
export function switchToTouch() {
  if (!touchScreen) {
    touchScreen = true;
    placeMenu();
    fit();
  }
}
// Whenever the screen or the game window changes size, for whatever reason: a turned phone,
// a language's wider menu, the playback bar.
window.addEventListener('resize', fit);
if (window.ResizeObserver) {
  const resized = new ResizeObserver(() => fit());
  resized.observe(main);
  resized.observe(menu);
}

// ---- Windows: the one with the focus is active; the title bar drags a window.
let topmost = 10;
export function activate(win) {
  for (const w of [main, about, instructions]) {
    w.classList.toggle('active', w === win);
  }
  win.style.zIndex = ++topmost;
}
// Where each window takes the keys when it is clicked or shown.
export function focusTarget(win) {
  if (win === about) {
    return $('.ok', about);
  }
  return win === instructions ? $('.memo', instructions) : boardCanvas;
}
export function focusBoard() {
  boardCanvas.focus({ preventScroll: true });
}
export function showWindow(win, x, y) {
  win.hidden = false;
  moveWindow(win, x, y);
  activate(win);
  focusTarget(win).focus({ preventScroll: true });
}
// Tab keeps to a dialog: from its last button to its first, Shift+Tab the other way.
export function cycleFocus(win, backwards) {
  const all = [...win.querySelectorAll('button, [tabindex="0"]')];
  const at = all.indexOf(document.activeElement);
  const next = at < 0 ? (backwards ? all.length - 1 : 0)
                      : (at + (backwards ? all.length - 1 : 1)) % all.length;
  all[next].focus();
}
document.addEventListener('focusin', (e) => {
  const win = e.target.closest('.window');
  if (win && !win.classList.contains('box')) {
    activate(win);
  }
});
let drag = null;
function trackPointer(e) {
  pointer.x = e.clientX / scale;
  pointer.y = (e.clientY - desktop.offsetTop) / scale;
}
document.addEventListener('pointerdown', (e) => {
  trackPointer(e);
  const win = e.target.closest('.window');
  if (!win || win.classList.contains('box')) {
    return;
  }
  // A press on what takes no focus of its own gives the window's keys to the window.
  if (!e.target.closest('button, canvas, [tabindex]')) {
    e.preventDefault();
    focusTarget(win).focus({ preventScroll: true });
  }
  if (e.button === 0 && e.target.closest('.title') && !e.target.closest('button')) {
    drag = { win, dx: pointer.x - win.offsetLeft, dy: pointer.y - win.offsetTop };
    e.target.setPointerCapture(e.pointerId);
  }
});
document.addEventListener('pointermove', (e) => {
  trackPointer(e);
  if (drag) {
    mainMoved = mainMoved || drag.win === main;
    moveWindow(drag.win, pointer.x - drag.dx, pointer.y - drag.dy);
  }
});
for (const end of ['pointerup', 'pointercancel']) {
  document.addEventListener(end, () => {
    drag = null;
  });
}

placeMenu();
fit();
focusBoard();
