// Starts the game: loads the program and says plainly, in place of the game, why it cannot
// when it cannot (a page opened as a file, a program that does not load or compile, a stop
// on the way), through the page's own stonewickFailed. Once the page runs, it keeps its files
// for playing offline.
'use strict';

// The languages with a catalogue (catalogue-LANG.js), filled in when the page is built.
const SPOKEN = '@SITE_LANGUAGES@'.split(' ');

// The catalogue the page is shown in, as page_language.js chooses its language: the one the
// address asks for with ?lang=de, else the first of the browser's languages that the game
// speaks; none for English, the page's own.
function catalogueToLoad() {
  const asked = new URLSearchParams(location.search).get('lang');
  for (const tag of asked ? [asked] : (navigator.languages || [navigator.language])) {
    const language = String(tag).toLowerCase().split(/[-_]/)[0];
    if (language === 'en' || SPOKEN.includes(language)) {
      return language === 'en' ? null : `catalogue-${language}.js`;
    }
  }
  return null;
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

// The program itself, fetched and compiled here so that every way it can fail has its words.
async function loadProgram(imports) {
  let response;
  try {
    response = await fetch('stonewick.wasm', { credentials: 'same-origin' });
  } catch (error) {
    throw new Error(`The browser could not fetch stonewick.wasm (${error.message}).`);
  }
  if (!response.ok) {
    throw new Error(`The server answered "${response.status} ${response.statusText}" ` +
                    'for stonewick.wasm.');
  }
  try {
    // Compiled as it arrives where the server names it WebAssembly.
    if (WebAssembly.instantiateStreaming &&
        response.headers.get('Content-Type') === 'application/wasm') {
      return await WebAssembly.instantiateStreaming(response, imports);
    }
    return await WebAssembly.instantiate(await response.arrayBuffer(), imports);
  } catch (error) {
    throw new Error(`stonewick.wasm could not be compiled: ${error.message}`);
  }
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
      loadProgram(imports)
        .then((result) => started(result.instance, result.module))
        .catch((error) => stonewickFailed(`Stonewick could not be loaded. ${error.message}`));
      return {};
    },
  };
  // A catalogue that does not come leaves the page in English.
  const catalogue = catalogueToLoad();
  if (catalogue) {
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
