# SPDX-License-Identifier: GPL-3.0-or-later
"""A QTI 2.1 engine for the part of response processing the QTI packages use: declarations
with default and correct values, responseCondition with responseIf/ElseIf/Else,
setOutcomeValue, and the expressions baseValue, variable, correct, equal (exact and
absolute tolerance, bounds included or not), match, and, or, not, sum and isNull, with
NULL as QTI defines it. Anything else is refused, so that an item using more is noticed.
"""

import xml.etree.ElementTree as ET

NS = "{http://www.imsglobal.org/xsd/imsqti_v2p1}"


def _ohne_ns(tag):
    return tag[len(NS):] if tag.startswith(NS) else tag


def _wert(text, typ):
    if typ == "float":
        return float(text)
    if typ == "integer":
        return int(text)
    if typ == "boolean":
        return text.strip() == "true"
    return text.strip()


class Item:
    def __init__(self, daten):
        self.wurzel = ET.fromstring(daten)
        self.typen, self.richtig, self.vorgaben = {}, {}, {}
        for d in self.wurzel.iter(NS + "responseDeclaration"):
            name, typ = d.get("identifier"), d.get("baseType")
            assert d.get("cardinality") == "single", name
            self.typen[name] = typ
            werte = d.findall(NS + "correctResponse/" + NS + "value")
            self.richtig[name] = _wert(werte[0].text, typ) if werte else None
        for d in self.wurzel.iter(NS + "outcomeDeclaration"):
            name, typ = d.get("identifier"), d.get("baseType")
            self.typen[name] = typ
            werte = d.findall(NS + "defaultValue/" + NS + "value")
            self.vorgaben[name] = _wert(werte[0].text, typ) if werte else None
        self.antworten = list(self.richtig)

    def bewerte(self, antworten):
        """The outcomes after response processing of the given responses (missing: NULL).
        A float response is given as the text a pupil typed, read as a QTI float."""
        self.werte = dict(self.vorgaben)
        for name in self.antworten:
            text = antworten.get(name)
            self.werte[name] = None if text is None else _wert(text, self.typen[name])
        for regel in self.wurzel.find(NS + "responseProcessing"):
            self._regel(regel)
        return self.werte

    def _regel(self, regel):
        art = _ohne_ns(regel.tag)
        if art == "setOutcomeValue":
            (ausdruck,) = list(regel)
            self.werte[regel.get("identifier")] = self._ausdruck(ausdruck)
        elif art == "responseCondition":
            for zweig in regel:
                zart = _ohne_ns(zweig.tag)
                kinder = list(zweig)
                if zart == "responseElse" or self._ausdruck(kinder[0]) is True:
                    for r in kinder[0 if zart == "responseElse" else 1:]:
                        self._regel(r)
                    return
        else:
            raise ValueError("Regel nicht unterstützt: " + art)

    def _ausdruck(self, e):
        art, kinder = _ohne_ns(e.tag), list(e)
        if art == "baseValue":
            return _wert(e.text, e.get("baseType"))
        if art == "variable":
            return self.werte[e.get("identifier")]
        if art == "correct":
            return self.richtig[e.get("identifier")]
        if art == "isNull":
            return self._ausdruck(kinder[0]) is None
        werte = [self._ausdruck(k) for k in kinder]
        if art in ("and", "or"):
            entscheidend = art == "or"
            if entscheidend in werte:
                return entscheidend
            return None if None in werte else not entscheidend
        if art == "not":
            return None if werte[0] is None else not werte[0]
        if art == "sum":
            return None if None in werte else sum(werte)
        if None in werte:
            return None
        if art == "match":
            return werte[0] == werte[1]
        if art == "equal":
            return self._gleich(e, *werte)
        raise ValueError("Ausdruck nicht unterstützt: " + art)

    @staticmethod
    def _gleich(e, x, y):
        modus = e.get("toleranceMode", "exact")
        if modus == "exact":
            return x == y
        assert modus == "absolute", "nur absolute Toleranzen: " + modus
        toleranz = [float(t) for t in e.get("tolerance").split()]
        unten, oben = toleranz[0], toleranz[-1]
        assert unten >= 0 and oben >= 0, e.get("tolerance")
        # The tolerance applies around the first operand, as engines apply it.
        u, o = x - unten, x + oben
        unten_ok = y >= u if e.get("includeLowerBound", "true") == "true" else y > u
        oben_ok = y <= o if e.get("includeUpperBound", "true") == "true" else y < o
        return unten_ok and oben_ok
