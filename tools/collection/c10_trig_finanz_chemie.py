from sammlung import q, f, area, topic, nr

P = "3,14159265358979324"

area("10_trigonometrie", "Trigonometrie")
nr(1000)
q("TWA", "Winkel Alpha", "\\c(a)", "rad", "Radiant", "winkel", ex="0,6")
q("TWB", "Winkel Beta", "\\c(b)", "rad", "Radiant", "winkel", ex="0,9")
q("TWG", "Winkel Gamma", "\\c(g)", "rad", "Radiant", "winkel", ex="1,2")
q("WGRAD", "Winkel im Gradmaß", "\\c(a)\\d(Grad)", "°", "Grad", ex="30")
q("WRAD", "Winkel im Bogenmaß", "\\c(a)\\d(rad)", "rad", "Radiant", ex="0,5")
q("STEIG", "Steigung in Prozent", "p", "%", "Prozent", ex="12")
q("HOEHE", "Höhe des Objekts", "h", "m", "Meter", "laenge", ex="25")
q("ENTF", "Horizontale Entfernung", "e", "m", "Meter", "laenge", ex="40")

topic("Rechtwinkliges Dreieck")
f("Sinus: Gegenkathete und Hypotenuse", ["GA", "GC", "TWA"], [
    r"a=c\msin \c(a) ~ GA=GC*SIN(TWA)",
    r"c=\f(a;sin \c(a)) ~ GC=GA/SIN(TWA)",
    r"\c(a)=\arcsin\f(a;c) ~ TWA=ARCSIN(GA/GC)"], grafik="rechtwinklig.png")
f("Kosinus: Ankathete und Hypotenuse", ["GB", "GC", "TWA"], [
    r"b=c\mcos \c(a) ~ GB=GC*COS(TWA)",
    r"c=\f(b;cos \c(a)) ~ GC=GB/COS(TWA)",
    r"\c(a)=arccos\f(b;c) ~ TWA=ARCCOS(GB/GC)"], grafik="rechtwinklig.png")
f("Tangens: Gegenkathete und Ankathete", ["GA", "GB", "TWA"], [
    r"a=b\mt\an \c(a) ~ GA=GB*TAN(TWA)",
    r"b=\f(a;t\an \c(a)) ~ GB=GA/TAN(TWA)",
    r"\c(a)=\arct\an\f(a;b) ~ TWA=ARCTAN(GA/GB)"], grafik="rechtwinklig.png")
f("Höhenmessung über einen Winkel", ["HOEHE", "ENTF", "TWA"], [
    r"h=e\mtan \c(a) ~ HOEHE=ENTF*TAN(TWA)",
    r"e=\f(h;tan \c(a)) ~ ENTF=HOEHE/TAN(TWA)",
    r"\c(a)=arctan\f(h;e) ~ TWA=ARCTAN(HOEHE/ENTF)"])
f("Winkelsumme im Dreieck", ["TWG", "TWA", "TWB"], [
    r"\c(g)=\c(p)-\c(a)-\c(b) ~ TWG=" + P + "-TWA-TWB",
    r"\c(a)=\c(p)-\c(b)-\c(g) ~ TWA=" + P + "-TWB-TWG",
    r"\c(b)=\c(p)-\c(a)-\c(g) ~ TWB=" + P + "-TWA-TWG"])

topic("Allgemeines Dreieck")
f("Sinussatz", ["GA", "GB", "TWA", "TWB"], [
    r"a=b\m\f(sin \c(a);sin \c(b)) ~ GA=GB*SIN(TWA)/SIN(TWB)",
    r"b=a\m\f(sin \c(b);sin \c(a)) ~ GB=GA*SIN(TWB)/SIN(TWA)",
    r"\c(a)=\arcsin\f(a\msin \c(b);b) ~ TWA=ARCSIN(GA*SIN(TWB)/GB)",
    r"\c(b)=\arcsin\f(b\msin \c(a);a) ~ TWB=ARCSIN(GB*SIN(TWA)/GA)"], grafik="dreieck_allgemein.png")
f("Kosinussatz", ["GC", "GA", "GB", "TWG"], [
    r"c\u(2)=a\u(2)+b\u(2)-2\ma\mb\mcos \c(g) ~ =GC",
    r"c=\r(a\u(2)+b\u(2)-2\ma\mb\mcos \c(g)) ~ GC=SQRT(GA^2+GB^2-2*GA*GB*COS(TWG))",
    r"\c(g)=\arccos\f(a\u(2)+b\u(2)-c\u(2);2\ma\mb) ~ TWG=ARCCOS((GA^2+GB^2-GC^2)/(2*GA*GB))"], grafik="dreieck_allgemein.png")
f("Fläche aus zwei Seiten und eingeschlossenem Winkel", ["GFL", "GA", "GB", "TWG"], [
    r"A=\f(1;2)\ma\mb\msin \c(g) ~ GFL=GA*GB*SIN(TWG)/2",
    r"a=\f(2\mA;b\msin \c(g)) ~ GA=2*GFL/(GB*SIN(TWG))",
    r"b=\f(2\mA;a\msin \c(g)) ~ GB=2*GFL/(GA*SIN(TWG))",
    r"\c(g)=\arcsin\f(2\mA;a\mb) ~ TWG=ARCSIN(2*GFL/(GA*GB))"], ex="TWG=1,2")

topic("Winkelmaße und Steigung")
f("Gradmaß und Bogenmaß", ["WRAD", "WGRAD"], [
    r"\c(a)\d(rad)=\f(\c(p);180°)\m\c(a)\d(Grad) ~ WRAD=RAD(WGRAD)",
    r"\c(a)\d(Grad)=\f(180°;\c(p))\m\c(a)\d(rad) ~ WGRAD=GRAD(WRAD)"])
f("Steigungswinkel aus der Steigung in Prozent", ["TWA", "STEIG"], [
    r"\c(a)=arctan\f(p;100 %) ~ TWA=ARCTAN(STEIG/100)",
    r"p=100 %\mtan \c(a) ~ STEIG=100*TAN(TWA)"])

topic("Beziehungen zwischen den Winkelfunktionen")
f("Trigonometrischer Pythagoras", ["TWA"], [
    r"sin\u(2)\c(a)+cos\u(2)\c(a)=1 ~"])
f("Tangens als Quotient", ["TWA"], [
    r"tan \c(a)=\f(sin \c(a);cos \c(a)) ~"])
f("Additionstheorem des Sinus", ["TWA", "TWB"], [
    r"sin(\c(a)+\c(b))=sin \c(a)\mcos \c(b)+cos \c(a)\msin \c(b) ~"])
f("Doppelter Winkel", ["TWA"], [
    r"sin(2\c(a))=2\msin \c(a)\mcos \c(a) ~"])


area("11_finanz", "Finanzmathematik")
nr(1100)
q("KNULL", "Anfangskapital", "K\\d(0)", "€", "Euro", ex="10000")
q("KN", "Endkapital", "K\\d(n)", "€", "Euro", ex="12500")
q("ZP", "Zinssatz", "p", "%", "Prozent je Jahr", ex="3,5")
q("NJ", "Laufzeit", "n", "a", "Jahre", ex="6")
q("ZINS", "Zinsen", "Z", "€", "Euro", ex="450")
q("KAP", "Kapital", "K", "€", "Euro", ex="5000")
q("TAGE", "Anzahl der Zinstage", "t", "d", "Tage", ex="90")
q("MPER", "Zinsperioden je Jahr", "m", "1", "ohne Einheit", ex="12")
q("PEFF", "Effektiver Jahreszins", "p\\d(eff)", "%", "Prozent je Jahr", ex="3,6")
q("RATE", "Jährliche Rate", "r", "€", "Euro", ex="1200")
q("RENDW", "Rentenendwert", "R\\d(n)", "€", "Euro", ex="15000")
q("RBARW", "Rentenbarwert", "R\\d(0)", "€", "Euro", ex="20000")
q("ANN", "Annuität", "A", "€", "Euro", ex="2400")
q("AKOST", "Anschaffungskosten", "A", "€", "Euro", ex="24000")
q("RESTW", "Restwert", "R", "€", "Euro", ex="4000")
q("ABSCHR", "Jährlicher Abschreibungsbetrag", "a", "€", "Euro", ex="4000")
q("BUCHW", "Buchwert nach n Jahren", "B\\d(n)", "€", "Euro", ex="9000")
q("GWERT", "Grundwert", "G", "€", "Euro", ex="800")
q("PWERT", "Prozentwert", "W", "€", "Euro", ex="120")
q("PSATZ", "Prozentsatz", "p", "%", "Prozent", ex="15")
q("WALT", "Alter Wert", "W\\d(alt)", "€", "Euro", ex="80")
q("WNEU", "Neuer Wert", "W\\d(neu)", "€", "Euro", ex="92")
q("NETTO", "Nettopreis", "N", "€", "Euro", ex="250")
q("BRUTTO", "Bruttopreis", "B", "€", "Euro", ex="297,5")
q("MWST", "Steuersatz", "s", "%", "Prozent", ex="19")
q("TVERD", "Verdopplungszeit", "n\\d(2)", "a", "Jahre", ex="20")

topic("Prozentrechnung")
f("Prozentwert", ["PWERT", "GWERT", "PSATZ"], [
    r"W=\f(G\mp;100 %) ~ PWERT=GWERT*PSATZ/100",
    r"G=\f(100 %\mW;p) ~ GWERT=100*PWERT/PSATZ",
    r"p=\f(100 %\mW;G) ~ PSATZ=100*PWERT/GWERT"])
f("Prozentuale Änderung", ["PSATZ", "WNEU", "WALT"], [
    r"p=\f(W\d(neu)-W\d(alt);W\d(alt))\m100 % ~ PSATZ=(WNEU-WALT)/WALT*100",
    r"W\d(neu)=W\d(alt)\m(1+\f(p;100 %)) ~ WNEU=WALT*(1+PSATZ/100)",
    r"W\d(alt)=\f(W\d(neu);1+p/100 %) ~ WALT=WNEU/(1+PSATZ/100)"])
f("Bruttopreis aus Nettopreis und Steuersatz", ["BRUTTO", "NETTO", "MWST"], [
    r"B=N\m(1+\f(s;100 %)) ~ BRUTTO=NETTO*(1+MWST/100)",
    r"N=\f(B;1+s/100 %) ~ NETTO=BRUTTO/(1+MWST/100)",
    r"s=(\f(B;N)-1)\m100 % ~ MWST=(BRUTTO/NETTO-1)*100"])

topic("Einfache Verzinsung")
f("Jahreszinsen", ["ZINS", "KAP", "ZP", "NJ"], [
    r"Z=\f(K\mp\mn;100 %) ~ ZINS=KAP*ZP*NJ/100",
    r"K=\f(100 %\mZ;p\mn) ~ KAP=100*ZINS/(ZP*NJ)",
    r"p=\f(100 %\mZ;K\mn) ~ ZP=100*ZINS/(KAP*NJ)",
    r"n=\f(100 %\mZ;K\mp) ~ NJ=100*ZINS/(KAP*ZP)"], ex="NJ=2")
f("Tageszinsen (360 Zinstage im Jahr)", ["ZINS", "KAP", "ZP", "TAGE"], [
    r"Z=\f(K\mp\mt;100 %\m360) ~ ZINS=KAP*ZP*TAGE/36000",
    r"K=\f(36000 %\mZ;p\mt) ~ KAP=36000*ZINS/(ZP*TAGE)",
    r"p=\f(36000 %\mZ;K\mt) ~ ZP=36000*ZINS/(KAP*TAGE)",
    r"t=\f(36000 %\mZ;K\mp) ~ TAGE=36000*ZINS/(KAP*ZP)"])

topic("Zinseszins")
f("Endkapital bei Zinseszins", ["KN", "KNULL", "ZP", "NJ"], [
    r"K\d(n)=K\d(0)\m(1+\f(p;100 %))\u(n) ~ KN=KNULL*(1+ZP/100)^NJ",
    r"K\d(0)=\f(K\d(n);(1+p/100 %)\u(n)) ~ KNULL=KN/(1+ZP/100)^NJ",
    r"p=100 %\m(\h(n)\w(\f(K\d(n);K\d(0)))-1) ~ ZP=100*((KN/KNULL)^(1/NJ)-1)",
    r"n=\f(l\n(K\d(n)/K\d(0));l\n(1+p/100 %)) ~ NJ=LN(KN/KNULL)/LN(1+ZP/100)"])
f("Stetige Verzinsung", ["KN", "KNULL", "ZP", "NJ"], [
    r"K\d(n)=K\d(0)\me\u(p\mn/100 %) ~ KN=KNULL*EXP(ZP*NJ/100)",
    r"K\d(0)=K\d(n)\me\u(-p\mn/100 %) ~ KNULL=KN*EXP(-ZP*NJ/100)",
    r"p=\f(100 %;n)\ml\n\f(K\d(n);K\d(0)) ~ ZP=100/NJ*LN(KN/KNULL)",
    r"n=\f(100 %;p)\ml\n\f(K\d(n);K\d(0)) ~ NJ=100/ZP*LN(KN/KNULL)"])
f("Unterjährige Verzinsung", ["KN", "KNULL", "ZP", "MPER", "NJ"], [
    r"K\d(n)=K\d(0)\m(1+\f(p;m\m100 %))\u(m\mn) ~ KN=KNULL*(1+ZP/(MPER*100))^(MPER*NJ)",
    r"K\d(0)=\f(K\d(n);(1+p/(m\m100 %))\u(m\mn)) ~ KNULL=KN/(1+ZP/(MPER*100))^(MPER*NJ)",
    r"p=m\m100 %\m((\f(K\d(n);K\d(0)))\u(1/(m\mn))-1) ~ ZP=MPER*100*((KN/KNULL)^(1/(MPER*NJ))-1)",
    r"n=\f(l\n(K\d(n)/K\d(0));m\ml\n(1+p/(m\m100 %))) ~ NJ=LN(KN/KNULL)/(MPER*LN(1+ZP/(MPER*100)))"])
f("Effektiver Jahreszins", ["PEFF", "ZP", "MPER"], [
    r"p\d(eff)=((1+\f(p;m\m100 %))\u(m)-1)\m100 % ~ PEFF=((1+ZP/(MPER*100))^MPER-1)*100",
    r"p=m\m100 %\m((1+\f(p\d(eff);100 %))\u(1/m)-1) ~ ZP=MPER*100*((1+PEFF/100)^(1/MPER)-1)"])
f("Verdopplungszeit eines Kapitals", ["TVERD", "ZP"], [
    r"n\d(2)=\f(l\n 2;l\n(1+p/100 %)) ~ TVERD=LN(2)/LN(1+ZP/100)",
    r"p=100 %\m(2\u(1/n\d(2))-1) ~ ZP=100*(2^(1/TVERD)-1)"])

topic("Renten und Tilgung")
f("Rentenendwert (nachschüssig)", ["RENDW", "RATE", "ZP", "NJ"], [
    r"R\d(n)=r\m\f((1+p/100 %)\u(n)-1;p/100 %) ~ RENDW=RATE*((1+ZP/100)^NJ-1)/(ZP/100)",
    r"r=R\d(n)\m\f(p/100 %;(1+p/100 %)\u(n)-1) ~ RATE=RENDW*(ZP/100)/((1+ZP/100)^NJ-1)",
    r"n=\f(l\n(1+R\d(n)\mp/(100 %\mr));l\n(1+p/100 %)) ~ NJ=LN(1+RENDW*ZP/(100*RATE))/LN(1+ZP/100)"], ex="NJ=10")
f("Rentenbarwert (nachschüssig)", ["RBARW", "RATE", "ZP", "NJ"], [
    r"R\d(0)=r\m\f(1-(1+p/100 %)\u(-n);p/100 %) ~ RBARW=RATE*(1-(1+ZP/100)^(-NJ))/(ZP/100)",
    r"r=R\d(0)\m\f(p/100 %;1-(1+p/100 %)\u(-n)) ~ RATE=RBARW*(ZP/100)/(1-(1+ZP/100)^(-NJ))",
    r"n=-\f(l\n(1-R\d(0)\mp/(100 %\mr));l\n(1+p/100 %)) ~ NJ=-LN(1-RBARW*ZP/(100*RATE))/LN(1+ZP/100)"], ex="NJ=10")
f("Annuität eines Darlehens", ["ANN", "KNULL", "ZP", "NJ"], [
    r"A=K\d(0)\m\f((p/100 %)\m(1+p/100 %)\u(n);(1+p/100 %)\u(n)-1) ~ ANN=KNULL*(ZP/100)*(1+ZP/100)^NJ/((1+ZP/100)^NJ-1)",
    r"K\d(0)=A\m\f((1+p/100 %)\u(n)-1;(p/100 %)\m(1+p/100 %)\u(n)) ~ KNULL=ANN*((1+ZP/100)^NJ-1)/((ZP/100)*(1+ZP/100)^NJ)",
    r"n=-\f(l\n(1-K\d(0)\mp/(100 %\mA));l\n(1+p/100 %)) ~ NJ=-LN(1-KNULL*ZP/(100*ANN))/LN(1+ZP/100)"], ex="KNULL=100000; NJ=20")

topic("Abschreibung")
f("Lineare Abschreibung", ["ABSCHR", "AKOST", "RESTW", "NJ"], [
    r"a=\f(A-R;n) ~ ABSCHR=(AKOST-RESTW)/NJ",
    r"A=a\mn+R ~ AKOST=ABSCHR*NJ+RESTW",
    r"R=A-a\mn ~ RESTW=AKOST-ABSCHR*NJ",
    r"n=\f(A-R;a) ~ NJ=(AKOST-RESTW)/ABSCHR"], ex="NJ=5")
f("Geometrisch-degressive Abschreibung", ["BUCHW", "AKOST", "PSATZ", "NJ"], [
    r"B\d(n)=A\m(1-\f(p;100 %))\u(n) ~ BUCHW=AKOST*(1-PSATZ/100)^NJ",
    r"A=\f(B\d(n);(1-p/100 %)\u(n)) ~ AKOST=BUCHW/(1-PSATZ/100)^NJ",
    r"p=100 %\m(1-(\f(B\d(n);A))\u(1/n)) ~ PSATZ=100*(1-(BUCHW/AKOST)^(1/NJ))",
    r"n=\f(l\n(B\d(n)/A);l\n(1-p/100 %)) ~ NJ=LN(BUCHW/AKOST)/LN(1-PSATZ/100)"], ex="PSATZ=20; NJ=4")


area("12_chemie", "Chemie")
nr(1200)
q("NS", "Stoffmenge", "n", "mol", "Mol", "stoffmen", ex="0,5")
q("MS", "Masse der Stoffportion", "m", "kg", "Kilogramm", "masse", ex="0,029")
q("MMOL", "Molare Masse", "M", "kg/mol", "Kilogramm je Mol", ex="0,05844")
q("NTEIL", "Teilchenzahl", "N", "1", "ohne Einheit", ex="3E23")
q("VMOL", "Molares Volumen", "V\\d(m)", "m\\u(3)/mol", "Kubikmeter je Mol", ex="0,0224")
q("VST", "Volumen", "V", "m\\u(3)", "Kubikmeter", "volumen", ex="0,002")
q("CKON", "Stoffmengenkonzentration", "c", "mol/l", "Mol je Liter", "konzentr", ex="0,1")
q("VLSG", "Volumen der Lösung", "V", "l", "Liter", ex="0,5")
q("BETA", "Massenkonzentration", "\\c(b)", "g/l", "Gramm je Liter", ex="9")
q("MGR", "Masse des gelösten Stoffes", "m", "g", "Gramm", ex="4,5")
q("WANT", "Massenanteil", "w", "1", "ohne Einheit", ex="0,2")
q("MI", "Masse des Bestandteils", "m\\d(i)", "kg", "Kilogramm", "masse", ex="0,05")
q("MGES", "Masse des Gemisches", "m", "kg", "Kilogramm", "masse", ex="0,25")
q("WMISCH", "Massenanteil der Mischung", "w\\d(M)", "1", "ohne Einheit", ex="0,2")
q("WEINS", "Massenanteil der ersten Lösung", "w\\d(1)", "1", "ohne Einheit", ex="0,1")
q("WZWEI", "Massenanteil der zweiten Lösung", "w\\d(2)", "1", "ohne Einheit", ex="0,35")
q("MLEINS", "Masse der ersten Lösung", "m\\d(1)", "kg", "Kilogramm", "masse", ex="3")
q("MLZWEI", "Masse der zweiten Lösung", "m\\d(2)", "kg", "Kilogramm", "masse", ex="1,5")
q("CEINSL", "Konzentration vor dem Verdünnen", "c\\d(1)", "mol/l", "Mol je Liter", "konzentr", ex="2")
q("CZWEIL", "Konzentration nach dem Verdünnen", "c\\d(2)", "mol/l", "Mol je Liter", "konzentr", ex="0,5")
q("VEINSL", "Volumen vor dem Verdünnen", "V\\d(1)", "l", "Liter", ex="0,25")
q("VZWEIL", "Volumen nach dem Verdünnen", "V\\d(2)", "l", "Liter", ex="1")
q("PH", "pH-Wert", "pH", "1", "ohne Einheit", ex="4,5")
q("POH", "pOH-Wert", "pOH", "1", "ohne Einheit", ex="9,5")
q("CHPLUS", "Oxoniumionen-Konzentration", "c(H\\d(3)O\\u(+))", "mol/l", "Mol je Liter", "konzentr", ex="3,2E-5")
q("PKS", "Säureexponent", "pK\\d(S)", "1", "ohne Einheit", ex="4,76")
q("KS", "Säurekonstante", "K\\d(S)", "mol/l", "Mol je Liter", "konzentr", ex="1,74E-5")
q("CNULLS", "Ausgangskonzentration der Säure", "c\\d(0)", "mol/l", "Mol je Liter", "konzentr", ex="0,1")
q("ZLAD", "Ladungszahl", "z", "1", "ohne Einheit", ex="2")
q("ELPOT", "Elektrodenpotential", "E", "V", "Volt", "spannung", abl="W/A", ex="0,3")
q("ENULL", "Standardpotential", "E\\d(0)", "V", "Volt", "spannung", abl="W/A", ex="0,34")
q("KR", "Geschwindigkeitskonstante", "k", "1/s", "je Sekunde", ex="0,002")
q("CT", "Konzentration zur Zeit t", "c", "mol/l", "Mol je Liter", "konzentr", ex="0,05")
q("THALB", "Halbwertszeit", "t\\d(1/2)", "s", "Sekunde", "zeit", ex="346,6")
q("AFREQ", "Präexponentieller Faktor", "A", "1/s", "je Sekunde", ex="1E13")
q("EA", "Aktivierungsenergie", "E\\d(A)", "J/mol", "Joule je Mol", ex="80000")
q("TR", "Temperatur", "T", "K", "Kelvin", ex="298,15")

topic("Stoffmenge und molare Größen")
f("Stoffmenge aus der Masse", ["NS", "MS", "MMOL"], [
    r"n=\f(m;M) ~ NS=MS/MMOL",
    r"m=n\mM ~ MS=NS*MMOL",
    r"M=\f(m;n) ~ MMOL=MS/NS"])
f("Teilchenzahl", ["NTEIL", "NS", "NAVO"], [
    r"N=n\mN\d(A) ~ NTEIL=NS*NAVO",
    r"n=\f(N;N\d(A)) ~ NS=NTEIL/NAVO"])
f("Molares Volumen", ["NS", "VST", "VMOL"], [
    r"n=\f(V;V\d(m)) ~ NS=VST/VMOL",
    r"V=n\mV\d(m) ~ VST=NS*VMOL",
    r"V\d(m)=\f(V;n) ~ VMOL=VST/NS"])

topic("Gehaltsangaben von Lösungen")
f("Stoffmengenkonzentration", ["CKON", "NS", "VLSG"], [
    r"c=\f(n;V) ~ CKON=NS/VLSG",
    r"n=c\mV ~ NS=CKON*VLSG",
    r"V=\f(n;c) ~ VLSG=NS/CKON"], ex="NS=0,05")
f("Massenkonzentration", ["BETA", "MGR", "VLSG"], [
    r"\c(b)=\f(m;V) ~ BETA=MGR/VLSG",
    r"m=\c(b)\mV ~ MGR=BETA*VLSG",
    r"V=\f(m;\c(b)) ~ VLSG=MGR/BETA"])
f("Massenanteil", ["WANT", "MI", "MGES"], [
    r"w=\f(m\d(i);m) ~ WANT=MI/MGES",
    r"m\d(i)=w\mm ~ MI=WANT*MGES",
    r"m=\f(m\d(i);w) ~ MGES=MI/WANT"])
f("Mischungsrechnung (Mischungskreuz)", ["WMISCH", "MLEINS", "WEINS", "MLZWEI", "WZWEI"], [
    r"w\d(M)=\f(m\d(1)\mw\d(1)+m\d(2)\mw\d(2);m\d(1)+m\d(2)) ~ WMISCH=(MLEINS*WEINS+MLZWEI*WZWEI)/(MLEINS+MLZWEI)",
    r"m\d(1)=m\d(2)\m\f(w\d(2)-w\d(M);w\d(M)-w\d(1)) ~ MLEINS=MLZWEI*(WZWEI-WMISCH)/(WMISCH-WEINS)",
    r"m\d(2)=m\d(1)\m\f(w\d(M)-w\d(1);w\d(2)-w\d(M)) ~ MLZWEI=MLEINS*(WMISCH-WEINS)/(WZWEI-WMISCH)",
    r"w\d(1)=\f((m\d(1)+m\d(2))\mw\d(M)-m\d(2)\mw\d(2);m\d(1)) ~ WEINS=((MLEINS+MLZWEI)*WMISCH-MLZWEI*WZWEI)/MLEINS",
    r"w\d(2)=\f((m\d(1)+m\d(2))\mw\d(M)-m\d(1)\mw\d(1);m\d(2)) ~ WZWEI=((MLEINS+MLZWEI)*WMISCH-MLEINS*WEINS)/MLZWEI"])
f("Verdünnen einer Lösung", ["CZWEIL", "CEINSL", "VEINSL", "VZWEIL"], [
    r"c\d(2)=\f(c\d(1)\mV\d(1);V\d(2)) ~ CZWEIL=CEINSL*VEINSL/VZWEIL",
    r"c\d(1)=\f(c\d(2)\mV\d(2);V\d(1)) ~ CEINSL=CZWEIL*VZWEIL/VEINSL",
    r"V\d(1)=\f(c\d(2)\mV\d(2);c\d(1)) ~ VEINSL=CZWEIL*VZWEIL/CEINSL",
    r"V\d(2)=\f(c\d(1)\mV\d(1);c\d(2)) ~ VZWEIL=CEINSL*VEINSL/CZWEIL"])

topic("Säuren und Basen")
f("pH-Wert", ["PH", "CHPLUS"], [
    r"pH=-lg\f(c(H\d(3)O\u(+));mol/l) ~ PH=-LG(CHPLUS)",
    r"c(H\d(3)O\u(+))=10\u(-pH) mol/l ~ CHPLUS=10^(-PH)"])
f("pH und pOH bei 25 °C", ["POH", "PH"], [
    r"pOH=14-pH ~ POH=14-PH",
    r"pH=14-pOH ~ PH=14-POH"])
f("Säurekonstante und Säureexponent", ["PKS", "KS"], [
    r"pK\d(S)=-lg\f(K\d(S);mol/l) ~ PKS=-LG(KS)",
    r"K\d(S)=10\u(-pK\d(S)) mol/l ~ KS=10^(-PKS)"])
f("pH-Wert einer schwachen Säure", ["PH", "PKS", "CNULLS"], [
    r"pH=\f(1;2)\m(pK\d(S)-lg\f(c\d(0);mol/l)) ~ PH=(PKS-LG(CNULLS))/2",
    r"pK\d(S)=2\mpH+lg\f(c\d(0);mol/l) ~ PKS=2*PH+LG(CNULLS)",
    r"c\d(0)=10\u(pK\d(S)-2\mpH) mol/l ~ CNULLS=10^(PKS-2*PH)"], ex="PKS=4,76")
f("Massenwirkungsgesetz", [], [
    r"K\d(c)=\f(c(C)\u(c)\mc(D)\u(d);c(A)\u(a)\mc(B)\u(b)) ~"])

topic("Elektrochemie")
f("Faradaysches Gesetz", ["MS", "MMOL", "I", "T", "ZLAD", "FARAD"], [
    r"m=\f(M\mI\mt;z\mF) ~ MS=MMOL*I*T/(ZLAD*FARAD)",
    r"M=\f(m\mz\mF;I\mt) ~ MMOL=MS*ZLAD*FARAD/(I*T)",
    r"I=\f(m\mz\mF;M\mt) ~ I=MS*ZLAD*FARAD/(MMOL*T)",
    r"t=\f(m\mz\mF;M\mI) ~ T=MS*ZLAD*FARAD/(MMOL*I)",
    r"z=\f(M\mI\mt;m\mF) ~ ZLAD=MMOL*I*T/(MS*FARAD)"], ex="MMOL=0,06355; I=2; T=3600")
f("Nernst-Gleichung für eine Metallelektrode", ["ELPOT", "ENULL", "RGAS", "TR", "ZLAD", "FARAD", "CKON"], [
    r"E=E\d(0)+\f(R\mT;z\mF)\ml\n\f(c;mol/l) ~ ELPOT=ENULL+RGAS*TR/(ZLAD*FARAD)*LN(CKON)",
    r"E\d(0)=E-\f(R\mT;z\mF)\ml\n\f(c;mol/l) ~ ENULL=ELPOT-RGAS*TR/(ZLAD*FARAD)*LN(CKON)",
    r"c=e\u((E-E\d(0))\mz\mF/(R\mT)) mol/l ~ CKON=EXP((ELPOT-ENULL)*ZLAD*FARAD/(RGAS*TR))"], ex="CKON=0,01")

topic("Reaktionskinetik")
f("Zeitgesetz einer Reaktion 1. Ordnung", ["CT", "CNULLS", "KR", "T"], [
    r"c=c\d(0)\me\u(-k\mt) ~ CT=CNULLS*EXP(-KR*T)",
    r"c\d(0)=c\me\u(k\mt) ~ CNULLS=CT*EXP(KR*T)",
    r"k=\f(l\n(c\d(0)/c);t) ~ KR=LN(CNULLS/CT)/T",
    r"t=\f(l\n(c\d(0)/c);k) ~ T=LN(CNULLS/CT)/KR"], ex="T=300")
f("Halbwertszeit einer Reaktion 1. Ordnung", ["THALB", "KR"], [
    r"t\d(1/2)=\f(l\n 2;k) ~ THALB=LN(2)/KR",
    r"k=\f(l\n 2;t\d(1/2)) ~ KR=LN(2)/THALB"])
f("Arrhenius-Gleichung", ["KR", "AFREQ", "EA", "RGAS", "TR"], [
    r"k=A\me\u(-E\d(A)/(R\mT)) ~ KR=AFREQ*EXP(-EA/(RGAS*TR))",
    r"A=k\me\u(E\d(A)/(R\mT)) ~ AFREQ=KR*EXP(EA/(RGAS*TR))",
    r"E\d(A)=R\mT\ml\n\f(A;k) ~ EA=RGAS*TR*LN(AFREQ/KR)",
    r"T=\f(E\d(A);R\ml\n(A/k)) ~ TR=EA/(RGAS*LN(AFREQ/KR))"])


area("13_atom", "Atom- und Kernphysik")
nr(1300)
q("NK", "Anzahl der unzerfallenen Kerne", "N", "1", "ohne Einheit", ex="2,5E20")
q("NKNULL", "Anfangszahl der Kerne", "N\\d(0)", "1", "ohne Einheit", ex="1E21")
q("LZERF", "Zerfallskonstante", "\\c(l)", "1/s", "je Sekunde", ex="1,2E-9")
q("TZERF", "Zeit", "t", "s", "Sekunde", "zeit", ex="3,15E8")
q("THK", "Halbwertszeit", "T\\d(1/2)", "s", "Sekunde", "zeit", ex="8,64E5")
q("AKT", "Aktivität", "A", "Bq", "Becquerel", abl="1/s", ex="5E6")
q("TAUL", "Mittlere Lebensdauer", "\\c(t)", "s", "Sekunde", "zeit", ex="1E6")
q("WRUHE", "Ruheenergie", "E", "J", "Joule", "energie", abl="W\\ms", ex="9E13")
q("MRUHE", "Masse", "m", "kg", "Kilogramm", "masse", ex="0,001")
q("DOSIS", "Energiedosis", "D", "Gy", "Gray", abl="J/kg", ex="0,002")
q("WABS", "Absorbierte Energie", "E", "J", "Joule", "energie", abl="W\\ms", ex="0,14")
q("MKOERP", "Masse des bestrahlten Körpers", "m", "kg", "Kilogramm", "masse", ex="70")
q("HAEQ", "Äquivalentdosis", "H", "Sv", "Sievert", abl="J/kg", ex="0,04")
q("WR", "Strahlungs-Wichtungsfaktor", "w\\d(R)", "1", "ohne Einheit", ex="20")
q("NEINSQ", "Hauptquantenzahl des unteren Niveaus", "n\\d(1)", "1", "ohne Einheit", ex="2")
q("NZWEIQ", "Hauptquantenzahl des oberen Niveaus", "n\\d(2)", "1", "ohne Einheit", ex="3")
q("LSPEK", "Wellenlänge der Spektrallinie", "\\c(l)", "m", "Meter", "laenge", ex="6,56E-7")

topic("Radioaktiver Zerfall")
f("Zerfallsgesetz", ["NK", "NKNULL", "LZERF", "TZERF"], [
    r"N=N\d(0)\me\u(-\c(l)\mt) ~ NK=NKNULL*EXP(-LZERF*TZERF)",
    r"N\d(0)=N\me\u(\c(l)\mt) ~ NKNULL=NK*EXP(LZERF*TZERF)",
    r"\c(l)=\f(l\n(N\d(0)/N);t) ~ LZERF=LN(NKNULL/NK)/TZERF",
    r"t=\f(l\n(N\d(0)/N);\c(l)) ~ TZERF=LN(NKNULL/NK)/LZERF"])
f("Halbwertszeit und Zerfallskonstante", ["THK", "LZERF"], [
    r"T\d(1/2)=\f(l\n 2;\c(l)) ~ THK=LN(2)/LZERF",
    r"\c(l)=\f(l\n 2;T\d(1/2)) ~ LZERF=LN(2)/THK"])
f("Aktivität", ["AKT", "LZERF", "NK"], [
    r"A=\c(l)\mN ~ AKT=LZERF*NK",
    r"\c(l)=\f(A;N) ~ LZERF=AKT/NK",
    r"N=\f(A;\c(l)) ~ NK=AKT/LZERF"])
f("Mittlere Lebensdauer", ["TAUL", "LZERF"], [
    r"\c(t)=\f(1;\c(l)) ~ TAUL=1/LZERF",
    r"\c(l)=\f(1;\c(t)) ~ LZERF=1/TAUL"])

topic("Energie und Masse")
f("Äquivalenz von Masse und Energie", ["WRUHE", "MRUHE", "CNULL"], [
    r"E=m\mc\d(0)\u(2) ~ WRUHE=MRUHE*CNULL^2",
    r"m=\f(E;c\d(0)\u(2)) ~ MRUHE=WRUHE/CNULL^2"])

topic("Dosimetrie")
f("Energiedosis", ["DOSIS", "WABS", "MKOERP"], [
    r"D=\f(E;m) ~ DOSIS=WABS/MKOERP",
    r"E=D\mm ~ WABS=DOSIS*MKOERP",
    r"m=\f(E;D) ~ MKOERP=WABS/DOSIS"])
f("Äquivalentdosis", ["HAEQ", "WR", "DOSIS"], [
    r"H=w\d(R)\mD ~ HAEQ=WR*DOSIS",
    r"w\d(R)=\f(H;D) ~ WR=HAEQ/DOSIS",
    r"D=\f(H;w\d(R)) ~ DOSIS=HAEQ/WR"])

topic("Atomhülle")
f("Spektrallinien des Wasserstoffs (Rydberg-Formel)", ["LSPEK", "RYD", "NEINSQ", "NZWEIQ"], [
    r"\c(l)=\f(1;R\d(H)\m(1/n\d(1)\u(2)-1/n\d(2)\u(2))) ~ LSPEK=1/(RYD*(1/NEINSQ^2-1/NZWEIQ^2))",
    r"n\d(1)=\f(1;\r(1/(\c(l)\mR\d(H))+1/n\d(2)\u(2))) ~ NEINSQ=1/SQRT(1/(LSPEK*RYD)+1/NZWEIQ^2)",
    r"n\d(2)=\f(1;\r(1/n\d(1)\u(2)-1/(\c(l)\mR\d(H)))) ~ NZWEIQ=1/SQRT(1/NEINSQ^2-1/(LSPEK*RYD))"])
f("Energie eines Photons beim Übergang", ["WPH", "HPL", "CNULL", "LSPEK"], [
    r"E=\f(h\mc\d(0);\c(l)) ~ WPH=HPL*CNULL/LSPEK",
    r"\c(l)=\f(h\mc\d(0);E) ~ LSPEK=HPL*CNULL/WPH"])
