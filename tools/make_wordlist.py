#!/usr/bin/env python3
"""Turn Debian's wdutch list into resources/woordenlijst.txt.

Keeps lower-case entries only (names and abbreviations in capitals go),
folds diacritics to the bare letter, then keeps the words of 2 to 15
letters a-z. The output is sorted, unique, one word a line.

Usage: make_wordlist.py [/usr/share/dict/dutch] [resources/woordenlijst.txt]
"""
import sys
import unicodedata


def fold(word):
    decomposed = unicodedata.normalize("NFD", word)
    return "".join(ch for ch in decomposed if not unicodedata.combining(ch))


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/dict/dutch"
    target = sys.argv[2] if len(sys.argv) > 2 else "resources/woordenlijst.txt"
    words = set()
    with open(source, encoding="utf-8") as f:
        for line in f:
            entry = line.strip()
            if not entry or entry != entry.lower():
                continue
            word = fold(entry)
            if 2 <= len(word) <= 15 and all("a" <= ch <= "z" for ch in word):
                words.add(word)
    with open(target, "w", encoding="ascii", newline="\n") as f:
        for word in sorted(words):
            f.write(word + "\n")
    print(f"{len(words)} words written to {target}")


if __name__ == "__main__":
    main()
