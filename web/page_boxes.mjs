// Message boxes: modal dialogs at the pointer, or where the last one was while the pointer has
// not moved since it closed; the program's, the verdict on a recording watched, the boxes of a
// recording being watched, and the page's own messages. Tab goes round their buttons.
import { drawIcon } from './page_board.mjs';
import { cycleFocus, focusBoard, moveWindow, pointer } from './page_desktop.mjs';
import { $, captionElement, desktop, modal } from './page_elements.mjs';
import { lettersOf } from './page_keys.mjs';
import { wakeProgram } from './page_program.mjs';

const boxes = [];
const shownBoxes = new Map();  // the boxes of a recording being watched, by number
const answers = new Map();
const whenModal = [];
let boxCount = 0;
let told = null;  // the page's own message open, by number
const lastAnchor = { x: 0, y: 0 };
const lastClose = { x: NaN, y: NaN };
function dialogAnchor() {
  const p = (pointer.x === lastClose.x && pointer.y === lastClose.y) ? lastAnchor : pointer;
  lastAnchor.x = p.x;
  lastAnchor.y = p.y;
  return { x: p.x, y: p.y };
}

// `fn` runs as a box that takes the keys opens.
export function onModalBox(fn) {
  whenModal.push(fn);
}
// The box that takes the keys, if one is open.
export function topBox() {
  return boxes[boxes.length - 1];
}

// A box of the program's: `buttons` are its answers, the first pressed by Enter, `escape`
// what Esc and the close box answer. A modal box takes the keys and blocks the window; the
// boxes of a recording being watched do neither, and close only as the recording does.
function makeBox(question, message, english, escape, takesKeys) {
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
  el.setAttribute('aria-modal', takesKeys ? 'true' : 'false');
  drawIcon($('.title canvas', el));
  const box = { id, el, answer: (code) => closeBox(box, code) };
  for (const b of buttons) {
    const button = document.createElement('button');
    button.type = 'button';
    button.append(captionElement(b.caption));
    button.dataset.answer = b.code;
    button.classList.toggle('default', b === buttons[0]);
    button.disabled = !takesKeys;
    button.addEventListener('click', () => box.answer(b.code));
    $('.buttons', el).append(button);
  }
  $('.close', el).disabled = !takesKeys;
  $('.close', el).addEventListener('click', () => box.answer(escape));
  box.key = (e) => {
    const letters = lettersOf(e);
    const mnemonic = buttons.find((b) => letters.some((l) => b.caption.includes('&' + l)));
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
  if (!takesKeys) {
    shownBoxes.set(id, el);
    return id;
  }
  whenModal.forEach((fn) => fn());
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
export function openBox(question, message, takesKeys) {
  return question
      ? makeBox(true, message, [{ code: 'Y', caption: '&Yes' }, { code: 'N', caption: '&No' },
                                { code: 'C', caption: 'Cancel' }], 'C', takesKeys)
      : makeBox(false, message, [{ code: ' ', caption: 'OK' }], ' ', takesKeys);
}
// The verdict on a recording watched, as the session's JSON; `differs` offers to go to the
// first difference.
export function openVerdict(verdictJson, differs) {
  const buttons = [{ code: ' ', caption: 'OK' }];
  if (differs) {
    buttons.push({ code: 'D', caption: Language.tr('Playback', 'Go to the difference') });
  }
  return makeBox(false, Language.verdict(JSON.parse(verdictJson)), buttons, ' ', true);
}
// A message of the page's own, answered by the player alone; a new one takes the place of the
// one still open, so that they never pile up.
export function tell(message) {
  const previous = boxes.find((box) => box.id === told);
  if (previous) {
    closeBox(previous, ' ');
  }
  told = makeBox(false, message, [{ code: ' ', caption: 'OK' }], ' ', true);
}
// A box of a recording being watched closes as the recording closes it.
export function closeShownBox(id) {
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
  const next = topBox();
  next ? $('button.default', next.el).focus() : focusBoard();
  wakeProgram();
}
// The answer the player gave a box of the program's, once: 0 while it is open.
export function boxAnswer(id) {
  const answer = answers.get(id) || 0;
  answers.delete(id);
  return answer;
}
