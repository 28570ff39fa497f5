#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""Picks small faults at random for scripts/mutate.sh: a comparison flipped, a number moved by
one, a condition negated, && and || swapped, + and - swapped. No person chooses them, so they
measure the tests rather than what their writer thought of.

    mutants.py SEED COUNT OUTDIR AREA=FILE...

Writes OUTDIR/N.file (the path) and OUTDIR/N.text (the file with mutant N in it) and prints one
line per mutant: N, area, file:line, what changed and the line it changed in, tab-separated. The same seed over the same
sources picks the same mutants.

Left alone: comments, preprocessor lines, string and character literals, lines that log or fail
with a text (what they say is not a rule), and tables fenced with clang-format off (hand-laid data:
positions on the screen and the next stone's drawing, which a drawing test compares as a picture).
"""
import random
import re
import sys

OPERATORS = {' < ': ' <= ', ' <= ': ' < ', ' > ': ' >= ', ' >= ': ' > ', ' == ': ' != ',
             ' != ': ' == ', ' && ': ' || ', ' || ': ' && ', ' + ': ' - ', ' - ': ' + '}
OPERATOR_PATTERN = re.compile('|'.join(re.escape(o) for o in sorted(OPERATORS, key=len, reverse=True)))
NUMBER_PATTERN = re.compile(r'(?<![\w.])\d+(?![\w.])')
CONDITION_PATTERN = re.compile(r'\b(if|while) \(')
TEXT_LINES = re.compile(r'\b(Log|Fail|printf|fprintf|puts)\s*\(')


def masked(text):
    """The text with comments and literals' insides turned to spaces, offsets kept."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        if text.startswith('//', i):
            while i < n and text[i] != '\n':
                out[i] = ' '
                i += 1
        elif text.startswith('/*', i):
            end = text.find('*/', i + 2)
            end = n if end < 0 else end + 2
            for j in range(i, end):
                if text[j] != '\n':
                    out[j] = ' '
            i = end
        elif text[i] in '"\'':
            quote, i = text[i], i + 1
            while i < n and text[i] != quote:
                out[i] = ' '
                if text[i] == '\\':
                    i += 1
                    out[i] = ' '
                i += 1
            i += 1
        else:
            i += 1
    return ''.join(out)


def eligible_lines(text):
    lines = text.split('\n')
    fenced = False
    result = set()
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if stripped == '// clang-format off':
            fenced = True
        elif stripped == '// clang-format on':
            fenced = False
        elif not fenced and not stripped.startswith('#') and not TEXT_LINES.search(line):
            result.add(number)
    return result


def sites(text):
    """Every place a fault can go: (offset, old text, new texts)."""
    code = masked(text)
    line_starts = [0] + [i + 1 for i, c in enumerate(text) if c == '\n']
    lines = eligible_lines(text)

    def line_of(offset):
        lo, hi = 0, len(line_starts)
        while hi - lo > 1:
            mid = (lo + hi) // 2
            if line_starts[mid] <= offset:
                lo = mid
            else:
                hi = mid
        return lo + 1

    found = []
    for match in OPERATOR_PATTERN.finditer(code):
        if line_of(match.start()) in lines:
            found.append((match.start(), match.group(), [OPERATORS[match.group()]]))
    for match in NUMBER_PATTERN.finditer(code):
        if line_of(match.start()) in lines:
            value = int(match.group())
            moved = [str(value + 1)] + ([str(value - 1)] if value > 0 else [])
            found.append((match.start(), match.group(), moved))
    for match in CONDITION_PATTERN.finditer(code):
        if line_of(match.start()) not in lines:
            continue
        depth, i = 1, match.end()
        while depth and i < len(code):
            depth += {'(': 1, ')': -1}.get(code[i], 0)
            i += 1
        condition = text[match.end():i - 1]
        old = text[match.start():i]
        found.append((match.start(), old, [f'{match.group(1)} (!({condition}))']))
    return sorted(found), line_of


def main():
    seed, count, outdir = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    everything = []
    for argument in sys.argv[4:]:
        area, path = argument.split('=', 1)
        with open(path, encoding='utf-8', newline='') as source:
            text = source.read()
        found, line_of = sites(text)
        everything += [(area, path, text, line_of, site) for site in found]
    rng = random.Random(seed)
    chosen = rng.sample(everything, min(count, len(everything)))
    for number, (area, path, text, line_of, (offset, old, news)) in enumerate(chosen, 1):
        new = rng.choice(news)
        mutated = text[:offset] + new + text[offset + len(old):]
        with open(f'{outdir}/{number}.file', 'w', encoding='utf-8') as out:
            out.write(path)
        with open(f'{outdir}/{number}.text', 'w', encoding='utf-8', newline='') as out:
            out.write(mutated)
        shown_old = ' '.join(old.split())
        shown_new = ' '.join(new.split())
        line = text.split('\n')[line_of(offset) - 1].strip()
        print(f'{number}\t{area}\t{path}:{line_of(offset)}\t{shown_old} -> {shown_new}\tin: {line}')
    print(f'# {len(everything)} places in all', file=sys.stderr)


if __name__ == '__main__':
    main()
