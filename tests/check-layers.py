#!/usr/bin/env python3
"""Holds the programs' include graph to the house rules:
- includes are spelt from the program's root, never with "../";
- each .cpp with a header of its own includes it first;
- kestrel's folders point one way: core may use ui, settings, profiles and base; ui may use
  settings, profiles and base; settings may use profiles and base; profiles may use base;
  base uses none of them;
- tollgate's folders point one way too: flow/ uses steps/, steps/ use medium/ and device/,
  which use neither each other nor anything above; mediacheck/ stands beside flow/ and uses
  what flow/ does, but neither uses the other;
- no product header declares a writable global (an extern that is not extern const or
  extern "C") unless that line or the comment block right above it says "shared:" (who
  shares it);
- no circle of files in either program (a file stands for its .h and .cpp together).
Prints every breach and exits 1 when there is one.
    check-layers.py SOURCE_ROOT
"""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
root = os.path.abspath(root)
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
KESTREL_RANK = {'base': 0, 'profiles': 1, 'settings': 2, 'ui': 3, 'core': 4}
PROGRAMS = {'kestrel': 'kestrel', 'tollgate': 'tollgate'}
# A folder includes only from folders of a lower rank (or itself): equal ranks are strangers.
TOLLGATE_RANK = {'res': 0, 'medium': 0, 'device': 0, 'steps': 1, 'flow': 2, 'mediacheck': 2}
WRITABLE_GLOBAL = re.compile(r'^\s*extern\s+(?!"C")(?!const\b)')

problems = []


def sources(folder):
    for base, _, files in os.walk(os.path.join(root, folder)):
        for name in sorted(files):
            if name.endswith(('.cpp', '.h')):
                yield os.path.relpath(os.path.join(base, name), root)


def resolve(program, spelt, including):
    """The repository path an include names (from the program's folder, else from the
    including file's own), or None for one outside the checked code."""
    for path in (spelt if spelt.startswith('common/') else os.path.join(program, spelt),
                 os.path.normpath(os.path.join(os.path.dirname(including), spelt))):
        if os.path.exists(os.path.join(root, path)):
            return path
    return None


def unit(path):
    return os.path.splitext(path)[0]


graph = {}
for program in PROGRAMS:
    for path in list(sources(program)) + list(sources('common')):
        text = open(os.path.join(root, path), encoding='utf-8', errors='replace').read()
        spelt = INCLUDE.findall(text)
        own = os.path.basename(unit(path)) + '.h'
        if program == 'tollgate' and path.startswith('tollgate/') and path.split('/')[1] not in TOLLGATE_RANK:
            problems.append(f'{path}: outside tollgate\'s ranked folders')
        if path.endswith('.cpp') and os.path.exists(os.path.join(root, unit(path) + '.h')):
            if not spelt or os.path.basename(spelt[0]) != own:
                problems.append(f'{path}: does not include its own header first')
        for name in spelt:
            if name.startswith('../') or '/../' in name:
                problems.append(f'{path}: includes "{name}" relative to itself')
            target = resolve(program if not path.startswith('common/') else '', name, path)
            if target is None:
                continue
            graph.setdefault(unit(path), set()).add(unit(target))
            parts = path.split('/')
            if program == 'kestrel' and parts[0] == 'kestrel' and parts[1] in KESTREL_RANK:
                to = target.split('/')
                if to[0] == 'kestrel' and to[1] in KESTREL_RANK and KESTREL_RANK[to[1]] > KESTREL_RANK[parts[1]]:
                    problems.append(f'{path}: a {parts[1]} file includes "{name}" of the higher folder {to[1]}')
            if program == 'tollgate' and parts[0] == 'tollgate' and parts[1] in TOLLGATE_RANK:
                to = target.split('/')
                if to[0] == 'tollgate' and to[1] != parts[1] and TOLLGATE_RANK.get(to[1], 9) >= TOLLGATE_RANK[parts[1]]:
                    problems.append(f'{path}: a {parts[1]} file includes "{name}" of {to[1]}, which does not stand below it')

# Writable globals in product headers: each names, in the comment block right above it (which
# may cover a run of declarations), the files that share it.
def marked_shared(lines, number):
    while number > 0:
        number -= 1
        above = lines[number].strip()
        if 'shared:' in above:
            return True
        if not (above.startswith('//') or WRITABLE_GLOBAL.match(lines[number])):
            return False
    return False


for program in ('kestrel', 'tollgate', 'common'):
    for path in sources(program):
        if not path.endswith('.h'):
            continue
        lines = open(os.path.join(root, path), encoding='utf-8', errors='replace').read().split('\n')
        for number, line in enumerate(lines):
            if WRITABLE_GLOBAL.match(line) and 'shared:' not in line and not marked_shared(lines, number):
                problems.append(f'{path}:{number + 1}: a writable global without a "shared:" comment: {line.strip()}')

# Circles: a depth-first walk over the units, reporting each circle once by its members.
seen_circles = set()
state = {}


def walk(node, trail):
    state[node] = 1
    trail.append(node)
    for nxt in sorted(graph.get(node, ())):
        if nxt == node:
            continue
        if state.get(nxt) == 1:
            circle = trail[trail.index(nxt):]
            key = frozenset(circle)
            if key not in seen_circles:
                seen_circles.add(key)
                problems.append('circle of files: ' + ' -> '.join(circle + [nxt]))
        elif nxt not in state:
            walk(nxt, trail)
    trail.pop()
    state[node] = 2


for node in sorted(graph):
    if node not in state:
        walk(node, [])

for line in problems:
    print(line)
print(f'{len(graph)} files checked, {len(problems)} problems')
sys.exit(1 if problems else 0)
