// The page's elements that more than one part of the page works with, found once, and the
// caption of a command or button with its '&' letter underlined.

export const $ = (selector, from) => (from || document).querySelector(selector);
export const gameScreen = $('#screen');
export const desktop = $('#desktop');
export const main = $('#main');
export const menu = $('#menu');
export const about = $('#about');
export const instructions = $('#instructions');
export const boardCanvas = $('#board');
export const modal = $('#modal');

// A caption whose '&' marks its accelerator: the letter after it underlined.
export function captionElement(caption) {
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

// True while a box holds the game window.
export function boxIsOpen() {
  return !modal.hidden;
}
