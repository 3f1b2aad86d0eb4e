"""Authoring aid for the bundled collection.

The committed source of truth are the text files in data/collection/; this
script was used to write them in one go and to check them while writing:
it evaluates every re-arrangement with a small re-implementation of the
program's evaluator rules (decimal comma, ^ left-associative and binding
tighter than functions, negation only at the start or after "(").
"""
import math
import re

# ----------------------------------------------------------------------------
# Evaluator (same reading rules as the program's)

FUNCS = ["LG(", "LN(", "SQR(", "COS(", "SIN(", "TAN(", "EXP(", "ABS(", "SGN(",
         "RAD(", "GRAD(", "SQRT(", "ARCCOS(", "ARCSIN(", "ARCTAN(", "COT(",
         "ARCCOT(", "FAK("]
PREC = {"+": 2, "-": 2, "/": 3, "*": 3, ":": 3, "(": 0, "NEG": 2, "^": 5}


class EvalError(Exception):
    pass


def _apply(op, st):
    if op in ("+", "-", "/", "*", ":", "^"):
        if len(st) < 2:
            raise EvalError("stack")
        b = st.pop()
        a = st.pop()
        if op == "+":
            st.append(a + b)
        elif op == "-":
            st.append(a - b)
        elif op in ("/", ":"):
            if b == 0:
                raise EvalError("div0")
            st.append(a / b)
        elif op == "*":
            st.append(a * b)
        else:
            if b == 0:
                st.append(1.0)
            elif b != int(b):
                if a <= 0:
                    raise EvalError("pow")
                st.append(math.exp(b * math.log(a)))
            else:
                p = a ** abs(int(b))
                if b < 0:
                    if p == 0:
                        raise EvalError("pow0")
                    p = 1 / p
                st.append(p)
        return
    if not st:
        raise EvalError("stack")
    x = st.pop()
    f = op[:-1]
    if op == "NEG":
        r = -x
    elif f == "LN":
        if x <= 0:
            raise EvalError("ln")
        r = math.log(x)
    elif f == "LG":
        if x <= 0:
            raise EvalError("lg")
        r = math.log10(x)
    elif f == "SQR":
        r = x * x
    elif f == "COS":
        r = math.cos(x)
    elif f == "SIN":
        r = math.sin(x)
    elif f == "TAN":
        r = math.tan(x)
    elif f == "COT":
        r = 1 / math.tan(x)
    elif f == "EXP":
        r = math.exp(x)
    elif f == "ABS":
        r = abs(x)
    elif f == "SGN":
        r = (x > 0) - (x < 0)
    elif f == "RAD":
        r = x * math.pi / 180
    elif f == "GRAD":
        r = x * 180 / math.pi
    elif f == "FAK":
        r = math.factorial(int(x))
    elif f == "SQRT":
        if x < 0:
            raise EvalError("sqrt")
        r = math.sqrt(x)
    elif f == "ARCCOS":
        if abs(x) > 1:
            raise EvalError("acos")
        r = math.acos(x)
    elif f == "ARCSIN":
        if abs(x) > 1:
            raise EvalError("asin")
        r = math.asin(x)
    elif f == "ARCTAN":
        r = math.atan(x)
    elif f == "ARCCOT":
        r = math.pi / 2 - math.atan(x)
    else:
        raise EvalError("op " + op)
    st.append(r)


def evaluate(body, env):
    """Evaluates an expression body (no '=') with variables from env.
    Returns the value and the set of variable names used."""
    s = body.upper() + ")"
    ops = ["("]
    out = []
    used = set()
    pos = 0
    groupstart = True
    names = sorted(env.keys(), key=len, reverse=True)
    while pos < len(s):
        c = s[pos]
        tok = None
        if c in "+-*/:^()":
            tok = c
            pos += 1
        else:
            for fn in FUNCS:
                if s.startswith(fn, pos):
                    tok = fn
                    pos += len(fn) - 1
                    break
        if tok is not None:
            if tok == "(":
                ops.append("(")
                groupstart = True
            elif tok == ")":
                while True:
                    if not ops:
                        raise EvalError("paren")
                    t = ops.pop()
                    if t == "(":
                        break
                    out.append(("op", t))
            else:
                if groupstart and tok == "-":
                    tok = "NEG"
                while True:
                    t = ops.pop()
                    if PREC.get(tok, 4) > PREC.get(t, 4):
                        ops.append(t)
                        break
                    out.append(("op", t))
                ops.append(tok)
                groupstart = False
            continue
        m = re.match(r"[0-9,]+(E[+-]*[0-9]+)?", s[pos:])
        if m and m.group(0):
            txt = m.group(0)
            if txt.count(",") > 1 or txt.startswith("E"):
                raise EvalError("number " + txt)
            out.append(("num", float(txt.replace(",", "."))))
            pos += len(txt)
            groupstart = False
            continue
        for n in names:
            if s.startswith(n, pos):
                out.append(("var", n))
                used.add(n)
                pos += len(n)
                break
        else:
            raise EvalError("unknown name at '%s' in %s" % (s[pos:], body))
        groupstart = False
    if ops:
        raise EvalError("unclosed")
    st = []
    for kind, v in out:
        if kind == "num":
            st.append(v)
        elif kind == "var":
            st.append(env[v])
        else:
            _apply(v, st)
    if len(st) != 1:
        raise EvalError("stack end")
    r = st[0]
    if isinstance(r, complex) or math.isnan(r) or math.isinf(r):
        raise EvalError("not finite")
    return r, used


def num(text):
    return float(text.replace(",", "."))


def fmt(x):
    """A number as the evaluator reads it (decimal comma)."""
    if x == int(x) and abs(x) < 1e15:
        return str(int(x))
    t = repr(float(x))
    if "e" in t:
        mant, ex = t.split("e")
        return mant.replace(".", ",") + "E" + str(int(ex))
    return t.replace(".", ",")
