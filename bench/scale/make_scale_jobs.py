#!/usr/bin/env python3
"""Writes the scale benchmark's jobs: N distinct glass sizes of 200-2000 x 150-1500 mm, QTY 1,
on one stock size (3210 x 2250) or three (with 2550 x 1605 and 6000 x 3210), with or without a
third of the rows at ORN 1. Every job comes from a fixed seed, so the files are the same on
every run. Beside them, bounds.csv holds each job's area bound: with one stock size the piece
area over the sheet area rounded up to whole sheets ("sheets"), else the piece area ("mm2").

    make_scale_jobs.py OUT_DIR [N ...]        (default N: 300 1000 2000 5000)
"""
import math
import os
import random
import sys

STOCKS = [(3210, 2250), (2550, 1605), (6000, 3210)]


def job_text(sizes, stocks, orn_rows):
    lines = ['[BASIC.TLF]',
             '"FLOAT","CLR","4","99999","","0","","0","0","",""',
             '[END]', '[OPTIONS.TLF]', '-1,0', '[END]', '[SHEET.TLF]']
    for l1, l2 in stocks:
        lines.append('"%d","%d","","","9999","","","","",""' % (l1, l2))
    lines += ['[END]', '[CUT.TLF]']
    for i, (l1, l2) in enumerate(sizes):
        orn = '1' if i in orn_rows else ''
        lines.append('"%d","%d","","","1","%s","","","","","%d","","","","",""'
                     % (l1, l2, orn, i + 1))
    lines += ['[END]', '[DIA.TLF]', '[END]']
    return '\r\n'.join(lines) + '\r\n'


def main():
    out = sys.argv[1]
    counts = [int(n) for n in sys.argv[2:]] or [300, 1000, 2000, 5000]
    os.makedirs(out, exist_ok=True)
    bounds = ['job,measure,value']
    for n in counts:
        for stock_count in (1, 3):
            for with_orn in (False, True):
                name = 'scale_%d_%ds%s' % (n, stock_count, '_orn' if with_orn else '')
                rng = random.Random(n * 100 + stock_count * 10 + with_orn)
                sizes = set()
                while len(sizes) < n:
                    sizes.add((rng.randint(200, 2000), rng.randint(150, 1500)))
                sizes = sorted(sizes)
                rng.shuffle(sizes)
                orn_rows = set(rng.sample(range(n), n // 3)) if with_orn else set()
                stocks = STOCKS[:stock_count]
                with open(os.path.join(out, name + '.opt'), 'w', newline='') as f:
                    f.write(job_text(sizes, stocks, orn_rows))
                area = sum(l1 * l2 for l1, l2 in sizes)
                if stock_count == 1:
                    sheet = stocks[0][0] * stocks[0][1]
                    bounds.append('%s,sheets,%d' % (name, math.ceil(area / sheet)))
                else:
                    bounds.append('%s,mm2,%d' % (name, area))
    with open(os.path.join(out, 'bounds.csv'), 'w') as f:
        f.write('\n'.join(bounds) + '\n')


if __name__ == '__main__':
    main()
