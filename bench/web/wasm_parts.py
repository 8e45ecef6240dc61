#!/usr/bin/env python3
"""What each part of the page's program costs: the code bytes of each function of the program
as linked, read with wabt's wasm-objdump and named from emscripten's symbol map, added up by
class or namespace; for the part the page loads first (stonewick.wasm) and the part it fetches
to watch a recording (stonewick-watching.wasm, the functions named in MOVED) apart.
  wasm_parts.py WASM SYMBOLS MOVED [COUNT]   (COUNT biggest of each list; 10 unless given)"""
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
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    count = int(sys.argv[4]) if len(sys.argv) == 5 else 10
    names = {}
    with open(sys.argv[2], encoding='utf-8') as symbols:
        for line in symbols:
            index, _, name = line.rstrip('\n').partition(':')
            names[int(index)] = unescape(name)
    listing = subprocess.run(['wasm-objdump', '-x', '-j', 'Code', sys.argv[1]], check=True,
                             capture_output=True, text=True).stdout
    sizes = {int(m.group(1)): int(m.group(2))
             for m in re.finditer(r'func\[(\d+)\] size=(\d+)', listing)}
    with open(sys.argv[3], encoding='utf-8') as listed:
        moved = set(listed.read().splitlines())
    parts = {'stonewick.wasm': {}, 'stonewick-watching.wasm': {}}
    for index, size in sizes.items():
        name = names.get(index, f'func{index}')
        parts['stonewick-watching.wasm' if name in moved else 'stonewick.wasm'][name] = size
    total = sum(sizes.values())
    print(f'code: {total} bytes in {len(sizes)} functions; ' +
          ', '.join(f'{part} {sum(part_sizes.values())} bytes in {len(part_sizes)}'
                    for part, part_sizes in parts.items()))
    for part, part_sizes in parts.items():
        part_total = sum(part_sizes.values())
        print(f'biggest {count} functions of {part}:')
        for name, size in sorted(part_sizes.items(), key=lambda item: -item[1])[:count]:
            print(f'  {size:7} {100 * size / part_total:5.1f}%  {name[:100]}')
    for part, part_sizes in parts.items():
        part_total = sum(part_sizes.values())
        by_owner = Counter()
        for name, size in part_sizes.items():
            by_owner[owner(name)] += size
        print(f'biggest {count} classes and namespaces of {part}:')
        for name, size in by_owner.most_common(count):
            print(f'  {size:7} {100 * size / part_total:5.1f}%  {name[:100]}')


if __name__ == '__main__':
    main()
