// Shortens scripts of the site in place with terser: local names shortened, dead code and
// comments dropped. Names at the top level stay, since the page's scripts meet through them.
//   node web/minify_script.cjs FILE...   (NODE_PATH=/usr/share/nodejs for Debian's terser)
'use strict';

const { readFileSync, writeFileSync } = require('node:fs');
const { minify } = require('terser');

(async () => {
  for (const file of process.argv.slice(2)) {
    try {
      const result = await minify(readFileSync(file, 'utf8'),
                                  { ecma: 2020, compress: { passes: 2 }, mangle: true });
      writeFileSync(file, result.code);
    } catch (error) {
      console.error(`minify_script.cjs: ${file}: ${error.message}`);
      process.exit(1);
    }
  }
})();
