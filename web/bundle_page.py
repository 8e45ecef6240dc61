#!/usr/bin/env python3
"""Join the page's ES modules into the one plain script that the program is linked with.

    python3 web/bundle_page.py ENTRY_MODULE GLOBAL OUT_FILE

The page's script runs inside the program's JavaScript, which is no module: each module becomes
a function run once, in the order a browser would run them (what a module imports before
it), and returning what it exports; its imports become constants read from those. OUT_FILE
then sets var GLOBAL to what ENTRY_MODULE exports under that name. The modules keep to what
this reads: `import { a, b } from './name.mjs';` and `export function`, `export const` or
`export let`, at the top of a line; no import cycles.
"""

import re
import sys
from pathlib import Path

IMPORT = re.compile(r"^import \{([^}]*)\} from '\./([\w.]+)\.mjs';\n", re.M)
EXPORT = re.compile(r"^export (?:function|const|let) ([\w$]+)", re.M)


def variable(module):
    return "module_" + module


def read_modules(folder, entry):
    """Each module's name, body and imports, those it imports first."""
    ordered, visiting = [], set()

    def visit(name, importer):
        if any(done[0] == name for done in ordered):
            return
        if name in visiting:
            sys.exit(f"bundle_page.py: {importer}.mjs and {name}.mjs import each other")
        visiting.add(name)
        path = Path(folder, name + ".mjs")
        if not path.exists():
            sys.exit(f"bundle_page.py: {importer}.mjs imports {path}, which does not exist")
        text = path.read_text(encoding="utf-8")
        imports = [(module, [n.strip() for n in names.split(",") if n.strip()])
                   for names, module in IMPORT.findall(text)]
        for module, _ in imports:
            visit(module, name)
        visiting.discard(name)
        ordered.append((name, IMPORT.sub("", text), imports))

    visit(entry, entry)
    return ordered


def bundle(folder, entry, global_name):
    out = [f"// Joined from web/*.mjs by web/bundle_page.py, starting at {entry}.mjs.",
           f"var {global_name} = (function () {{", "  'use strict';"]
    for name, body, imports in read_modules(folder, entry):
        exports = EXPORT.findall(body)
        out.append(f"  const {variable(name)} = (function () {{")
        for module, names in imports:
            out.extend(f"    const {n} = {variable(module)}.{n};" for n in names)
        for line in EXPORT.sub(lambda m: m.group(0)[len("export "):], body).rstrip().split("\n"):
            out.append(("    " + line).rstrip())
        out.append("    return { " + ", ".join(f"{e}: {e}" for e in exports) + " };")
        out.append("  })();")
    out.append(f"  return {variable(entry)}.{global_name};")
    out.append("})();")
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: bundle_page.py ENTRY_MODULE GLOBAL OUT_FILE")
    entry = Path(argv[1])
    Path(argv[3]).write_text(bundle(entry.parent, entry.stem, argv[2]), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)
