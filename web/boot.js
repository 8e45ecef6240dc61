// Starts the game: loads the program and says plainly, in place of the game, why it cannot
// when it cannot (a page opened as a file, a program that does not load or compile, a stop
// on the way), through the page's own stonewickFailed. Once the page runs, it keeps its files
// for playing offline.
'use strict';

// The languages with a catalogue (catalogue-LANG.js), filled in when the page is built.
const SPOKEN = '@SITE_LANGUAGES@'.split(' ');

// The catalogue the page is shown in, as page_language.js chooses its language: the one the
// address asks for with ?lang=de, else the first of the browser's languages that the game
// speaks, after the index of the English it translates; none for English, the page's own.
function cataloguesToLoad() {
  const asked = new URLSearchParams(location.search).get('lang');
  for (const tag of asked ? [asked] : (navigator.languages || [navigator.language])) {
    const language = String(tag).toLowerCase().split(/[-_]/)[0];
    if (language === 'en' || SPOKEN.includes(language)) {
      return language === 'en' ? [] : ['catalogue-index.js', `catalogue-${language}.js`];
    }
  }
  return [];
}

// Adds a script to the page; the scripts added run in the order they were added, each as
// soon as it and those before it have arrived, fetched side by side.
function addScript(file, failed) {
  const script = document.createElement('script');
  script.src = file;
  script.async = false;
  script.onerror = failed;
  document.body.append(script);
}

// A part of the program, fetched and compiled here so that every way it can fail has its
// words; instantiated with `imports` once they are there, while it compiles.
async function loadProgramPart(file, imports) {
  let response;
  try {
    response = await fetch(file, { credentials: 'same-origin' });
  } catch (error) {
    throw new Error(`The browser could not fetch ${file} (${error.message}).`);
  }
  if (!response.ok) {
    throw new Error(`The server answered "${response.status} ${response.statusText}" ` +
                    `for ${file}.`);
  }
  try {
    // Compiled as it arrives where the server names it WebAssembly.
    const module = WebAssembly.compileStreaming &&
        response.headers.get('Content-Type') === 'application/wasm'
      ? await WebAssembly.compileStreaming(response)
      : await WebAssembly.compile(await response.arrayBuffer());
    return { instance: await WebAssembly.instantiate(module, await imports), module };
  } catch (error) {
    throw new Error(`${file} could not be compiled: ${error.message}`);
  }
}

// The program comes in two parts: stonewick.wasm, all that live play runs, and
// stonewick-watching.wasm, what only watching a recording runs (reading it, its timeline, its
// checks, its steering), fetched when the player first opens one. The first part holds a
// stand-in in its table for each function of the second, which instantiating the second
// replaces; the page asks for the second before it hands the program a recording, so a
// stand-in runs only if live play reaches watching after all: then the second part is
// fetched there and then, and the call goes on.
let firstPart = null;
let firstPartStarted;
const firstPartLoaded = new Promise((resolve) => {
  firstPartStarted = resolve;
});
let watchingPart = null;
function tableOf(instance) {
  return Object.values(instance.exports).find((value) => value instanceof WebAssembly.Table);
}
function standIn(slot) {
  return (...args) => {
    console.warn(`Stonewick fetches stonewick-watching.wasm at once for function ${slot}`);
    const request = new XMLHttpRequest();
    request.open('GET', 'stonewick-watching.wasm', false);
    request.overrideMimeType('text/plain; charset=x-user-defined');
    request.send();
    const bytes = Uint8Array.from(request.responseText, (c) => c.charCodeAt(0) & 0xff);
    new WebAssembly.Instance(new WebAssembly.Module(bytes), { primary: firstPart.exports });
    watchingPart = Promise.resolve();
    return tableOf(firstPart).get(Number(slot))(...args);
  };
}
// Resolves once the program can watch a recording; when the part does not come, the next
// recording opened asks for it again.
function loadWatching() {
  watchingPart ||= loadProgramPart('stonewick-watching.wasm',
                                   firstPartLoaded.then((instance) => ({ primary: instance.exports })))
    .then(() => {}, (error) => {
      watchingPart = null;
      throw error;
    });
  return watchingPart;
}

(function boot() {
  if (location.protocol === 'file:') {
    stonewickFailed('Stonewick cannot start from a file opened in the browser: browsers do ' +
                    'not run its WebAssembly from a file. It must be served by a web server. ' +
                    'In the source tree, bash scripts/web.sh builds and serves it; then open ' +
                    'http://127.0.0.1:8000/.');
    return;
  }
  if (typeof WebAssembly !== 'object') {
    stonewickFailed('This browser cannot run WebAssembly, which Stonewick needs.');
    return;
  }
  window.Module = {
    instantiateWasm(imports, started) {
      imports.placeholder = new Proxy({}, { get: (_, slot) => standIn(slot) });
      loadProgramPart('stonewick.wasm', imports)
        .then((result) => {
          firstPart = result.instance;
          started(result.instance, result.module);
          firstPartStarted(result.instance);
        })
        .catch((error) => stonewickFailed(`Stonewick could not be loaded. ${error.message}`));
      return {};
    },
  };
  // A catalogue that does not come leaves the page in English.
  for (const catalogue of cataloguesToLoad()) {
    addScript(catalogue, () => {});
  }
  // A game of the hall's board of the day starts once the day's seed is there.
  HallClient.ready.then(
    () => addScript('stonewick.js', () => stonewickFailed('Stonewick could not be loaded: the ' +
                                                          'browser could not fetch stonewick.js.')),
    (error) => stonewickFailed(error.message));
  // Keeps the page's files for the next opening, with or without a network; once the first
  // board shows, so that fetching them again never slows the start.
  if ('serviceWorker' in navigator) {
    new PerformanceObserver((marks, observer) => {
      if (marks.getEntriesByName('stonewick-first-board').length > 0) {
        observer.disconnect();
        navigator.serviceWorker.register('service-worker.js').catch(() => {});
      }
    }).observe({ type: 'mark' });
  }
}());
