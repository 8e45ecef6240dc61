// The page around the rules: the game window with its menu bar, board canvas and read-outs,
// the About and Instructions windows and the message boxes. Keys, clicks and commands are
// queued here for the program to take when it waits; the program calls in through
// page_library.js and never from here.
var Page = (function () {
  'use strict';

  const BOARD = 352;
  const CELL = 16;
  // The kinds of queued input, as web/page_host.cpp reads them.
  const KEY = 1, CLICK = 2, MENU = 3, INSTRUCTIONS_CLOSED = 4, CLOSE_BOX = 5;
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

  const $ = (selector, from) => (from || document).querySelector(selector);
  const main = $('#main');
  const about = $('#about');
  const instructions = $('#instructions');
  const board = $('#board').getContext('2d');
  const readouts = document.querySelectorAll('#client .readout');
  const modal = $('#modal');

  // ---- Input for the program, and waking it when it waits.
  const queue = [];
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

  // ---- Windows: the active one takes the keys; the title bar drags a window.
  let active = main;
  let topmost = 10;
  let closed = false;
  const pointer = { x: 0, y: 0 };
  function activate(win) {
    for (const w of [main, about, instructions]) {
      w.classList.toggle('active', w === win);
    }
    active = win;
    win.style.zIndex = ++topmost;
  }
  // Where a window of this size goes when wanted at (x, y): pulled back onto the page.
  function placeAt(win, x, y) {
    const left = Math.min(x, window.innerWidth - win.offsetWidth);
    const top = Math.min(y, window.innerHeight - win.offsetHeight);
    win.style.left = Math.max(0, left) + 'px';
    win.style.top = Math.max(0, top) + 'px';
  }
  function showWindow(win, x, y) {
    win.hidden = false;
    placeAt(win, x, y);
    activate(win);
  }
  let drag = null;
  document.addEventListener('mousedown', (e) => {
    pointer.x = e.clientX;
    pointer.y = e.clientY;
    const win = e.target.closest('.window');
    if (win && !win.classList.contains('box')) {
      activate(win);
    }
    if (win && e.button === 0 && e.target.closest('.title') && !e.target.closest('button')) {
      drag = { win, dx: e.clientX - win.offsetLeft, dy: e.clientY - win.offsetTop };
    }
  });
  document.addEventListener('mousemove', (e) => {
    pointer.x = e.clientX;
    pointer.y = e.clientY;
    if (drag) {
      drag.win.style.left = (e.clientX - drag.dx) + 'px';
      drag.win.style.top = (e.clientY - drag.dy) + 'px';
    }
  });

  // ---- The board: clicks over a cell, keys as virtual key codes.
  let pressed = false;
  board.canvas.addEventListener('mousedown', (e) => {
    pressed = e.button === 0;
  });
  document.addEventListener('mouseup', (e) => {
    drag = null;
    if (e.button !== 0 || !pressed) {
      return;
    }
    pressed = false;
    const rect = board.canvas.getBoundingClientRect();
    const x = Math.floor((e.clientX - rect.left) * BOARD / rect.width);
    const y = Math.floor((e.clientY - rect.top) * BOARD / rect.height);
    if (x >= 0 && y >= 0 && x < BOARD && y < BOARD && modal.hidden) {
      queueInput(CLICK, Math.floor(x / CELL), Math.floor(y / CELL));
    }
  });
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
    if (e.key in NAMED_KEYS) {
      return NAMED_KEYS[e.key];
    }
    if (/^F([1-9]|1[0-2])$/.test(e.key)) {
      return 111 + Number(e.key.slice(1));
    }
    return /^[a-z0-9]$/i.test(e.key) ? e.key.toUpperCase().charCodeAt(0) : 0;
  }
  function letterOf(e) {
    return (/^\p{L}$/u.test(e.key) ? e.key : e.code.replace(/^Key/, '')).toUpperCase();
  }
  document.addEventListener('keydown', (e) => {
    if (closed) {
      return;
    }
    const box = boxes[boxes.length - 1];
    if (box) {
      e.preventDefault();
      box.key(e);
      return;
    }
    // The browser keeps its own shortcuts (reload, developer tools, ...).
    const browsers = e.ctrlKey || e.metaKey || /^F\d+$/.test(e.key);
    if (!browsers) {
      e.preventDefault();
    }
    if (active === about) {
      if (e.key === 'Enter' || e.key === 'Escape' || e.key === ' ') {
        hideAbout();
      }
    } else if (active === main && e.key !== 'Tab' &&
               !(e.altKey && runAccelerator(letterOf(e)))) {
      queueInput(KEY, virtualKey(e));
    }
  });

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

  // ---- Message boxes: modal, at the pointer, or where the last one was while the pointer
  // has not moved since it closed.
  const boxes = [];
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
  function openBox(question, message) {
    const id = ++boxCount;
    const el = $('#box').content.firstElementChild.cloneNode(true);
    const icon = $('.icon', el);
    icon.textContent = question ? '?' : 'i';
    icon.style.background = question ? '#2f6fbf' : '#2f8fd0';
    $('.text', el).textContent = Language.message(message);
    drawIcon($('.title canvas', el));
    // Each button: its answer, its caption, and whether Enter presses it.
    const buttons = (question ? [{ code: 'Y', caption: '&Yes', isDefault: true },
                                 { code: 'N', caption: '&No' }, { code: 'C', caption: 'Cancel' }]
                              : [{ code: ' ', caption: 'OK', isDefault: true }])
        .map((b) => Object.assign(b, { caption: Language.button(b.caption) }));
    const escape = question ? 'C' : ' ';
    const box = { id, el, answer: (code) => closeBox(box, code) };
    for (const b of buttons) {
      const button = document.createElement('button');
      button.type = 'button';
      button.append(captionHtml(b.caption));
      button.dataset.answer = b.code;
      button.classList.toggle('default', !!b.isDefault);
      button.addEventListener('click', () => box.answer(b.code));
      $('.buttons', el).append(button);
    }
    $('.close', el).addEventListener('click', () => box.answer(escape));
    box.key = (e) => {
      const mnemonic = buttons.find((b) => b.caption.includes('&' + e.key.toUpperCase()));
      if (e.key === 'Escape') {
        box.answer(escape);
      } else if (e.key === 'Enter' || e.key === ' ') {
        const focused = el.contains(document.activeElement) && document.activeElement.dataset.answer;
        box.answer(focused || buttons[0].code);
      } else if (mnemonic) {
        box.answer(mnemonic.code);
      }
    };
    // Input queued for the window that the box now blocks does not reach it.
    for (let i = queue.length - 1; i >= 0; --i) {
      if (queue[i][0] === KEY || queue[i][0] === CLICK || queue[i][0] === MENU) {
        queue.splice(i, 1);
      }
    }
    boxes.push(box);
    modal.hidden = false;
    el.style.zIndex = 100001 + boxes.length;
    document.body.append(el);
    const anchor = dialogAnchor();
    placeAt(el, anchor.x, anchor.y);
    $('button.default', el).focus();
    return id;
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
    answers.set(box.id, code.charCodeAt(0));
    wake();
  }

  // ---- The About and Instructions windows.
  function hideAbout() {
    about.hidden = true;
    activate(main);
  }
  $('.ok', about).addEventListener('click', hideAbout);
  $('.close', about).addEventListener('click', hideAbout);
  $('.address', about).textContent = location.href.replace(/[A-Z]/g, (c) => c.toLowerCase());
  $('.built', about).textContent =
      document.querySelector('meta[name="stonewick-built"]').content;
  $('.close', instructions).addEventListener('click', () => {
    if (!instructions.hidden) {
      instructions.hidden = true;
      activate(main);
      queueInput(INSTRUCTIONS_CLOSED);
    }
  });
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

  // The desktop opens the game window at (482, 249) and the Instructions at (377, 140).
  placeAt(main, 482, 249);
  let firstBoard = true;

  return {
    BOARD,
    yieldOnce(wakeUp) {
      afterOneTurn(wakeUp);
    },
    wait(ms, wakeUp) {
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
      return queue.shift();
    },
    nowDays() {
      const now = new Date();
      return (now.getTime() - now.getTimezoneOffset() * 60000) / 86400000 + 25569;
    },
    present(pixels, x, y, width, height) {
      board.putImageData(new ImageData(pixels, BOARD, BOARD), 0, 0, x, y, width, height);
      if (firstBoard) {
        firstBoard = false;
        performance.mark('stonewick-first-board');
      }
    },
    setIcon(pixels, width, height) {
      icon = new ImageData(new Uint8ClampedArray(pixels), width, height);
      document.querySelectorAll('.title canvas, #about .header canvas').forEach(drawIcon);
      const link = document.querySelector('link[rel="icon"]');
      link.href = $('#about .header canvas').toDataURL();
    },
    showReadout(readout, text) {
      readouts[readout].textContent = Language.readout(text);
    },
    addCommand(command, caption, visible) {
      const button = document.createElement('button');
      button.type = 'button';
      button.tabIndex = -1;
      button.hidden = !visible;
      // The board keeps the keyboard: a click on the bar does not take the focus.
      button.addEventListener('mousedown', (e) => e.preventDefault());
      button.addEventListener('click', () => modal.hidden && queueInput(MENU, command));
      commands[command] = button;
      $('#menu').append(button);
      this.setCaption(command, caption);
    },
    setCaption(command, english) {
      const button = commands[command];
      const caption = Language.caption(english);
      button.replaceChildren(captionHtml(caption));
      button.dataset.accelerator = (caption[caption.indexOf('&') + 1] || '').toUpperCase();
    },
    enableCommand(command, enabled) {
      commands[command].disabled = !enabled;
    },
    openBox,
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
    setInstructionsText(text) {
      $('.memo', instructions).textContent = Language.tr('Instructions', text);
    },
    showInstructions(rgb) {
      $('.memo', instructions).style.background = '#' + rgb.toString(16).padStart(6, '0');
      if (instructions.hidden) {
        showWindow(instructions, 377, 140);
      } else {
        activate(instructions);
      }
    },
    close() {
      closed = true;
      for (const el of document.querySelectorAll('.window')) {
        el.hidden = true;
      }
      modal.hidden = true;
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
    // gzip's trailer: the CRC-32 of the input, then its length, both little-endian.
    async crc32(bytes) {
      const gzip = new Blob([bytes]).stream().pipeThrough(new CompressionStream('gzip'));
      const out = new Uint8Array(await new Response(gzip).arrayBuffer());
      return new DataView(out.buffer).getUint32(out.length - 8, true);
    },
    offerRecording,
  };
})();

Module.onAbort = function (what) {
  document.body.append(Language.stopped(what));
  // What was recorded up to the last whole block is still worth having.
  document.querySelector('#closed').hidden = false;
  Page.offerRecording();
};
