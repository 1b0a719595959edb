#!/usr/bin/env python3
"""Writes the shipped system templates into data/defaults/System and the system-list
sections of data/defaults/kivora.INI. Run from the repository root with a built
kivora-cli (path in KIVORA_CLI, default build/rel/src/kivora-cli): the abbreviated
systems (wheels) are found and verified by the program itself ("wheel make"). A wheel
already in the folder is kept when the new search does not find a smaller one, so
running it again never makes a shipped wheel larger. Wheels are searched two at a time
(one per core; JOBS in the environment to change it).

  python3 scripts/make-systems.py [SECONDS_PER_WHEEL]
"""
import concurrent.futures
import itertools
import json
import math
import os
import subprocess
import sys
import tempfile

DRAW_SIZES = [4, 5, 6]         # draw sizes of the sample lotteries
KENO = 20                      # Keno draws 20; a ticket plays 2 to 10 spots
KENO_SPOTS = range(2, 11)
EXTRA = 4                      # full systems of one to four numbers more than the draw size
KENO_EXTRA = 3
MOST_NUMBERS = 20              # wheels on up to 20 numbers
MOST_TICKETS = 1000            # ... of at most about 1,000 tickets
OUT = os.path.join("data", "defaults", "System")
INI = os.path.join("data", "defaults", "kivora.INI")
CLI = os.environ.get("KIVORA_CLI", os.path.join("build", "rel", "src", "kivora-cli"))
SECONDS = int(sys.argv[1]) if len(sys.argv) > 1 else 1
JOBS = int(os.environ.get("JOBS", "2"))


def plural(n, forms=("номер", "номера", "номеров")):
    if n % 10 == 1 and n % 100 != 11:
        return forms[0]
    if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14:
        return forms[1]
    return forms[2]


def tickets_word(n):
    return plural(n, ("билет", "билета", "билетов"))


def write(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


def full_system(d, n):
    """(name file, description) of every d of n; d == n is the one-ticket system."""
    rows = list(itertools.combinations(range(1, n + 1), d))
    name = f"full{d}of{n}.ltt"
    if n == d:
        desc = [f"; Одна комбинация из {d} отмеченных {plural(d) if d != 1 else 'номера'}."]
    else:
        desc = [f"; Полная система: {n} {plural(n)}, все {len(rows)} комбинаций по {d} {plural(d)}.",
                "; Если выпадут любые номера из отмеченных, они окажутся в одной из комбинаций."]
    write(os.path.join(OUT, name), desc + [" ".join(map(str, r)) for r in rows])
    return name


def lower_bound(v, k, t, m):
    if k >= v:
        return 1
    if m == t:
        b = 1
        for i in range(t - 1, -1, -1):
            b = -(-(v - i) * b // (k - i))
        return b
    per = sum(math.comb(k, j) * math.comb(v - k, m - j) for j in range(t, min(k, m) + 1))
    return -(-math.comb(v, m) // per)


def guarantees(k):
    g = {(t, t) for t in range(2, k)} | {(t, t + 1) for t in range(2, k)} | {(k - 1, k)}
    return sorted(g)


def ticket_count(path):
    """Tickets of a template file: its lines that are not comments or blank."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1251").splitlines()
    return sum(1 for line in lines if line.strip() and not line.lstrip().startswith(";"))


def search_wheel(params, home):
    """(count, file name) of the wheel, or None when it is too large. The smaller of the
    new wheel and the one already shipped is kept."""
    v, k, t, m = params
    if lower_bound(v, k, t, m) > MOST_TICKETS or math.comb(v, m) > 5_000_000:
        return None
    name = f"wheel{k}_{v}_{t}if{m}.ltt"
    home = os.path.join(home, name[:-4])  # a folder of its own: two searches run at once
    os.makedirs(home)
    fresh = os.path.join(home, name)
    out = subprocess.run([CLI, "--home", home, "wheel", "make", "--numbers", str(v), "--ticket", str(k),
                          "--guarantee", str(t), "--if", str(m), "--seconds", str(SECONDS), "--seed", "1",
                          "--out", fresh, "--json"],
                         check=True, capture_output=True, text=True).stdout
    result = json.loads(out)
    assert result["verified"]
    count = result["count"]
    shipped = os.path.join(OUT, name)
    kept = ticket_count(shipped) if os.path.exists(shipped) else None
    if kept is not None and kept <= count:
        os.remove(fresh)
        count = kept
    else:
        os.replace(fresh, shipped)
    if count > MOST_TICKETS:
        os.remove(shipped)
        return None
    return count, name


def offered(v, sizes):
    """The wheels (v, k, t, m) a list offers on v numbers for tickets of these sizes."""
    return [(v, k, t, m) for k in sizes if v >= k + 2 for t, m in guarantees(k)]


def wheel_parameters():
    """Every wheel some list offers; a wheel two lists offer (4 numbers a ticket: 4 of 20
    and Keno) is made once."""
    wanted = set()
    for v in range(MOST_NUMBERS + 1):
        for sizes in [[d] for d in DRAW_SIZES] + [list(KENO_SPOTS)]:
            wanted.update(offered(v, sizes))
    return sorted(wanted)


def make_all_wheels():
    made = {}
    with tempfile.TemporaryDirectory() as home:
        with concurrent.futures.ThreadPoolExecutor(JOBS) as pool:
            jobs = {params: pool.submit(search_wheel, params, home) for params in wheel_parameters()}
            for params, job in jobs.items():
                made[params] = job.result()
                if made[params]:
                    print(f"  {params}: {made[params][0]}", file=sys.stderr)
    return made


def wheel_name(v, k, t, m, count, keno):
    spots = f" билеты по {k}," if keno else ""
    return f"{v} {plural(v)}:{spots} {t} из {m}, {count} {tickets_word(count)}"


def wheels_for(v, sizes, keno, made):
    return [(wheel_name(*params, made[params][0], keno), made[params][1])
            for params in offered(v, sizes) if made.get(params)]


def main():
    os.makedirs(OUT, exist_ok=True)
    made = make_all_wheels()
    offered = {made[params][1] for params in made if made[params]}
    for stale in os.listdir(OUT):
        if (stale.startswith("wheel") and stale not in offered) or stale.startswith("full20of"):
            os.remove(os.path.join(OUT, stale))
    write(os.path.join(OUT, "default.ltt"), [
        "; Одна комбинация из первых десяти отмеченных номеров.",
        "1 2 3 4 5 6 7 8 9 10",
    ])
    sections = {}
    for d in DRAW_SIZES:
        entries = []
        for v in range(d, MOST_NUMBERS + 1):
            if v <= d + EXTRA:
                key = f"{d} {plural(d)}" if v == d else f"{v} {plural(v)} (полная система)"
                entries.append((key, full_system(d, v)))
            entries += wheels_for(v, [d], False, made)
        sections[d] = entries
    entries = []
    for k in KENO_SPOTS:
        entries.append((f"{k} {plural(k)} (один билет)", full_system(k, k)))
    for v in range(min(KENO_SPOTS) + 1, MOST_NUMBERS + 1):
        for k in KENO_SPOTS:
            if k + 1 <= v <= k + KENO_EXTRA:
                entries.append((f"{v} {plural(v)}: билеты по {k} (полная система)", full_system(k, v)))
        entries += wheels_for(v, list(KENO_SPOTS), True, made)
    sections[KENO] = entries

    # The system-list sections of the configuration are replaced; the rest stays.
    with open(INI, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8").lstrip("\ufeff")
    except UnicodeDecodeError:
        text = raw.decode("cp1251")
    kept, skipping = [], False
    for line in text.replace("\r\n", "\n").split("\n"):
        if line.startswith("["):
            skipping = line.startswith("[for ")
        if not skipping:
            kept.append(line)
    while kept and kept[-1] == "":
        kept.pop()
    # A folder seeded from these lists has every shipped system: the start-up upgrade of
    # older folders leaves it alone.
    if not any(line.startswith("SystemListRevision=") for line in kept):
        kept.insert(kept.index("[Form]") + 1, "SystemListRevision=2")
    lines = kept + [""]
    for d in DRAW_SIZES + [KENO]:
        lines.append(f"[for {d} numbers]")
        lines += [f"{key}={name}" for key, name in sections[d]]
        lines.append("")
    write(INI, lines)
    for d in DRAW_SIZES + [KENO]:
        print(f"[for {d} numbers]: {len(sections[d])} systems, "
              f"{sum(1 for _, n in sections[d] if n.startswith('wheel'))} wheels", file=sys.stderr)


main()
