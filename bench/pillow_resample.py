# SPDX-License-Identifier: GPL-3.0-or-later
"""Times Pillow's LANCZOS resize of a bitmap; prints the median in milliseconds."""
import statistics
import sys
import time

from PIL import Image


def main():
    path, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    picture = Image.open(path).convert("RGB")
    picture.load()
    runs = []
    for _ in range(15):
        start = time.perf_counter()
        for _ in range(20):
            picture.resize((width, height), Image.LANCZOS)
        runs.append((time.perf_counter() - start) / 20 * 1e3)
    print(f"{statistics.median(runs):.3f}")


if __name__ == "__main__":
    main()
