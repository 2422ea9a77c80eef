#!/usr/bin/env python3
"""Makes current.apkg: a package in today's layout, its collection (SQLite, the tables a package
of notes needs) compressed with zstd as collection.anki21b beside a legacy collection.anki2 that
holds only a note asking to update. Needs the zstd program.  python3 make-current.py"""
import os, sqlite3, subprocess, tempfile, zipfile

SCHEMA = """
CREATE TABLE col (id integer PRIMARY KEY, crt integer, mod integer, scm integer, ver integer);
CREATE TABLE notetypes (id integer PRIMARY KEY, name text, config blob);
CREATE TABLE fields (ntid integer, ord integer, name text, config blob, PRIMARY KEY (ntid, ord));
CREATE TABLE decks (id integer PRIMARY KEY, name text);
CREATE TABLE notes (id integer PRIMARY KEY, guid text, mid integer, mod integer, usn integer,
                    tags text, flds text, sfld integer, csum integer, flags integer, data text);
CREATE TABLE cards (id integer PRIMARY KEY, nid integer, did integer, ord integer);
CREATE TABLE revlog (id integer PRIMARY KEY, cid integer, usn integer, ease integer, ivl integer,
                     lastIvl integer, factor integer, time integer, type integer);
"""
DAY = 86400000
T0 = 1767225600000  # 2026-01-01 00:00 UTC, in ms


def current(path):
    db = sqlite3.connect(path)
    db.executescript(SCHEMA)
    db.execute("INSERT INTO col VALUES (1, 0, 0, 0, 18)")
    db.executemany("INSERT INTO notetypes VALUES (?, ?, '')", [(10, "Basic (and reversed card)"), (20, "Vocab")])
    db.executemany("INSERT INTO fields VALUES (?, ?, ?, '')", [
        (10, 0, "Front"), (10, 1, "Back"), (10, 2, "Extra"),
        (20, 0, "Example"), (20, 1, "Word"), (20, 2, "Meaning")])
    db.executemany("INSERT INTO decks VALUES (?, ?)", [
        (1, "Default"), (2, "Spanish"), (3, "Spanish\x1fVerbs"), (4, "German")])
    notes = [  # id, type, deck, fields
        (100, 10, 2, ["la casa", "the house", "f."]),
        (101, 10, 3, ["hablar", "to&nbsp;speak", ""]),
        (102, 20, 4, ["Das <i>Haus</i> ist alt.", "das Haus", "the house"]),
        (103, 10, 1, ["{{c1::Madrid::city}} es la {{c2::capital}}", "Spain", ""]),
        (104, 20, 4, ["", "", "empty word"]),
        (105, 10, 2, ["&lt;b&gt; &#x41;&#66; &ccedil;a&hellip;", "<div>one</div><div>two</div>", ""]),
    ]
    for nid, mid, did, flds in notes:
        db.execute("INSERT INTO notes VALUES (?, ?, ?, 0, 0, '', ?, 0, 0, 0, '')",
                   (nid, "g%d" % nid, mid, "\x1f".join(flds)))
        db.execute("INSERT INTO cards VALUES (?, ?, ?, 0)", (nid * 10, nid, did))
    db.execute("INSERT INTO cards VALUES (1001, 100, 2, 1)")  # the reversed card of "la casa"
    # Good, then Again a day later, then Easy; the reversed card Hard; a manual change (ease 0).
    db.executemany("INSERT INTO revlog VALUES (?, ?, 0, ?, 0, 0, 0, 0, ?)", [
        (T0, 1000, 3, 0), (T0 + DAY, 1000, 1, 1), (T0 + 3 * DAY, 1000, 4, 2),
        (T0 + DAY + 5, 1001, 2, 0), (T0 + 2 * DAY, 1000, 0, 4), (T0 + DAY + 9, 1020, 3, 0)])
    db.commit()
    db.close()


def legacy(path):
    db = sqlite3.connect(path)
    db.executescript("""
CREATE TABLE col (id integer PRIMARY KEY, models text, decks text);
CREATE TABLE notes (id integer PRIMARY KEY, mid integer, flds text);
CREATE TABLE cards (id integer PRIMARY KEY, nid integer, did integer, ord integer);
INSERT INTO col VALUES (1, '{"1": {"name": "Basic", "flds": [{"name": "Front", "ord": 0}, {"name": "Back", "ord": 1}]}}',
                        '{"1": {"name": "Default"}}');
INSERT INTO notes VALUES (1, 1, 'Please update to the latest Anki version, then import the .colpkg/.apkg file again.' || char(31) || '');
INSERT INTO cards VALUES (1, 1, 1, 0);
""")
    db.commit()
    db.close()


with tempfile.TemporaryDirectory() as tmp:
    current(os.path.join(tmp, "c"))
    subprocess.run(["zstd", "-q", "-19", os.path.join(tmp, "c"), "-o", os.path.join(tmp, "c.zst")], check=True)
    legacy(os.path.join(tmp, "l"))
    with zipfile.ZipFile("current.apkg", "w", zipfile.ZIP_DEFLATED) as z:
        z.write(os.path.join(tmp, "l"), "collection.anki2")
        z.write(os.path.join(tmp, "c.zst"), "collection.anki21b", compress_type=zipfile.ZIP_STORED)
        z.writestr("media", b"")
