#!/usr/bin/env python3
"""Writes the shipped system templates into data/defaults/System and prints the
system-list sections for kivora.INI. Run from the repository root."""
import itertools
import os

SIZES = [4, 5, 6, 20]          # draw sizes of the sample lotteries
EXTRA = 4                      # full systems of one to four numbers more than the draw size
OUT = os.path.join("data", "defaults", "System")


def plural(n):
    if n % 10 == 1 and n % 100 != 11:
        return "номер"
    if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14:
        return "номера"
    return "номеров"


def write(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


os.makedirs(OUT, exist_ok=True)
write(os.path.join(OUT, "default.ltt"), [
    "; Одна комбинация из первых десяти отмеченных номеров.",
    "1 2 3 4 5 6 7 8 9 10",
])
for d in SIZES:
    print(f"[for {d} numbers]")
    for n in range(d, d + EXTRA + 1):
        rows = list(itertools.combinations(range(1, n + 1), d))
        name = f"full{d}of{n}.ltt"
        if n == d:
            desc = [f"; Одна комбинация из {d} отмеченных {plural(d) if d != 1 else 'номера'}."]
            key = f"{d} {plural(d)}"
        else:
            desc = [f"; Полная система: {n} {plural(n)}, все {len(rows)} комбинаций по {d} {plural(d)}.",
                    "; Если выпадут любые номера из отмеченных, они окажутся в одной из комбинаций."]
            key = f"{n} {plural(n)} (полная система)"
        write(os.path.join(OUT, name), desc + [" ".join(map(str, r)) for r in rows])
        print(f"{key}={name}")
    print()
