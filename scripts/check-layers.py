#!/usr/bin/env python3
"""Fails when a component includes one above it, or includes a file that
does not exist.

Every folder of the product is a component with a layer; a component may
include its own files, files of lower layers of its own deliverable, and
common/. A component's win32/ folder belongs to the component. Includes are
written from the top of the tree or, within a folder, by bare file name.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# component: (deliverable, layer). Higher layers may include lower ones of
# the same deliverable; "common" is below everything.
COMPONENTS = {
    'common': ('common', 0),
    'hooklib/core': ('hooklib', 1),
    'hooklib/gestures': ('hooklib', 2),
    'hooklib/windowhooks': ('hooklib', 2),
    'hooklib/hooks': ('hooklib', 3),
    'control/core': ('control', 1),
    'control/taskswitcher': ('control', 2),
    'control/dragscroll': ('control', 2),
    'control/hook64': ('control', 2),
    'control/app': ('control', 3),
    'tutorial': ('tutorial', 1),
    'tools/Util': ('tools', 1),
    'tools/SetForegroundWindow': ('tools', 1),
    'tools/ShowDesktop': ('tools', 1),
}
SOURCE = ('.h', '.cpp', '.c', '.rc', '.in')
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def component_of(path):
    folder = os.path.dirname(path).split('/')
    if folder and folder[-1] == 'win32':
        folder = folder[:-1]
    while folder:
        name = '/'.join(folder)
        if name in COMPONENTS:
            return name
        folder = folder[:-1]
    return None


def target_of(includer, name):
    here = os.path.join(os.path.dirname(includer), name)
    if '/' not in name and os.path.exists(os.path.join(ROOT, here)):
        return os.path.normpath(here)
    for candidate in (name, name + '.in'):  # files the build makes from a template
        if os.path.exists(os.path.join(ROOT, candidate)):
            return os.path.normpath(name)
    return None


def main():
    problems = []
    for top in ('common', 'hooklib', 'control', 'tutorial', 'tools'):
        for folder, _, files in os.walk(os.path.join(ROOT, top)):
            for file in files:
                if not file.endswith(SOURCE):
                    continue
                path = os.path.relpath(os.path.join(folder, file), ROOT)
                mine = component_of(path)
                if mine is None:
                    problems.append(f'{path}: folder is no component (add it to scripts/check-layers.py)')
                    continue
                for number, line in enumerate(open(os.path.join(ROOT, path), errors='replace'), 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = target_of(path, match.group(1))
                    if target is None:
                        problems.append(f'{path}:{number}: "{match.group(1)}" is neither in this folder nor a path from the top')
                        continue
                    theirs = component_of(target)
                    if theirs is None or theirs == mine:
                        continue
                    (my_part, my_layer), (their_part, their_layer) = COMPONENTS[mine], COMPONENTS[theirs]
                    if their_part == 'common':
                        continue
                    if their_part != my_part:
                        problems.append(f'{path}:{number}: {mine} includes {target} of another deliverable')
                    elif their_layer >= my_layer:
                        problems.append(f'{path}:{number}: {mine} (layer {my_layer}) includes {target} '
                                        f'of {theirs} (layer {their_layer})')
    for problem in problems:
        print(problem)
    print(f'layers: {len(problems)} problem(s)')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
