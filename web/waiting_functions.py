#!/usr/bin/env python3
"""The functions of the page's program that can be on the stack when the page waits: those
that call a waiting import (the event loop's wait, a yield, a sleep), directly or through
other such functions. A call through a function pointer or a virtual function counts as a
call to every function of the table with the same signature, the only ones it can reach.

    waiting_functions.py PROGRAM.wasm OUT_LIST IMPORT... [--never PATTERN...]

PROGRAM.wasm is the page linked without the unwinding, with its function names kept
(--profiling-funcs); OUT_LIST gets one name a line, as emscripten reads a list of functions to
unwind through (ASYNCIFY_ONLY=@OUT_LIST). Only these are rewritten to save and restore their
state, where by default every function that calls through a pointer is: about half of the
program's code. A function whose name matches a PATTERN (* for any characters) is known never
to wait, whatever it calls, and leads to no wait.
"""
import fnmatch
import re
import subprocess
import sys

HEADER = re.compile(r'^[0-9a-f]+ func\[(\d+)\] <(.*)>:$')
CALL = re.compile(r'\| +call (\d+) ')
CALL_INDIRECT = re.compile(r'\| +call_indirect \d+ \(type (\d+)[ )]')
SIGNATURE = re.compile(r'^ - func\[(\d+)\] sig=(\d+) <(.*)>')
ELEMENT = re.compile(r'^  - elem\[\d+\] = func\[(\d+)\]')


def objdump(wasm, *options):
    return subprocess.run(['wasm-objdump', *options, wasm], check=True, capture_output=True,
                          text=True).stdout.splitlines()


def call_graph(wasm):
    """Each function's name, signature and the functions it may call."""
    names, signatures = {}, {}
    for line in objdump(wasm, '-x', '-j', 'Import') + objdump(wasm, '-x', '-j', 'Function'):
        match = SIGNATURE.match(line)
        if match:
            index = int(match.group(1))
            signatures[index] = int(match.group(2))
            names[index] = match.group(3)
    by_signature = {}
    for line in objdump(wasm, '-x', '-j', 'Elem'):
        match = ELEMENT.match(line)
        if match:
            target = int(match.group(1))
            by_signature.setdefault(signatures[target], set()).add(target)
    callees = {}
    current = None
    for line in objdump(wasm, '-d'):
        match = HEADER.match(line)
        if match:
            current = callees.setdefault(int(match.group(1)), set())
            continue
        match = CALL.search(line)
        if match:
            current.add(int(match.group(1)))
            continue
        match = CALL_INDIRECT.search(line)
        if match:
            current.update(by_signature.get(int(match.group(1)), ()))
    return names, callees


def waiting(names, callees, imports, never):
    """The functions from which one of the imports can be reached, other than through those
    that never wait."""
    callers = {}
    for caller, called in callees.items():
        for callee in called:
            callers.setdefault(callee, set()).add(caller)
    found = {index for index, name in names.items() if name in imports}
    if not found:
        sys.exit(f'waiting_functions.py: the program imports none of {", ".join(sorted(imports))}')
    todo = list(found)
    while todo:
        for caller in callers.get(todo.pop(), ()):
            if caller not in found and not any(fnmatch.fnmatchcase(names[caller], pattern)
                                               for pattern in never):
                found.add(caller)
                todo.append(caller)
    return {names[index] for index in found if index in callees}


def patterns(listed, names):
    """The list as emscripten matches it, where a '.' stands for a blank. Functions of the same
    name are told apart by a suffix (.1, .2), given afresh at each link: every function of a
    name that can wait is listed, by the name and a '*'."""
    suffix = re.compile(r'\.\d+$')
    bases = {suffix.sub('', name) for name in listed}
    numbered = {suffix.sub('', name) for name in names.values() if suffix.search(name)}
    return sorted(base + '*' if base in numbered else base for base in bases)


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    rest = argv[3:] + ['--never']
    split = rest.index('--never')
    names, callees = call_graph(argv[1])
    listed = waiting(names, callees, set(rest[:split]), rest[split + 1:-1])
    with open(argv[2], 'w', encoding='utf-8') as out:
        out.write(''.join(name + '\n' for name in patterns(listed, names)))


if __name__ == '__main__':
    main(sys.argv)
