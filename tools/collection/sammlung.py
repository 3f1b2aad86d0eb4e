"""Model of the collection while it is authored, its checks and the writer of
the text form (see data/collection/README.md)."""
import os
import sys

from kern import evaluate, EvalError, num, fmt

QUANT = []          # quantity dicts in NR order
BYVAR = {}          # RECHENVARI (upper) -> quantity
TABLES = []         # unit tables: (Groesse, DATEI, Variable, [(Stoff, Einheit, Faktor)])
AREAS = []          # (file key, GEBIET, [(THEMA, [formula dicts])])
_nr = [0]
ERRORS = []


def err(msg):
    ERRORS.append(msg)


def nr(start):
    _nr[0] = start - 1


def q(var, name, sym, unit, uname, datei="", abl="", konst="", ex=None):
    """A quantity. ex: a sensible sample value (text, decimal comma)."""
    _nr[0] += 1
    var = var.upper()
    if var in BYVAR:
        err("Variable doppelt: " + var)
    d = dict(NR=_nr[0], GROESSE=name, SYMBOL=sym, EINHEIT=unit, ABLEITUNG=abl,
             NAMEEINHEI=uname, DATEI=datei, RECHENVARI=var, KONSTANTE=konst,
             ex=konst if konst else ex)
    QUANT.append(d)
    BYVAR[var] = d
    return d


def table(groesse, datei, variable, rows):
    TABLES.append((groesse, datei, variable, rows))


def area(key, name):
    AREAS.append((key, name, []))


def topic(name):
    AREAS[-1][2].append((name, []))


def drawn_roots(formel):
    """Roots whose argument holds a fraction get the drawn root sign: its bar
    stands above the numerator, where the symbol-font root's bar would cross it."""
    out = ""
    i = 0
    while i < len(formel):
        if formel.startswith("\\r(", i):
            depth = 0
            j = i + 2
            while j < len(formel):
                depth += {"(": 1, ")": -1}.get(formel[j], 0)
                if depth == 0:
                    break
                j += 1
            arg = formel[i + 3:j]
            out += ("\\w(" if "\\f(" in arg else "\\r(") + drawn_roots(arg) + ")"
            i = j + 1
        else:
            out += formel[i]
            i += 1
    return out


def f(inhalt, varlist, recs, ex="", grafik=""):
    """A formula. varlist: RECHENVARI of its quantities (main order);
    recs: 'FORMEL ~ RECHNUNG' or 'FORMEL ~ =VAR' (no calculation);
    ex: sample values overriding the quantities' own ('A=2; B=3')."""
    vars_ = [v.upper() for v in varlist]
    records = []
    for r in recs:
        formel, _, rech = [p.strip() for p in r.partition("~")]
        if rech.startswith("="):
            res = rech[1:].strip().upper()
            rech = ""
        elif rech:
            res = rech.split("=", 1)[0].strip().upper()
        else:
            res = None
        records.append(dict(FORMEL=drawn_roots(formel), RECHNUNG=rech, res=res))
    over = {}
    for part in [p for p in ex.split(";") if p.strip()]:
        k, v = part.split("=")
        over[k.strip().upper()] = v.strip()
    AREAS[-1][2][-1][1].append(dict(INHALT=inhalt, vars=vars_, recs=records,
                                    over=over, GRAFIK=grafik))


# ----------------------------------------------------------------------------
def order_given(given):
    """Orders the given quantities so that no symbol is preceded by a symbol that
    is its beginning (the example page replaces symbols in slot order)."""
    g = list(given)
    changed = True
    while changed:
        changed = False
        for i in range(len(g)):
            for j in range(i + 1, len(g)):
                si, sj = BYVAR[g[i]]["SYMBOL"], BYVAR[g[j]]["SYMBOL"]
                if sj.startswith(si):
                    g.insert(i, g.pop(j))
                    changed = True
                    break
            if changed:
                break
    return g


def example_strays(formel, given_syms):
    """Simulates the example page's symbol replacement and reports matches that
    tear a symbol out of other markup (after a lone backslash, inside a Greek
    letter, inside a word)."""
    rest = formel.split("=", 1)[1] if "=" in formel else ""
    strays = []
    prev = ""
    while rest:
        if rest.startswith("\\") and not rest.startswith("\\c"):
            prev += rest[:2]
            rest = rest[2:]
        matched = False
        for s in given_syms:
            if rest.startswith(s) and s:
                before = prev[-1:] if prev else ""
                before2 = prev[-2:-1] if len(prev) > 1 else ""
                after = rest[len(s):len(s) + 1]
                bad = before == "\\" or prev.endswith("\\c(") and not s.startswith("\\c(")
                if before.isalpha() and (before2 != "\\" or before not in "mSI"):
                    bad = True
                if after.isalpha() and s[-1:].isalpha():
                    bad = True
                if bad:
                    strays.append(s)
                prev += "\x00"
                rest = rest[len(s):]
                matched = True
        if not matched and rest:
            prev += rest[0]
            rest = rest[1:]
    return strays


def check_and_build():
    records = []
    inhalt_seen = set()
    used_tables = set()
    for key, gebiet, topics in AREAS:
        if len(gebiet) > 40:
            err("GEBIET zu lang: " + gebiet)
        if len(topics) > 20:
            err("zu viele Themen in " + gebiet)
        for thema, formulas in topics:
            if len(thema) > 60:
                err("THEMA zu lang: " + thema)
            if len(formulas) > 40:
                err("zu viele Formeln in " + thema)
            for fo in formulas:
                where = "%s/%s/%s" % (gebiet, thema, fo["INHALT"])
                if fo["INHALT"] in inhalt_seen:
                    err("INHALT doppelt: " + where)
                inhalt_seen.add(fo["INHALT"])
                if len(fo["INHALT"]) > 80:
                    err("INHALT zu lang: " + where)
                for v in fo["vars"]:
                    if v not in BYVAR:
                        err("unbekannte Größe %s in %s" % (v, where))
                if any(v not in BYVAR for v in fo["vars"]):
                    continue
                anchor = None
                for i, r in enumerate(fo["recs"]):
                    res = r["res"]
                    if res is None:
                        ms = fo["vars"]
                    else:
                        if res not in fo["vars"]:
                            err("Ergebnis %s nicht in Größenliste: %s" % (res, where))
                            continue
                        ms = [res] + order_given([v for v in fo["vars"] if v != res])
                    if len(ms) > 9:
                        err("mehr als 9 Größen: " + where)
                    r["M"] = ms
                    if len(r["FORMEL"]) > 255:
                        err("FORMEL zu lang: " + where)
                    if len(r["RECHNUNG"]) > 200:
                        err("RECHNUNG zu lang: " + where)
                    given = ms[1:] if res is not None else ms
                    gsyms = [BYVAR[v]["SYMBOL"] for v in (ms[1:] if res else [])]
                    for v in (ms[1:] if res else []):
                        if BYVAR[v]["SYMBOL"] not in r["FORMEL"].split("=", 1)[-1]:
                            err("Symbol %s fehlt in FORMEL %s (%s)" % (BYVAR[v]["SYMBOL"], r["FORMEL"], where))
                    st = example_strays(r["FORMEL"], gsyms)
                    if st:
                        print("Hinweis: Beispielseite trifft %s in %s (%s)" % (st, r["FORMEL"], where))
                    if r["RECHNUNG"] and anchor is None:
                        anchor = r
                    for v in ms:
                        if BYVAR[v]["DATEI"]:
                            used_tables.add(BYVAR[v]["DATEI"])
                # compute
                if anchor is not None:
                    env = {}
                    for v in anchor["M"][1:]:
                        qd = BYVAR[v]
                        val = fo["over"].get(v, qd["ex"])
                        if val is None:
                            err("kein Beispielwert für %s in %s" % (v, where))
                            val = "1"
                        env[v] = num(val)
                    try:
                        body = anchor["RECHNUNG"].split("=", 1)[1]
                        resv, used = evaluate(body, env)
                        if not used <= set(anchor["M"][1:]):
                            err("RECHNUNG nutzt fremde Größen: " + where)
                    except EvalError as e:
                        err("Rechenfehler %s: %s in %s" % (e, anchor["RECHNUNG"], where))
                        continue
                    vals = dict(env)
                    vals[anchor["res"]] = resv
                    fo["beispiel"] = "; ".join(
                        "%s=%s" % (v, fo["over"].get(v, BYVAR[v]["ex"]))
                        for v in anchor["M"][1:] if not BYVAR[v]["KONSTANTE"])
                    for r in fo["recs"]:
                        if not r["RECHNUNG"] or r is anchor:
                            continue
                        lhs, body = r["RECHNUNG"].split("=", 1)
                        if lhs.strip().upper() != r["res"]:
                            err("RECHNUNG definiert nicht M1: " + where)
                        try:
                            env2 = {v: vals[v] for v in r["M"][1:]}
                            got, used = evaluate(body, env2)
                        except EvalError as e:
                            err("Rechenfehler %s: %s in %s" % (e, r["RECHNUNG"], where))
                            continue
                        want = vals[r["res"]]
                        if abs(got - want) > 1e-12 * max(abs(want), 1e-300):
                            err("Umformung weicht ab: %s gibt %r statt %r (%s)" % (r["RECHNUNG"], got, want, where))
                for k, r in enumerate(fo["recs"]):
                    if "M" not in r:
                        continue
                    rec = dict(GEBIET=gebiet, THEMA=thema, INHALT=fo["INHALT"],
                               FORMEL=r["FORMEL"], GRAFIK=fo["GRAFIK"],
                               RECHNUNG=r["RECHNUNG"], M=r["M"],
                               BEISPIEL="")
                    if r is anchor and fo.get("beispiel"):
                        rec["BEISPIEL"] = "Beispielwerte: " + fo["beispiel"]
                    records.append((key, rec))
    names = {t[1] for t in TABLES}
    for t in used_tables:
        if t not in names:
            err("Tabelle fehlt: " + t)
    for qd in QUANT:
        for fld, lim in (("GROESSE", 50), ("SYMBOL", 20), ("EINHEIT", 20), ("ABLEITUNG", 30),
                         ("NAMEEINHEI", 30), ("DATEI", 24), ("RECHENVARI", 19), ("KONSTANTE", 20)):
            if len(qd[fld]) > lim:
                err("%s zu lang: %s" % (fld, qd[fld]))
        v = qd["RECHENVARI"]
        if not v.isalpha() or not v.isascii():
            err("Variablenname nur aus Buchstaben: " + v)
    for g, d, v, rows in TABLES:
        if rows[0][2] not in ("1", "-1"):
            err("erster Faktor nicht 1/-1: " + d)
        for s, e, fa in rows:
            if len(s) > 30 or len(e) > 20 or len(fa) > 15:
                err("Einheitenfeld zu lang: %s %s %s" % (s, e, fa))
            num(fa)
    return records


FELD_FORMEL = """%tabelle formel
%feld GEBIET text 40
%feld THEMA text 60
%feld INHALT text 80
%feld FORMEL text 255
%feld GRAFIK text 60
%feld RECHNUNG text 200
%feld BEISPIEL text 255
%feld QUELLE text 80
""" + "".join("%%feld M%d ganzzahl\n" % i for i in range(1, 10)) + """%feld nr ganzzahl
%feld myNr ganzzahl
%index myNr
"""


def write(outdir):
    records = check_and_build()
    if ERRORS:
        for e in ERRORS:
            print("FEHLER:", e)
        sys.exit(1)
    # formulas, one file per area
    files = {}
    for key, rec in records:
        files.setdefault(key, []).append(rec)
    for key, recs in files.items():
        lines = ["# Formelsammlung: " + recs[0]["GEBIET"], "", FELD_FORMEL]
        lastg = lastt = None
        for r in recs:
            if r["GEBIET"] != lastg:
                lines.append("%vorgabe GEBIET: " + r["GEBIET"])
                lastg = r["GEBIET"]
            if r["THEMA"] != lastt:
                lines.append("%vorgabe THEMA: " + r["THEMA"])
                lines.append("")
                lastt = r["THEMA"]
            lines.append("INHALT: " + r["INHALT"])
            lines.append("FORMEL: " + r["FORMEL"])
            if r["GRAFIK"]:
                lines.append("GRAFIK: " + r["GRAFIK"])
            if r["RECHNUNG"]:
                lines.append("RECHNUNG: " + r["RECHNUNG"])
            if r["BEISPIEL"]:
                lines.append("BEISPIEL: " + r["BEISPIEL"])
            for i, v in enumerate(r["M"]):
                lines.append("M%d: %d" % (i + 1, BYVAR[v]["NR"]))
            lines.append("")
        with open(os.path.join(outdir, "formel_%s.txt" % key), "w", encoding="utf-8") as fh:
            fh.write("\n".join(lines))
    # quantities
    lines = ["# Die Größen der Formelsammlung", "",
             "%tabelle GROESSEN", "%feld NR zahl", "%feld GROESSE text 70", "%feld SYMBOL text 30",
             "%feld EINHEIT text 41", "%feld ABLEITUNG text 30", "%feld NAMEEINHEI text 30",
             "%feld DATEI text 24", "%feld RECHENVARI text 20", "%feld KONSTANTE text 20",
             "%index NR", ""]
    for qd in QUANT:
        lines.append("NR: %d" % qd["NR"])
        for fld in ("GROESSE", "SYMBOL", "EINHEIT", "ABLEITUNG", "NAMEEINHEI", "DATEI",
                    "RECHENVARI", "KONSTANTE"):
            if qd[fld]:
                lines.append("%s: %s" % (fld, qd[fld]))
        lines.append("")
    with open(os.path.join(outdir, "groessen.txt"), "w", encoding="utf-8") as fh:
        fh.write("\n".join(lines))
    # quantity list and unit tables
    lines = ["# Die Größen mit Umrechnungstabellen", "", "%tabelle umrechnu",
             "%feld Groesse text 40", "%feld DATEI text 40", "%feld Variable text 40", ""]
    for g, d, v, rows in TABLES:
        lines += ["Groesse: " + g, "DATEI: " + d + ".cds", "Variable: " + v, ""]
    with open(os.path.join(outdir, "umrechnu.txt"), "w", encoding="utf-8") as fh:
        fh.write("\n".join(lines))
    lines = ["# Umrechnungstabellen, eine je Größe. Der erste Eintrag ist die Basiseinheit:",
             "# Faktor 1: Faktor = Größe einer Einheit in Basiseinheiten;",
             "# Faktor -1: Faktor = Anzahl der Einheiten in einer Basiseinheit.", ""]
    for g, d, v, rows in TABLES:
        lines += ["# " + g, "%tabelle " + d, "%feld Stoff text 30", "%feld Einheit text 25",
                  "%feld Faktor text 15", ""]
        for s, e, fa in rows:
            lines += ["Stoff: " + s, "Einheit: " + e, "Faktor: " + fa, ""]
    with open(os.path.join(outdir, "einheiten.txt"), "w", encoding="utf-8") as fh:
        fh.write("\n".join(lines))
    nform = sum(len(fs) for _, _, ts in AREAS for _, fs in ts)
    ntop = sum(len(ts) for _, _, ts in AREAS)
    print("Gebiete %d, Themen %d, Formeln %d, Datensätze %d, Größen %d, Tabellen %d, Bilder %d" % (
        len(AREAS), ntop, nform, len(records), len(QUANT), len(TABLES),
        sum(1 for _, _, ts in AREAS for _, fs in ts for fo in fs if fo["GRAFIK"])))
