#!/usr/bin/env python3
"""Figures about the source tree's structure, for a restructuring's before and after.

A developer tool, not part of the build. It reads the C++ sources as text (no build needed):
    python3 scripts/structure_figures.py [TREE]
and prints
  - the C++ lines of each top-level folder (every line of the .h and .cpp files, tests apart);
  - the test/code ratio: C++ lines that are neither blank nor comment-only, test files being the
    paths with a tests/ folder or _test in the name, test lines / (all lines - test lines);
  - the include graph between the product's folders (a folder is a top-level folder, or
    window/'s and qt/'s subfolders, which are separate layers): the floors (floor 1 imports no
    other folder; a folder stands one floor above the highest it includes), the includes that
    run back up (from a folder to one of a higher floor, only possible inside a loop), the loops
    and the biggest folder;
  - the folders that hold the files of the K-prime calculator and of the planning dialog (files
    named after the feature, the numeric core's and the tests' apart), i.e. how many folders a
    change of one feature touches.
"""

import re
import sys
from collections import defaultdict
from pathlib import Path

TREE = Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
SOURCES = [p for p in TREE.rglob("*") if p.suffix in (".h", ".cpp") and p.is_file()
           and not any(part.startswith("build") or part.startswith(".") for part in
                       p.relative_to(TREE).parts)]
LAYERED = ("window", "qt")  # folders whose subfolders are layers of their own


def relative(p):
    return p.relative_to(TREE).as_posix()


def is_test(path):
    return "/tests/" in "/" + path or "_test" in Path(path).name


def code_lines(text):
    count, in_block = 0, False
    for line in text.splitlines():
        s = line.strip()
        if in_block:
            if "*/" in s:
                in_block = False
                s = s.split("*/", 1)[1].strip()
            else:
                continue
        if not s or s.startswith("//"):
            continue
        if s.startswith("/*"):
            if "*/" not in s:
                in_block = True
            continue
        count += 1
    return count


def folder_of(path):
    parts = path.split("/")
    if parts[0] in LAYERED and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    return parts[0]


texts = {relative(p): p.read_text(encoding="utf-8", errors="replace") for p in SOURCES}

# Lines per top-level folder.
per_top = defaultdict(int)
for path, text in texts.items():
    if not is_test(path):
        per_top[path.split("/")[0] if "/" in path else "."] += len(text.splitlines())
print("C++ lines per top-level folder (tests apart):")
for top, n in sorted(per_top.items(), key=lambda kv: -kv[1]):
    print(f"  {top:10s} {n:6d}")

# Test/code ratio.
test = sum(code_lines(t) for p, t in texts.items() if is_test(p))
allc = sum(code_lines(t) for t in texts.values())
print(f"test/code ratio: {test} test lines / {allc - test} other lines = {test / (allc - test):.3f}")

# Include graph between product folders.
product = {p: t for p, t in texts.items()
           if not is_test(p) and "/" in p and p.split("/")[0] not in ("tests", "bench", "fuzz", "help",
                                                                       "packaging", "scripts")}
known = set(product)
by_name = defaultdict(list)
for p in known:
    by_name[Path(p).name].append(p)
edges = defaultdict(set)
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
for path, text in product.items():
    here = folder_of(path)
    for inc in include.findall(text):
        target = None
        if inc in known:
            target = inc
        else:
            local = (Path(path).parent / inc).as_posix()
            if local in known:
                target = local
            else:
                ends = [k for k in known if k.endswith("/" + inc)]
                if len(ends) == 1:
                    target = ends[0]
        if target and folder_of(target) != here:
            edges[here].add(folder_of(target))
folders = sorted({folder_of(p) for p in product})

# Loops: strongly connected components (Tarjan).
index, low, stack, on, sccs, counter = {}, {}, [], set(), [], [0]


def strong(v):
    index[v] = low[v] = counter[0]
    counter[0] += 1
    stack.append(v)
    on.add(v)
    for w in edges[v]:
        if w not in index:
            strong(w)
            low[v] = min(low[v], low[w])
        elif w in on:
            low[v] = min(low[v], index[w])
    if low[v] == index[v]:
        comp = set()
        while True:
            w = stack.pop()
            on.discard(w)
            comp.add(w)
            if w == v:
                break
        sccs.append(comp)


for f in folders:
    if f not in index:
        strong(f)
component = {f: i for i, c in enumerate(sccs) for f in c}
floor = {}


def floor_of(c):
    if c not in floor:
        floor[c] = 1 + max((floor_of(component[w]) for f in sccs[c] for w in edges[f]
                            if component[w] != c), default=0)
    return floor[c]


print("include graph between folders:")
by_floor = defaultdict(list)
for f in folders:
    by_floor[floor_of(component[f])].append(f)
for fl in sorted(by_floor, reverse=True):
    print(f"  floor {fl}: {', '.join(by_floor[fl])}")
loops = [c for c in sccs if len(c) > 1]
back = sum(1 for f in folders for w in edges[f] if component[w] == component[f])
print(f"  {len(folders)} folders on {len(by_floor)} floors, {sum(len(e) for e in edges.values())} links, "
      f"{back} running back up, {len(loops)} loops" + ("".join(f"\n  loop: {sorted(c)}" for c in loops)))
size = defaultdict(int)
for p, t in product.items():
    size[folder_of(p)] += len(t.splitlines())
big = max(size, key=size.get)
print(f"  biggest folder: {big} ({size[big]} lines)")

# Folders a feature's change touches.
for feature, pattern in (("K-prime", re.compile(r"kprime")), ("planning", re.compile(r"(^|_)plan"))):
    files = sorted(p for p in product if pattern.search(Path(p).name)
                   and p.split("/")[0] not in ("numeric", "basfun"))
    dirs = sorted({str(Path(p).parent) for p in files})
    print(f"{feature}: {len(files)} files in {len(dirs)} folders: {', '.join(dirs)}")
