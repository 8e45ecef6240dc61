#!/usr/bin/env python3
"""What each part of the page's program costs: the code bytes of each function of
stonewick.wasm, read with wabt's wasm-objdump and named from emscripten's symbol map (a page
linked with --emit-symbol-map), added up by class or namespace.
  wasm_parts.py WASM SYMBOLS [COUNT]   (COUNT biggest of each list; 10 unless given)"""
import re
import subprocess
import sys
from collections import Counter


def unescape(name):
    """The symbol map writes some characters as \\XX in hexadecimal."""
    return re.sub(r'\\([0-9a-f]{2})', lambda m: chr(int(m.group(1), 16)), name)


def owner(name):
    """The class or namespace a function belongs to: its qualified name, with any return type,
    template arguments and argument list left off, less its last part (a variant's visitors
    under their dispatcher's name)."""
    name = name.replace('(anonymous namespace)', 'anon').removeprefix('decltype(auto) ')
    depth = 0
    start = 0
    for i, c in enumerate(name):
        if c == '<':
            depth += 1
        elif c == '>':
            depth -= 1
        elif c == ' ' and depth == 0:
            start = i + 1  # what came before was a return type
        elif c == '(' and depth == 0:
            name = name[start:i]
            break
    parts = re.sub(r'<.*>', '<>', name).split('::')
    return '::'.join(parts[:-1]) if len(parts) > 1 else '(plain functions: libc, runtime)'


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    count = int(sys.argv[3]) if len(sys.argv) == 4 else 10
    names = {}
    with open(sys.argv[2], encoding='utf-8') as symbols:
        for line in symbols:
            index, _, name = line.rstrip('\n').partition(':')
            names[int(index)] = unescape(name)
    listing = subprocess.run(['wasm-objdump', '-x', '-j', 'Code', sys.argv[1]], check=True,
                             capture_output=True, text=True).stdout
    sizes = {int(m.group(1)): int(m.group(2))
             for m in re.finditer(r'func\[(\d+)\] size=(\d+)', listing)}
    total = sum(sizes.values())
    by_owner = Counter()
    for index, size in sizes.items():
        by_owner[owner(names.get(index, f'func{index}'))] += size
    print(f'code: {total} bytes in {len(sizes)} functions')
    print(f'biggest {count} functions:')
    for index, size in sorted(sizes.items(), key=lambda item: -item[1])[:count]:
        print(f'  {size:7} {100 * size / total:5.1f}%  {names.get(index, index)[:100]}')
    print(f'biggest {count} classes and namespaces:')
    for name, size in by_owner.most_common(count):
        print(f'  {size:7} {100 * size / total:5.1f}%  {name[:100]}')


if __name__ == '__main__':
    main()
