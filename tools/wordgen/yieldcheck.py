#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measure how many hidden words a dictionary finds in ordinary prose.

Runs the real analysis (slovoset-cli list) over the sample texts in
texts/ with the dictionary of DATA_DIR, and prints hidden words of four
and of five or more letters per 1,000 characters of text.

Usage: yieldcheck.py --cli build/slovoset/slovoset-cli [--data data/slovoset] [--words] [TEXT...]
"""

import argparse
import glob
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def hidden_words(cli, text_path):
    out = subprocess.run([cli, "list", text_path], check=True, capture_output=True, text=True).stdout
    return [line.split("\t")[0] for line in out.splitlines() if line]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--cli", required=True)
    ap.add_argument("--data", default=os.path.join(ROOT, "data", "slovoset"))
    ap.add_argument("--words", action="store_true", help="list the words found")
    ap.add_argument("texts", nargs="*")
    args = ap.parse_args()
    texts = args.texts or sorted(glob.glob(os.path.join(HERE, "texts", "*.txt")))

    with tempfile.TemporaryDirectory() as tmp:
        # The program finds its dictionary in Data/ beside itself.
        cli = os.path.join(tmp, "slovoset-cli")
        shutil.copy(args.cli, cli)
        shutil.copytree(args.data, os.path.join(tmp, "Data"))
        chars = four = five = 0
        for path in texts:
            with open(path, encoding="utf-8") as f:
                n = len(f.read())
            words = hidden_words(cli, path)
            w4 = [w for w in words if len(w) >= 4]
            w5 = [w for w in words if len(w) >= 5]
            chars, four, five = chars + n, four + len(w4), five + len(w5)
            print("%-28s %5d chars  4+: %5.2f  5+: %5.2f per 1000"
                  % (os.path.basename(path), n, 1000 * len(w4) / n, 1000 * len(w5) / n))
            if args.words:
                print("   ", " ".join(w4))
        print("%-28s %5d chars  4+: %5.2f  5+: %5.2f per 1000" % ("all", chars, 1000 * four / chars, 1000 * five / chars))
    return 0


if __name__ == "__main__":
    sys.exit(main())
