// The page around the rules: the game window with its menu bar, board canvas and read-outs,
// the About and Instructions windows and the message boxes, scaled to fit the screen, with a
// touch pad on touch screens. Keys, taps, swipes, clicks and commands are queued here for the
// program to take when it waits; the program calls in through page_library.js and never from
// here.
var Page = (function () {
  'use strict';

  const BOARD = 352;
  const CELL = 16;
  // The kinds of queued input, as web/page_host.cpp reads them.
  const KEY = 1, CLICK = 2, MENU = 3, INSTRUCTIONS_CLOSED = 4, CLOSE_BOX = 5, RECORDING = 6,
        JUMP = 7;
  // Virtual key codes of the keys that have no character of their own, as the window gives
  // them; Clear is also the keypad's 5 with Num Lock off.
  const NAMED_KEYS = { Backspace: 8, Tab: 9, Clear: 12, Enter: 13, Shift: 16, Control: 17,
                       Alt: 18, Pause: 19, CapsLock: 20, Escape: 27, ' ': 32, PageUp: 33,
                       PageDown: 34, End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38,
                       ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46, NumLock: 144,
                       ScrollLock: 145 };
  // The keypad's * + - /, told by the key's place: the same characters elsewhere on the
  // keyboard sit on keys that differ from layout to layout, and stay 0.
  const KEYPAD_OPERATORS = { NumpadMultiply: 106, NumpadAdd: 107, NumpadSubtract: 109,
                             NumpadDivide: 111 };
  // + and - beside the digits, whatever the layout: a recording's speed.
  const PLUS_MINUS = { '+': 187, '=': 187, '-': 189, '_': 189 };
  const LEFT = 37, UP = 38, RIGHT = 39, DOWN = 40;
  // A finger moved this far on the board (screen pixels) is a swipe, one arrow key for each
  // such stretch; less is a tap on the cell.
  const SWIPE = 24;
  // A held pad button repeats like a held key.
  const REPEAT_DELAY_MS = 350, REPEAT_MS = 110;

  const $ = (selector, from) => (from || document).querySelector(selector);
  const desktop = $('#desktop');
  const main = $('#main');
  const about = $('#about');
  const instructions = $('#instructions');
  const board = $('#board').getContext('2d');
  const readouts = document.querySelectorAll('#client .readout');
  const modal = $('#modal');
  const pausedNotice = $('#paused');

  // ---- Input for the program, and waking it when it waits.
  const queue = [];
  let holdFrame = false;  // the next frame may wait for its time (see flush)
  let waker = null;
  let wakeTimer = 0;
  let wakePending = false;
  const turns = [];
  const channel = new MessageChannel();
  channel.port1.onmessage = () => turns.shift()();
  function afterOneTurn(fn) {
    turns.push(fn);
    channel.port2.postMessage(0);
  }
  function wake() {
    clearTimeout(wakeTimer);
    // Frames drawn inside the coming step (a smash's, a read-out's) show as they come.
    holdFrame = false;
    const wakeUp = waker;
    waker = null;
    if (wakeUp) {
      wakeUp();
    } else {
      wakePending = true;
    }
  }
  function queueInput(kind, a, b) {
    if (closed) {
      return;
    }
    queue.push([kind, a || 0, b || 0]);
    wake();
  }

  // ---- The desktop: the windows' own coordinates, scaled to fit the screen: crisp where the
  // game fits at full size or more, smoothly below. On a touch screen the menu is a bar across
  // the top of the screen and the pad goes under the game window in portrait and on both
  // sides of it in landscape, both in the screen's own pixels, big enough for a finger.
  const MARGIN = 8;
  const PAD_GAP = 8;
  const TAP = 44;
  const NO_REACH = { left: 0, right: 0, below: 0 };
  const gameScreen = $('#screen');
  const menu = $('#menu');
  const touchPad = document.querySelectorAll('.pad');
  let touchScreen = navigator.maxTouchPoints > 0 || matchMedia('(any-pointer: coarse)').matches;
  let scale = 1;
  let mainMoved = false;
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
  function menuBarHeight() {
    return menu.parentNode === gameScreen ? menu.offsetHeight : 0;
  }
  // The largest scale at which the game window and its pad fit the screen with a margin.
  function largestScale(landscape) {
    const r = padReach(landscape);
    const width = window.innerWidth - 2 * MARGIN - r.left - r.right;
    const height = window.innerHeight - menuBarHeight() - 2 * MARGIN - r.below;
    return Math.max(0.1, Math.min(width / main.offsetWidth, height / main.offsetHeight));
  }
  // From full size up, the largest scale that gives each of the board's pixels a whole number
  // of the screen's device pixels (4/3 at a pixel ratio of 1.5); below full size, what fits.
  function crispScale(largest, pixelRatio) {
    return largest < 1 ? largest : Math.max(1, Math.floor(largest * pixelRatio + 1e-6) / pixelRatio);
  }
  // The menu is the game window's, or the touch screen's bar.
  function placeMenu() {
    if (touchScreen && menu.parentNode !== gameScreen) {
      gameScreen.append(menu);
    } else if (!touchScreen && menu.parentNode === gameScreen) {
      main.insertBefore(menu, $('#client'));
    }
  }
  function fit() {
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
                 (desktop.clientHeight - main.offsetHeight - r.below / scale) / 2);
    }
    for (const win of desktop.querySelectorAll('.window:not(#main)')) {
      moveWindow(win, win.offsetLeft, win.offsetTop);
    }
  }
  // Puts a window at (x, y) on the desktop, pulled back so that it stays on it whole (the
  // game window with its pad). Any other window is laid out from the desktop's left edge
  // first, so that a box's text wraps to the desktop's width rather than to what is left of it.
  function moveWindow(win, x, y) {
    const r = win === main ? padReach(main.classList.contains('landscape')) : NO_REACH;
    if (win !== main) {
      win.style.left = '0px';
    }
    const right = desktop.clientWidth - win.offsetWidth - r.right / scale;
    const bottom = desktop.clientHeight - win.offsetHeight - r.below / scale;
    win.style.left = Math.round(Math.max(r.left / scale, Math.min(x, right))) + 'px';
    win.style.top = Math.round(Math.max(0, Math.min(y, bottom))) + 'px';
    if (win === main) {
      placePads();
    }
  }
  // The pad beside the game window wherever it is, in screen pixels.
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
      put(arrows, left - PAD_GAP - arrows.offsetWidth, bottom - arrows.offsetHeight);
      put(actions, right + PAD_GAP, bottom - actions.offsetHeight);
    } else {
      put(arrows, left, bottom + PAD_GAP);
      put(actions, right - actions.offsetWidth, bottom + PAD_GAP);
    }
  }
  // Whenever the screen or the game window changes size, for whatever reason: a turned
  // phone, a language's wider menu, the playback bar.
  window.addEventListener('resize', fit);
  if (window.ResizeObserver) {
    const resized = new ResizeObserver(() => fit());
    resized.observe(main);
    resized.observe(menu);
  }

  // ---- Windows: the one with the focus is active; the title bar drags a window.
  let topmost = 10;
  let closed = false;
  const pointer = { x: 0, y: 0 };  // on the desktop
  function activate(win) {
    for (const w of [main, about, instructions]) {
      w.classList.toggle('active', w === win);
    }
    win.style.zIndex = ++topmost;
  }
  // Where each window takes the keys when it is clicked or shown.
  function focusTarget(win) {
    if (win === about) {
      return $('.ok', about);
    }
    return win === instructions ? $('.memo', instructions) : board.canvas;
  }
  function focusBoard() {
    board.canvas.focus({ preventScroll: true });
  }
  function showWindow(win, x, y) {
    win.hidden = false;
    moveWindow(win, x, y);
    activate(win);
    focusTarget(win).focus({ preventScroll: true });
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
  // A finger or button let go anywhere ends what it held, whatever has the pointer since.
  for (const end of ['pointerup', 'pointercancel']) {
    document.addEventListener(end, (e) => {
      drag = null;
      if (held && held.pointer === e.pointerId) {
        release();
      }
      if (press && press.id === e.pointerId && e.target !== board.canvas) {
        press = null;
      }
    });
  }

  // ---- The board: a mouse click over a cell, a tap on one, a swipe as an arrow key.
  let press = null;
  board.canvas.addEventListener('pointerdown', (e) => {
    if (e.button !== 0 || !modal.hidden) {
      return;
    }
    if (e.pointerType !== 'mouse') {
      touchScreen || switchToTouch();
    }
    press = { id: e.pointerId, mouse: e.pointerType === 'mouse', x: e.clientX, y: e.clientY,
              at: e, swiped: false };
    board.canvas.setPointerCapture(e.pointerId);
  });
  board.canvas.addEventListener('pointermove', (e) => {
    if (!press || press.mouse || e.pointerId !== press.id) {
      return;
    }
    if (!modal.hidden) {
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
  board.canvas.addEventListener('pointerup', (e) => {
    if (!press || e.pointerId !== press.id) {
      return;
    }
    const ended = press;
    press = null;
    if (ended.swiped || !modal.hidden) {
      return;
    }
    // The mouse clicks where it is let go, a finger taps where it came down.
    const where = ended.mouse ? e : ended.at;
    const rect = board.canvas.getBoundingClientRect();
    const x = Math.floor((where.clientX - rect.left) * BOARD / rect.width);
    const y = Math.floor((where.clientY - rect.top) * BOARD / rect.height);
    if (x >= 0 && y >= 0 && x < BOARD && y < BOARD) {
      queueInput(CLICK, Math.floor(x / CELL), Math.floor(y / CELL));
    }
  });
  for (const end of ['pointercancel', 'lostpointercapture']) {
    board.canvas.addEventListener(end, () => {
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
      if (!modal.hidden) {
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
  function switchToTouch() {
    touchScreen = true;
    placeMenu();
    fit();
  }

  // ---- Keys: to the top box, to the About or Instructions window that has the focus, or to
  // the game as virtual key codes.
  // Letters and digits are their upper-case character's code, the keypad's digits 96 to 105
  // and its * + - / 106, 107, 109 and 111, and F1 to F12 112 to 123, as on the desktop; other
  // keys without a code of their own are 0, which still counts as a key.
  function virtualKey(e) {
    if (/^\d$/.test(e.key) && e.code.startsWith('Numpad')) {
      return 96 + Number(e.key);
    }
    if (e.code in KEYPAD_OPERATORS) {
      return KEYPAD_OPERATORS[e.code];
    }
    if (e.key in PLUS_MINUS) {
      return PLUS_MINUS[e.key];
    }
    if (e.key in NAMED_KEYS) {
      return NAMED_KEYS[e.key];
    }
    if (/^F([1-9]|1[0-2])$/.test(e.key)) {
      return 111 + Number(e.key.slice(1));
    }
    if (/^[a-z0-9]$/i.test(e.key)) {
      return e.key.toUpperCase().charCodeAt(0);
    }
    // A layout whose letters are not Latin (Russian, Greek...) gives the game's letters by
    // the key's place, as a US keyboard names it: recordings keep the same codes.
    const place = placedLetter(e);
    return place && /^\p{L}$/u.test(e.key) ? place.charCodeAt(0) : 0;
  }
  // The letter or digit a US keyboard has where the key is, or ''.
  function placedLetter(e) {
    const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(e.code || '');
    return place ? place[1] || place[2] : '';
  }
  function letterOf(e) {
    return (/^\p{L}$/u.test(e.key) ? e.key : e.code.replace(/^Key/, '')).toUpperCase();
  }
  // An Alt letter of the menu: the key's own letter, or where that is not a Latin one and
  // runs nothing, the letter of its place.
  function runAltLetter(e) {
    const letter = letterOf(e);
    return runAccelerator(letter) ||
           (!/^[A-Z0-9]$/.test(letter) && placedLetter(e) !== '' && runAccelerator(placedLetter(e)));
  }

  // Held input stops when a box opens, the page hides or loses the keyboard: the pad's
  // repeat, a swipe under way, and the keys held down, whose repeats no longer count until
  // they are pressed again.
  const keysDown = new Set();
  let staleKeys = new Set();
  function stopHeldInput() {
    release();
    press = null;
    staleKeys = new Set(keysDown);
  }
  document.addEventListener('keyup', (e) => {
    keysDown.delete(e.code);
    staleKeys.delete(e.code);
  });
  window.addEventListener('blur', () => {
    stopHeldInput();
    keysDown.clear();
  });
  document.addEventListener('keydown', (e) => {
    if (closed) {
      return;
    }
    if (e.repeat && staleKeys.has(e.code)) {
      e.preventDefault();
      return;
    }
    staleKeys.delete(e.code);
    keysDown.add(e.code);
    const box = boxes[boxes.length - 1];
    if (box) {
      e.preventDefault();
      box.key(e);
      return;
    }
    // While a recording plays every key steers it, in any window and over its boxes; the
    // Alt letters still reach the menu, whose Exit stays usable.
    if (watching) {
      if (!(e.ctrlKey || e.metaKey)) {
        e.preventDefault();
      }
      if (e.key === 'F1') {
        showWatchKeys();
      } else if (!(e.altKey && runAltLetter(e))) {
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
    // Tab moves the focus through the window; Enter and Space press the button it is on,
    // and Esc leaves the menu for the board.
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

  // Tab keeps to a dialog: from its last button to its first, Shift+Tab the other way.
  function cycleFocus(win, backwards) {
    const all = [...win.querySelectorAll('button, [tabindex="0"]')];
    const at = all.indexOf(document.activeElement);
    const next = at < 0 ? (backwards ? all.length - 1 : 0)
                        : (at + (backwards ? all.length - 1 : 1)) % all.length;
    all[next].focus();
  }

  // ---- The menu bar: each command's '&' letter is its Alt accelerator.
  const commands = [];
  function captionHtml(caption) {
    const span = document.createElement('span');
    const at = caption.indexOf('&');
    if (at < 0) {
      span.append(caption);
      return span;
    }
    const letter = document.createElement('u');
    letter.textContent = caption[at + 1];
    span.append(caption.slice(0, at), letter, caption.slice(at + 2));
    return span;
  }
  function runAccelerator(letter) {
    const command = commands.findIndex((c) => c && !c.hidden && !c.disabled &&
                                       c.dataset.accelerator === letter);
    if (command >= 0) {
      queueInput(MENU, command);
    }
    return command >= 0;
  }

  // ---- Message boxes: modal dialogs at the pointer, or where the last one was while the
  // pointer has not moved since it closed. Tab goes round their buttons.
  const boxes = [];
  const shownBoxes = new Map();  // the boxes of a recording being watched, by number
  const answers = new Map();
  let boxCount = 0;
  const lastAnchor = { x: 0, y: 0 };
  const lastClose = { x: NaN, y: NaN };
  function dialogAnchor() {
    const p = (pointer.x === lastClose.x && pointer.y === lastClose.y) ? lastAnchor : pointer;
    lastAnchor.x = p.x;
    lastAnchor.y = p.y;
    return { x: p.x, y: p.y };
  }
  // A box of the program's: `buttons` are its answers, the first pressed by Enter, `escape`
  // what Esc and the close box answer. A modal box takes the keys and blocks the window; the
  // boxes of a recording being watched do neither, and close only as the recording does.
  function makeBox(question, message, english, escape, modal) {
    const id = ++boxCount;
    // The buttons in the player's language, whose Alt letters answer.
    const buttons = english.map((b) => Object.assign({}, b, { caption: Language.button(b.caption) }));
    const el = $('#box').content.firstElementChild.cloneNode(true);
    const icon = $('.icon', el);
    icon.textContent = question ? '?' : 'i';
    icon.style.background = question ? '#2f6fbf' : '#2f8fd0';
    showText($('.text', el), Language.message(message));
    $('.caption', el).id = `box-${id}-caption`;
    $('.text', el).id = `box-${id}-text`;
    el.setAttribute('aria-labelledby', `box-${id}-caption`);
    el.setAttribute('aria-describedby', `box-${id}-text`);
    el.setAttribute('aria-modal', modal ? 'true' : 'false');
    drawIcon($('.title canvas', el));
    const box = { id, el, answer: (code) => closeBox(box, code) };
    for (const b of buttons) {
      const button = document.createElement('button');
      button.type = 'button';
      button.append(captionHtml(b.caption));
      button.dataset.answer = b.code;
      button.classList.toggle('default', b === buttons[0]);
      button.disabled = !modal;
      button.addEventListener('click', () => box.answer(b.code));
      $('.buttons', el).append(button);
    }
    $('.close', el).disabled = !modal;
    $('.close', el).addEventListener('click', () => box.answer(escape));
    box.key = (e) => {
      const placed = /^[A-Z0-9]$/i.test(e.key) ? '' : placedLetter(e);
      const mnemonic = buttons.find((b) => b.caption.includes('&' + e.key.toUpperCase())) ||
                       (placed && buttons.find((b) => b.caption.includes('&' + placed)));
      if (e.key === 'Tab') {
        cycleFocus(el, e.shiftKey);
      } else if (e.key === 'Escape') {
        box.answer(escape);
      } else if (e.key === 'Enter' || e.key === ' ') {
        const focused = el.contains(document.activeElement) && document.activeElement.dataset.answer;
        box.answer(focused || buttons[0].code);
      } else if (mnemonic) {
        box.answer(mnemonic.code);
      }
    };
    el.style.zIndex = 100001 + boxCount;
    desktop.append(el);
    const anchor = dialogAnchor();
    moveWindow(el, anchor.x, anchor.y);
    if (!modal) {
      shownBoxes.set(id, el);
      return id;
    }
    // Input queued for the window that the box now blocks does not reach it.
    for (let i = queue.length - 1; i >= 0; --i) {
      if (queue[i][0] === KEY || queue[i][0] === CLICK || queue[i][0] === MENU) {
        queue.splice(i, 1);
      }
    }
    stopHeldInput();
    boxes.push(box);
    modal.hidden = false;
    $('button.default', el).focus({ preventScroll: true });
    return id;
  }
  // A text whose lines a tab parts in two shows as two columns.
  function showText(element, text) {
    if (!text.includes('\t')) {
      element.textContent = text;
      return;
    }
    const table = document.createElement('table');
    for (const line of text.split('\n')) {
      const row = table.insertRow();
      for (const part of line.split('\t')) {
        row.insertCell().textContent = part;
      }
    }
    element.replaceChildren(table);
  }
  function openBox(question, message, modal) {
    return question
        ? makeBox(true, message, [{ code: 'Y', caption: '&Yes' }, { code: 'N', caption: '&No' },
                                  { code: 'C', caption: 'Cancel' }], 'C', modal)
        : makeBox(false, message, [{ code: ' ', caption: 'OK' }], ' ', modal);
  }
  // The verdict on a recording watched; `differs` offers to go to the first difference.
  function openVerdict(verdict, differs) {
    const buttons = [{ code: ' ', caption: 'OK' }];
    if (differs) {
      buttons.push({ code: 'D', caption: Language.tr('Playback', 'Go to the difference') });
    }
    return makeBox(false, verdict, buttons, ' ', true);
  }
  // A box of a recording being watched closes as the recording closes it.
  function closeShownBox(id) {
    const el = shownBoxes.get(id);
    if (el) {
      shownBoxes.delete(id);
      el.remove();
      lastClose.x = pointer.x;
      lastClose.y = pointer.y;
    }
  }
  function closeBox(box, code) {
    const at = boxes.indexOf(box);
    if (at < 0) {
      return;
    }
    boxes.splice(at, 1);
    box.el.remove();
    modal.hidden = boxes.length === 0;
    lastClose.x = pointer.x;
    lastClose.y = pointer.y;
    if (box.id === told) {
      told = null;
    } else {
      answers.set(box.id, code.charCodeAt(0));
    }
    const next = boxes[boxes.length - 1];
    next ? $('button.default', next.el).focus() : focusBoard();
    wake();
  }

  // ---- The About and Instructions windows: the keys go back to the board as they close.
  function hideAbout() {
    about.hidden = true;
    focusBoard();
  }
  function closeInstructions() {
    if (!instructions.hidden) {
      instructions.hidden = true;
      focusBoard();
      queueInput(INSTRUCTIONS_CLOSED);
    }
  }
  $('.ok', about).addEventListener('click', hideAbout);
  $('.close', about).addEventListener('click', hideAbout);
  $('.address', about).textContent = location.href.replace(/[A-Z]/g, (c) => c.toLowerCase());
  $('.built', about).textContent =
      document.querySelector('meta[name="stonewick-built"]').content;
  $('.close', instructions).addEventListener('click', closeInstructions);
  $('.close', main).addEventListener('click', () => {
    if (modal.hidden) {
      queueInput(CLOSE_BOX);
    }
  });

  let icon = null;
  function drawIcon(canvas) {
    if (icon) {
      canvas.getContext('2d').putImageData(icon, 0, 0);
    }
  }

  // ---- A hidden page pauses running play with the Pause command, as a player would, so
  // that a recording holds it; the page says why play stands until the player resumes.
  let playRunning = false;
  let pauseCommand = -1;
  let pausedWhileHidden = false;
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) {
      stopHeldInput();
    }
    if (document.hidden && playRunning && modal.hidden && !closed) {
      pausedWhileHidden = true;
      queueInput(MENU, pauseCommand);
    }
  });

  // ---- The recording, when the address asks for one (?record): the program hands over its
  // lines as each block ends; once the game has closed the player is offered the file.
  const recording = new URLSearchParams(location.search).has('record') ? [] : null;
  const started = new Date();
  // "yyyy-mm-dd hh:mm:ss" in local time.
  function localDate(date) {
    const two = (n) => String(n).padStart(2, '0');
    return `${date.getFullYear()}-${two(date.getMonth() + 1)}-${two(date.getDate())} ` +
           `${two(date.getHours())}:${two(date.getMinutes())}:${two(date.getSeconds())}`;
  }
  // Leaving the page would lose the recording: the browser asks first while the game runs.
  window.addEventListener('beforeunload', (e) => {
    if (recording && !$('#closed .download').href) {
      e.preventDefault();
      e.returnValue = '';
    }
  });
  function offerRecording() {
    const link = $('#closed .download');
    if (!recording || link.href) {
      return;
    }
    link.href = URL.createObjectURL(new Blob(recording, { type: 'text/plain' }));
    link.download = `stonewick-${localDate(started).replace(' ', '-').replace(/:/g, '')}.rec`;
    link.hidden = false;
    link.click();
  }

  // ---- Watching a recording: opened with the button, dropped on the page, or named by
  // ?play=NAME on the same site. The program takes it whole; while it plays, the keys steer
  // it and the playback bar under the board shows where it stands.
  let watching = false;
  // The recordings opened, { bytes, name } each, in order, until the program takes them: one
  // for each RECORDING input, so that two dropped at once both play, one after the other.
  const opened = [];
  const playback = $('#playback');
  const track = $('.track', playback);
  let lengthMs = 0;
  function openRecording(bytes, name) {
    opened.push({ bytes, name });
    queueInput(RECORDING);
  }
  function openFile(file) {
    if (file) {
      file.arrayBuffer().then((buffer) => openRecording(new Uint8Array(buffer), file.name),
                              (error) => tell(`Stonewick cannot read ${file.name}: ${error}`));
    }
  }
  // A message of the page's own, answered by the player alone; a new one takes the place of
  // the one still open, so that they never pile up.
  let told = null;
  function tell(message) {
    const previous = boxes.find((box) => box.id === told);
    if (previous) {
      closeBox(previous, ' ');
    }
    told = makeBox(false, message, [{ code: ' ', caption: 'OK' }], ' ', true);
  }
  const chooser = $('#recording-file');
  $('#opener').addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', () => {
    openFile(chooser.files[0]);
    chooser.value = '';
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    openFile(e.dataTransfer.files[0]);
  });
  const askedToPlay = new URLSearchParams(location.search).get('play');
  // ?play= with no name would fetch the page itself.
  const playName = askedToPlay && askedToPlay.trim() !== '' ? askedToPlay : null;
  if (askedToPlay !== null && playName === null) {
    tell('?play= names no recording: give its name, as in ?play=game.rec');
  } else if (playName !== null) {
    const url = new URL(playName, location.href);
    if (url.origin !== location.origin) {
      tell(`Stonewick plays recordings of its own site only, not ${playName}`);
    } else {
      fetch(url).then((answer) => {
        if (!answer.ok) {
          throw new Error(`${answer.status} ${answer.statusText}`);
        }
        return answer.arrayBuffer();
      }).then((buffer) => openRecording(new Uint8Array(buffer), url.pathname.split('/').pop()),
              (error) => tell(`Stonewick cannot fetch the recording ${playName}: ${error.message}`));
    }
  }
  // A click or a drag on the track jumps there.
  function jumpTo(e) {
    const rect = track.getBoundingClientRect();
    const part = Math.min(1, Math.max(0, (e.clientX - rect.left) / rect.width));
    queueInput(JUMP, Math.round(part * lengthMs));
  }
  track.addEventListener('pointerdown', (e) => {
    if (e.button === 0) {
      track.setPointerCapture(e.pointerId);
      jumpTo(e);
    }
  });
  track.addEventListener('pointermove', (e) => {
    if (track.hasPointerCapture(e.pointerId)) {
      jumpTo(e);
    }
  });
  let keysHelp = '';
  function showWatchKeys() {
    if (keysHelp) {
      tell(keysHelp);
    }
  }
  function showWatching(status) {
    $('.title span', main).textContent =
        status.watching ? `Stonewick - ${status.name}` : 'Stonewick';
    if (!status.watching) {
      return;
    }
    lengthMs = status.lengthMs;
    const state = status.finished ? Language.tr('Playback', 'finished')
                                  : status.paused ? Language.tr('Playback', 'paused') : '';
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = status.name;
    const where = document.createElement('span');
    where.className = 'where';
    where.textContent = [status.position, status.speed, state].filter((part) => part)
        .map((part) => '   ' + part).join('');
    $('.state', playback).replaceChildren(name, where);
    const at = (ms) => (lengthMs > 0 ? Math.min(1, ms / lengthMs) * 100 : 0) + '%';
    $('.played', playback).style.width = at(status.positionMs);
    $('.handle', playback).style.left = at(status.positionMs);
    const kinds = ['opened-box', 'new-level', 'difference'];
    $('.marks', playback).replaceChildren(...status.marks.map(([kind, ms]) => {
      const mark = document.createElement('div');
      mark.className = 'mark ' + kinds[kind];
      mark.style.left = at(ms);
      return mark;
    }));
    const verdict = $('.verdict', playback);
    verdict.textContent = Language.message(status.verdict);
    verdict.classList.toggle('differs', status.differs);
    $('.keys', playback).textContent = Language.tr('Playback', status.keys);
    keysHelp = status.help;
    track.setAttribute('aria-valuetext', status.position);
  }
  function setWatching(on) {
    watching = on;
    main.classList.toggle('watching', on);
    playback.hidden = !on;
    fit();
  }

  // ---- The read-outs keep their places in the window unless a large number or a language's
  // longer words would run one into the next or past the board's right edge: then they move
  // apart, and back from the edge, no further than they must.
  const READOUT_GAP = 8;
  const BOARD_LEFT = 14;
  const readoutPlaces = Array.from(readouts, (readout) => parseFloat(readout.style.left));
  // Powers on its own row; under it the clock, Kills and At large.
  const READOUT_ROWS = [[0], [1, 3, 4]];
  function spreadReadouts() {
    for (const row of READOUT_ROWS) {
      const lefts = [];
      let edge = BOARD_LEFT;
      for (const n of row) {
        lefts.push(Math.max(readoutPlaces[n], edge));
        edge = lefts[lefts.length - 1] + readouts[n].offsetWidth + READOUT_GAP;
      }
      let limit = BOARD_LEFT + BOARD;
      for (let i = row.length - 1; i >= 0; --i) {
        lefts[i] = Math.max(BOARD_LEFT, Math.min(lefts[i], limit - readouts[row[i]].offsetWidth));
        limit = lefts[i] - READOUT_GAP;
      }
      row.forEach((n, i) => {
        readouts[n].style.left = lefts[i] + 'px';
      });
    }
  }

  // ---- Showing the board. The cells drawn since the last frame are copied to the canvas
  // once the program waits or yields. What the timers changed while the player gave no
  // input shows at most once a frame time, with the read-outs, so that a busy level costs the
  // browser fewer frames; what a key, click or command did shows at once.
  const FRAME_MS = 250;
  const dirty = { left: BOARD, top: BOARD, right: 0, bottom: 0, pixels: null };
  const shownReadouts = [];
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

  placeMenu();
  fit();
  focusBoard();

  return {
    BOARD,
    yieldOnce(wakeUp) {
      afterOneTurn(wakeUp);
    },
    wait(ms, wakeUp) {
      // The event loop waits again: what only the timers drew may wait for its frame.
      holdFrame = !inputTaken;
      inputTaken = false;
      if (queue.length > 0 || wakePending) {
        wakePending = false;
        wakeUp();
        return;
      }
      waker = wakeUp;
      if (ms === 0) {
        afterOneTurn(() => waker === wakeUp && wake());
      } else if (ms > 0) {
        wakeTimer = setTimeout(wake, ms);
      }
    },
    takeInput() {
      const input = queue.shift();
      if (input) {
        inputTaken = true;
        holdFrame = false;
        if (frameTimer) {
          flush();
        }
      }
      return input;
    },
    nowDays() {
      const now = new Date();
      return (now.getTime() - now.getTimezoneOffset() * 60000) / 86400000 + 25569;
    },
    // pixels() views the board's pixels as they stand.
    present(pixels, x, y, width, height) {
      dirty.pixels = pixels;
      dirty.left = Math.min(dirty.left, x);
      dirty.top = Math.min(dirty.top, y);
      dirty.right = Math.max(dirty.right, x + width);
      dirty.bottom = Math.max(dirty.bottom, y + height);
      queueFlush();
    },
    setIcon(pixels, width, height) {
      icon = new ImageData(new Uint8ClampedArray(pixels), width, height);
      document.querySelectorAll('.title canvas, #about .header canvas').forEach(drawIcon);
    },
    // The clock is set at every slow tick but changes once a second: only a change needs a
    // frame.
    showReadout(readout, text) {
      const translated = Language.readout(text);
      const shown = readout in shownReadouts ? shownReadouts[readout]
                                             : readouts[readout].textContent;
      if (translated !== shown) {
        shownReadouts[readout] = translated;
        queueFlush();
      }
    },
    addCommand(command, caption, visible) {
      const button = document.createElement('button');
      button.type = 'button';
      button.hidden = !visible;
      // A click on the bar leaves the keyboard with the board.
      button.addEventListener('mousedown', (e) => e.preventDefault());
      button.addEventListener('click', () => {
        // The keys go back to the board first: the command may open a window that takes them.
        if (modal.hidden) {
          focusBoard();
          queueInput(MENU, command);
        }
      });
      commands[command] = button;
      menu.append(button);
      this.setCaption(command, caption);
    },
    setCaption(command, english) {
      const button = commands[command];
      const caption = Language.caption(english);
      button.replaceChildren(captionHtml(caption));
      button.dataset.accelerator = (caption[caption.indexOf('&') + 1] || '').toUpperCase();
      button.setAttribute('aria-keyshortcuts', 'Alt+' + button.dataset.accelerator);
    },
    enableCommand(command, enabled) {
      commands[command].disabled = !enabled;
    },
    openBox,
    closeBox: closeShownBox,
    openVerdict,
    boxAnswer(id) {
      const answer = answers.get(id) || 0;
      answers.delete(id);
      return answer;
    },
    showAbout() {
      // Wide enough for the address, with its left margin on both sides.
      about.hidden = false;
      const address = $('.address', about);
      about.style.width = Math.max(310, 2 * address.offsetLeft + address.offsetWidth + 8) + 'px';
      showWindow(about, pointer.x + 1, pointer.y + 1);
    },
    hideAbout() {
      if (!about.hidden) {
        hideAbout();
      }
    },
    hideInstructions() {
      if (!instructions.hidden) {
        instructions.hidden = true;
        focusBoard();
      }
    },
    setInstructionsText(text) {
      $('.memo', instructions).textContent = Language.tr('Instructions', text);
    },
    showInstructions(rgb) {
      $('.memo', instructions).style.background = '#' + rgb.toString(16).padStart(6, '0');
      if (instructions.hidden) {
        // Where the desktop opens it, beside the game window.
        showWindow(instructions, main.offsetLeft - 105, main.offsetTop - 109);
      } else {
        activate(instructions);
        focusTarget(instructions).focus({ preventScroll: true });
      }
    },
    setPlayRunning(running, command) {
      playRunning = running;
      pauseCommand = command;
      if (running) {
        pausedWhileHidden = false;
      }
      pausedNotice.hidden = running || !pausedWhileHidden;
    },
    close() {
      closed = true;
      stopHeldInput();
      gameScreen.hidden = true;
      $('#closed').hidden = false;
    },
    wantsRecording() {
      return recording !== null;
    },
    localDate() {
      return localDate(started);
    },
    record(lines) {
      recording.push(lines);
    },
    // The recording so far is offered as it stands, and starts anew.
    restartRecording() {
      if (recording && recording.length > 0) {
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob(recording, { type: 'text/plain' }));
        link.download = `stonewick-${localDate(new Date()).replace(' ', '-').replace(/:/g, '')}.rec`;
        link.click();
        recording.length = 0;
      }
    },
    willWatch() {
      return playName !== null;
    },
    // The first recording the player opened that the program has not taken; `take` lets go
    // of it.
    openedRecording(take) {
      return (take ? opened.shift() : opened[0]) || null;
    },
    refuseRecording(why) {
      tell(why);
    },
    setWatching,
    showWatching,
    offerRecording,
  };
})();

Module.onAbort = function (what) {
  stonewickFailed(Language.stopped(
      String(what).replace(/\s*Build with -s ASSERTIONS=1 for more info\.?/, '')));
  // What was recorded up to the last whole block is still worth having.
  document.querySelector('#closed').hidden = false;
  Page.offerRecording();
};
