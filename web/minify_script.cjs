// Shortens scripts of the site in place with terser: local names shortened, dead code and
// comments dropped. Names at the top level stay, since the page's scripts meet through them,
// unless --keep=A,B names the only ones other scripts use: then the rest are shortened too.
// In a page (.html), its own script is shortened as the oldest JavaScript it is written in,
// and its style sheet loses its comments and the blanks around its punctuation.
//   node web/minify_script.cjs [--keep=NAME,...] FILE...   (NODE_PATH=/usr/share/nodejs for
//                                                           Debian's terser)
'use strict';

const { readFileSync, writeFileSync } = require('node:fs');
const { minify } = require('terser');

const kept = process.argv.find((arg) => arg.startsWith('--keep='))?.slice(7).split(',');
const shortened = async (code, ecma) => (await minify(code, {
  ecma, toplevel: kept !== undefined, compress: { passes: 2 },
  mangle: kept ? { reserved: kept } : true })).code;

function shortenedStyle(css) {
  return css.replace(/\/\*[\s\S]*?\*\//g, '').replace(/\s*([{};,>])\s*/g, '$1')
    .replace(/:\s+/g, ':').replace(/;}/g, '}').replace(/\s+/g, ' ').trim();
}

async function shortenedPage(html) {
  const scripts = [];
  for (const [, code] of html.matchAll(/<script>([\s\S]*?)<\/script>/g)) {
    scripts.push(await shortened(code, 5));
  }
  return html.replace(/<script>[\s\S]*?<\/script>/g, () => `<script>${scripts.shift()}</script>`)
    .replace(/<style>([\s\S]*?)<\/style>/g, (_, css) => `<style>${shortenedStyle(css)}</style>`);
}

(async () => {
  for (const file of process.argv.slice(2).filter((arg) => !arg.startsWith('--keep='))) {
    try {
      const text = readFileSync(file, 'utf8');
      writeFileSync(file, file.endsWith('.html') ? await shortenedPage(text)
                                                 : await shortened(text, 2020));
    } catch (error) {
      console.error(`minify_script.cjs: ${file}: ${error.message}`);
      process.exit(1);
    }
  }
})();
