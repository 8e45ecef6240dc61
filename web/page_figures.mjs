// What the page works out from numbers alone: the desktop's scale, where the read-outs go, and
// the local date as the game shows it. No page in here: Node tests it.

// From full size up, the largest scale that gives each of the board's pixels a whole number
// of the screen's device pixels (4/3 at a pixel ratio of 1.5); below full size, what fits.
export function crispScale(largest, pixelRatio) {
  return largest < 1 ? largest
                     : Math.max(1, Math.floor(largest * pixelRatio + 1e-6) / pixelRatio);
}

// The left edges of a row of read-outs of these widths between `from` and `to`: each at its
// own place where it fits, moved right just enough to keep `gap` from the one before, then
// back from `to` just enough to end before it, never left of `from`.
export function spreadRow(places, widths, from, to, gap) {
  const lefts = [];
  let edge = from;
  places.forEach((place, i) => {
    lefts.push(Math.max(place, edge));
    edge = lefts[i] + widths[i] + gap;
  });
  let limit = to;
  for (let i = lefts.length - 1; i >= 0; --i) {
    lefts[i] = Math.max(from, Math.min(lefts[i], limit - widths[i]));
    limit = lefts[i] - gap;
  }
  return lefts;
}

// "yyyy-mm-dd hh:mm:ss" in local time.
export function localDate(date) {
  const two = (n) => String(n).padStart(2, '0');
  return `${date.getFullYear()}-${two(date.getMonth() + 1)}-${two(date.getDate())} ` +
         `${two(date.getHours())}:${two(date.getMinutes())}:${two(date.getSeconds())}`;
}

// The name a recording is offered under, from the time it began.
export function recordingFileName(date) {
  return `stonewick-${localDate(date).replace(' ', '-').replace(/:/g, '')}.rec`;
}
