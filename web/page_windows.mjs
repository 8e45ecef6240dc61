// The About and Instructions windows, and the game window's close box: the keys go back to
// the board as a window closes.
import { activate, focusBoard, focusTarget, pointer, showWindow } from './page_desktop.mjs';
import { $, about, boxIsOpen, instructions, main } from './page_elements.mjs';
import { CLOSE_BOX, INSTRUCTIONS_CLOSED, queueInput } from './page_program.mjs';

export function hideAbout() {
  if (!about.hidden) {
    about.hidden = true;
    focusBoard();
  }
}
export function showAbout() {
  // Wide enough for the address, with its left margin on both sides.
  about.hidden = false;
  const address = $('.address', about);
  about.style.width = Math.max(310, 2 * address.offsetLeft + address.offsetWidth + 8) + 'px';
  showWindow(about, pointer.x + 1, pointer.y + 1);
}
// Closed by the player: the program hears of it.
export function closeInstructions() {
  if (!instructions.hidden) {
    hideInstructions();
    queueInput(INSTRUCTIONS_CLOSED);
  }
}
export function hideInstructions() {
  if (!instructions.hidden) {
    instructions.hidden = true;
    focusBoard();
  }
}
export function setInstructionsText(text) {
  $('.memo', instructions).textContent = Language.tr('Instructions', text);
}
export function showInstructions(rgb) {
  $('.memo', instructions).style.background = '#' + rgb.toString(16).padStart(6, '0');
  if (instructions.hidden) {
    // Where the desktop opens it, beside the game window.
    showWindow(instructions, main.offsetLeft - 105, main.offsetTop - 109);
  } else {
    activate(instructions);
    focusTarget(instructions).focus({ preventScroll: true });
  }
}

$('.ok', about).addEventListener('click', hideAbout);
$('.close', about).addEventListener('click', hideAbout);
$('.address', about).textContent = location.href.replace(/[A-Z]/g, (c) => c.toLowerCase());
$('.built', about).textContent = $('meta[name="stonewick-built"]').content;
$('.close', instructions).addEventListener('click', closeInstructions);
$('.close', main).addEventListener('click', () => {
  if (!boxIsOpen()) {
    queueInput(CLOSE_BOX);
  }
});
