#!/usr/bin/env python3
"""Splits the page's program in two: what live play runs, which the page loads first, and what
only watching a recording runs (reading it, its timeline, its checks, its steering), which the
page fetches when the player first opens a recording.

    split_watching.py PROGRAM.wasm SYMBOLS FIRST.wasm WATCHING.wasm MOVED PATTERN...

PROGRAM.wasm is the page's program as linked, SYMBOLS its symbol map (--emit-symbol-map), MOVED
gets the names of the functions moved to WATCHING.wasm, one a line, each
PATTERN (* for any characters) names functions that only watching runs. WATCHING.wasm gets
those and every function that nothing else reaches: not an export, not called by live play,
not in the table of functions that live play may call through a pointer. FIRST.wasm keeps
the rest, with a stand-in where each function moved away was, which the page replaces by
instantiating WATCHING.wasm with FIRST.wasm's exports as its imports (namespace "primary");
the stand-ins are FIRST.wasm's imports from the namespace "placeholder", named by their place
in the table.
"""
import fnmatch
import os
import re
import subprocess
import sys
import tempfile

from waiting_functions import objdump

CALL = re.compile(r'\| +call (\d+)(?: |$)')
FUNC_HEADER = re.compile(r'^[0-9a-f]+ func\[(\d+)\]')
ELEMENT = re.compile(r'^  - elem\[\d+\] = func\[(\d+)\]')
EXPORT = re.compile(r'^ - func\[(\d+)\].* -> "')
IMPORTED = re.compile(r'^ - func\[(\d+)\] sig=')


def read_symbols(path):
    """Function index to name, as emscripten's symbol map writes them."""
    names = {}
    with open(path, encoding='utf-8') as symbols:
        for line in symbols:
            index, _, name = line.rstrip('\n').partition(':')
            names[int(index)] = re.sub(r'\\([0-9a-f]{2})', lambda m: chr(int(m.group(1), 16)),
                                       name)
    return names


def program_parts(wasm):
    """The imported functions, the defined ones with what each calls directly, and the roots
    live play starts from: the exports and the table's entries."""
    imported = {int(m.group(1)) for line in objdump(wasm, '-x', '-j', 'Import')
                if (m := IMPORTED.match(line))}
    calls, current = {}, None
    for line in objdump(wasm, '-d'):
        header = FUNC_HEADER.match(line)
        if header:
            current = calls.setdefault(int(header.group(1)), set())
        elif (call := CALL.search(line)) and current is not None:
            current.add(int(call.group(1)))
    exported = {int(m.group(1)) for line in objdump(wasm, '-x', '-j', 'Export')
                if (m := EXPORT.match(line))}
    table = {int(m.group(1)) for line in objdump(wasm, '-x', '-j', 'Elem')
             if (m := ELEMENT.match(line))}
    return imported, calls, exported | table


def watching_only(calls, roots, names, patterns):
    """The defined functions that live play never reaches: those the patterns name, and those
    reached only through them."""
    def named(index):
        return any(fnmatch.fnmatchcase(names.get(index, ''), p) for p in patterns)

    boundary = {index for index in calls if named(index)}
    reached = set()
    todo = [index for index in roots if index in calls and index not in boundary]
    while todo:
        index = todo.pop()
        if index in reached:
            continue
        reached.add(index)
        todo.extend(callee for callee in calls.get(index, ())
                    if callee in calls and callee not in boundary and callee not in reached)
    return sorted(index for index in calls if index not in reached)


def binaryen_name(index, imported):
    """Binaryen names a function without a name by its index among the defined functions."""
    return str(index - len(imported))


def split(program, symbols, first, watching, moved_list, patterns):
    names = read_symbols(symbols)
    imported, calls, roots = program_parts(program)
    moved = watching_only(calls, roots, names, patterns)
    if not moved:
        sys.exit('split_watching.py: nothing to move: no function matches ' + ' '.join(patterns))
    with tempfile.TemporaryDirectory() as folder:
        listed = os.path.join(folder, 'watching.txt')
        with open(listed, 'w', encoding='utf-8') as out:
            out.write(''.join(binaryen_name(index, imported) + '\n' for index in moved))
        subprocess.run(['wasm-split', program, '--split-funcs=@' + listed, '-o1', first,
                        '-o2', watching, '--import-namespace=primary',
                        '--placeholder-namespace=placeholder',
                        # The parts share the stack pointer and the unwinding's state.
                        '--enable-mutable-globals'], check=True)
    with open(moved_list, 'w', encoding='utf-8') as out:
        out.write(''.join(names.get(index, str(index)) + '\n' for index in moved))


def main(argv):
    if len(argv) < 7:
        sys.exit(__doc__)
    split(argv[1], argv[2], argv[3], argv[4], argv[5], argv[6:])


if __name__ == '__main__':
    main(sys.argv)
