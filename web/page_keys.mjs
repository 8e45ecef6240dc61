// The keys of a keyboard event as the game knows them: the window's virtual key codes, and
// the letters that run a menu command or answer a box. No page in here: Node tests it.

// Virtual key codes of the keys that have no character of their own, as the window gives
// them; Clear is also the keypad's 5 with Num Lock off.
export const NAMED_KEYS = { Backspace: 8, Tab: 9, Clear: 12, Enter: 13, Shift: 16, Control: 17,
                            Alt: 18, Pause: 19, CapsLock: 20, Escape: 27, ' ': 32, PageUp: 33,
                            PageDown: 34, End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38,
                            ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46, NumLock: 144,
                            ScrollLock: 145 };
// The keypad's * + - /, told by the key's place: the same characters elsewhere on the
// keyboard sit on keys that differ from layout to layout, and stay 0.
export const KEYPAD_OPERATORS = { NumpadMultiply: 106, NumpadAdd: 107, NumpadSubtract: 109,
                                  NumpadDivide: 111 };
// + and - beside the digits, whatever the layout: a recording's speed.
export const PLUS_MINUS = { '+': 187, '=': 187, '-': 189, '_': 189 };
export const LEFT = 37;
export const UP = 38;
export const RIGHT = 39;
export const DOWN = 40;

// Letters and digits are their upper-case character's code, the keypad's digits 96 to 105
// and its * + - / 106, 107, 109 and 111, and F1 to F12 112 to 123, as on the desktop; other
// keys without a code of their own are 0, which still counts as a key.
export function virtualKey(e) {
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
export function placedLetter(e) {
  const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(e.code || '');
  return place ? place[1] || place[2] : '';
}

// The letters that a key with Alt, or in a box, may stand for, the first first: its own
// letter in upper case (any alphabet's), then, where that is not a Latin one, its place's.
export function lettersOf(e) {
  const own = (/^\p{L}$/u.test(e.key) ? e.key : e.code.replace(/^Key/, '')).toUpperCase();
  const placed = placedLetter(e);
  return !/^[A-Z0-9]$/.test(own) && placed !== '' ? [own, placed] : [own];
}
