from sammlung import q, f, area, topic, nr

P = "3,14159265358979324"

area("02_festigkeit", "Festigkeitslehre")
nr(200)
q("SIG", "Normalspannung", "\\c(s)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="120E6")
q("AQ", "Querschnittsfläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,0004")
q("FL", "Last", "F", "N", "Newton", "kraft", ex="25000")
q("EPS", "Dehnung", "\\c(e)", "1", "ohne Einheit", ex="0,0008")
q("DLEN", "Längenänderung", "\\c(D)l", "m", "Meter", "laenge", ex="0,0012")
q("LNULL", "Ausgangslänge", "l\\d(0)", "m", "Meter", "laenge", ex="1,5")
q("EMOD", "Elastizitätsmodul", "E", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="210E9")
q("SZUL", "Zulässige Spannung", "\\c(s)\\d(zul)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="160E6")
q("RM", "Zugfestigkeit", "R\\d(m)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="360E6")
q("SFAKT", "Sicherheitszahl", "S", "1", "ohne Einheit", ex="2,5")
q("SIGB", "Biegespannung", "\\c(s)\\d(b)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="140E6")
q("MBIEG", "Biegemoment", "M\\d(b)", "N\\mm", "Newtonmeter", "drehmom", ex="1800")
q("WBIEG", "Axiales Widerstandsmoment", "W", "m\\u(3)", "Kubikmeter", ex="1,5E-5")
q("IFL", "Axiales Flächenmoment 2. Grades", "I", "m\\u(4)", "Meter hoch vier", ex="2,5E-6")
q("BQ", "Querschnittsbreite", "b", "m", "Meter", "laenge", ex="0,04")
q("HQ", "Querschnittshöhe", "h", "m", "Meter", "laenge", ex="0,08")
q("DQ", "Durchmesser", "d", "m", "Meter", "laenge", ex="0,05")
q("FDURCH", "Durchbiegung", "f", "m", "Meter", "laenge", ex="0,004")
q("LTR", "Trägerlänge", "l", "m", "Meter", "laenge", ex="2")
q("TAUT", "Torsionsspannung", "\\c(t)\\d(t)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="60E6")
q("MT", "Torsionsmoment", "M\\d(t)", "N\\mm", "Newtonmeter", "drehmom", ex="900")
q("WP", "Polares Widerstandsmoment", "W\\d(p)", "m\\u(3)", "Kubikmeter", ex="2,5E-5")
q("IP", "Polares Flächenmoment 2. Grades", "I\\d(p)", "m\\u(4)", "Meter hoch vier", ex="6E-7")
q("GMOD", "Schubmodul", "G", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="81E9")
q("PHIT", "Verdrehwinkel", "\\c(j)", "rad", "Radiant", "winkel", ex="0,02")
q("TAUS", "Scherspannung", "\\c(t)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="80E6")
q("FK", "Knickkraft", "F\\d(K)", "N", "Newton", "kraft", ex="150000")
q("LK", "Knicklänge", "l\\d(K)", "m", "Meter", "laenge", ex="2,5")
q("LAMS", "Schlankheitsgrad", "\\c(l)", "1", "ohne Einheit", ex="120")
q("IRAD", "Trägheitsradius", "i", "m", "Meter", "laenge", ex="0,02")

topic("Zug und Druck")
f("Normalspannung", ["SIG", "FL", "AQ"], [
    r"\c(s)=\f(F;A) ~ SIG=FL/AQ",
    r"F=\c(s)\mA ~ FL=SIG*AQ",
    r"A=\f(F;\c(s)) ~ AQ=FL/SIG"])
f("Dehnung", ["EPS", "DLEN", "LNULL"], [
    r"\c(e)=\f(\c(D)l;l\d(0)) ~ EPS=DLEN/LNULL",
    r"\c(D)l=\c(e)\ml\d(0) ~ DLEN=EPS*LNULL",
    r"l\d(0)=\f(\c(D)l;\c(e)) ~ LNULL=DLEN/EPS"])
f("Hookesches Gesetz für Spannung und Dehnung", ["SIG", "EMOD", "EPS"], [
    r"\c(s)=E\m\c(e) ~ SIG=EMOD*EPS",
    r"E=\f(\c(s);\c(e)) ~ EMOD=SIG/EPS",
    r"\c(e)=\f(\c(s);E) ~ EPS=SIG/EMOD"])
f("Längenänderung eines Stabes unter Last", ["DLEN", "FL", "LNULL", "EMOD", "AQ"], [
    r"\c(D)l=\f(F\ml\d(0);E\mA) ~ DLEN=FL*LNULL/(EMOD*AQ)",
    r"F=\f(\c(D)l\mE\mA;l\d(0)) ~ FL=DLEN*EMOD*AQ/LNULL",
    r"l\d(0)=\f(\c(D)l\mE\mA;F) ~ LNULL=DLEN*EMOD*AQ/FL",
    r"E=\f(F\ml\d(0);\c(D)l\mA) ~ EMOD=FL*LNULL/(DLEN*AQ)",
    r"A=\f(F\ml\d(0);E\m\c(D)l) ~ AQ=FL*LNULL/(EMOD*DLEN)"])
f("Zulässige Spannung", ["SZUL", "RM", "SFAKT"], [
    r"\c(s)\d(zul)=\f(R\d(m);S) ~ SZUL=RM/SFAKT",
    r"R\d(m)=\c(s)\d(zul)\mS ~ RM=SZUL*SFAKT",
    r"S=\f(R\d(m);\c(s)\d(zul)) ~ SFAKT=RM/SZUL"])
f("Scherspannung", ["TAUS", "FL", "AQ"], [
    r"\c(t)=\f(F;A) ~ TAUS=FL/AQ",
    r"F=\c(t)\mA ~ FL=TAUS*AQ",
    r"A=\f(F;\c(t)) ~ AQ=FL/TAUS"])

topic("Biegung")
f("Biegespannung", ["SIGB", "MBIEG", "WBIEG"], [
    r"\c(s)\d(b)=\f(M\d(b);W) ~ SIGB=MBIEG/WBIEG",
    r"M\d(b)=\c(s)\d(b)\mW ~ MBIEG=SIGB*WBIEG",
    r"W=\f(M\d(b);\c(s)\d(b)) ~ WBIEG=MBIEG/SIGB"])
f("Widerstandsmoment eines Rechteckquerschnitts", ["WBIEG", "BQ", "HQ"], [
    r"W=\f(b\mh\u(2);6) ~ WBIEG=BQ*HQ^2/6",
    r"b=\f(6\mW;h\u(2)) ~ BQ=6*WBIEG/HQ^2",
    r"h=\r(\f(6\mW;b)) ~ HQ=SQRT(6*WBIEG/BQ)"])
f("Flächenmoment eines Rechteckquerschnitts", ["IFL", "BQ", "HQ"], [
    r"I=\f(b\mh\u(3);12) ~ IFL=BQ*HQ^3/12",
    r"b=\f(12\mI;h\u(3)) ~ BQ=12*IFL/HQ^3",
    r"h=\h(3)\w(\f(12\mI;b)) ~ HQ=(12*IFL/BQ)^(1/3)"])
f("Widerstandsmoment eines Kreisquerschnitts", ["WBIEG", "DQ"], [
    r"W=\f(\c(p)\md\u(3);32) ~ WBIEG=" + P + "*DQ^3/32",
    r"d=\h(3)\w(\f(32\mW;\c(p))) ~ DQ=(32*WBIEG/" + P + ")^(1/3)"])
f("Flächenmoment eines Kreisquerschnitts", ["IFL", "DQ"], [
    r"I=\f(\c(p)\md\u(4);64) ~ IFL=" + P + "*DQ^4/64",
    r"d=\h(4)\w(\f(64\mI;\c(p))) ~ DQ=(64*IFL/" + P + ")^(1/4)"])
f("Durchbiegung eines Kragträgers mit Einzellast am Ende", ["FDURCH", "FL", "LTR", "EMOD", "IFL"], [
    r"f=\f(F\ml\u(3);3\mE\mI) ~ FDURCH=FL*LTR^3/(3*EMOD*IFL)",
    r"F=\f(3\mE\mI\mf;l\u(3)) ~ FL=3*EMOD*IFL*FDURCH/LTR^3",
    r"l=\h(3)\w(\f(3\mE\mI\mf;F)) ~ LTR=(3*EMOD*IFL*FDURCH/FL)^(1/3)",
    r"E=\f(F\ml\u(3);3\mI\mf) ~ EMOD=FL*LTR^3/(3*IFL*FDURCH)",
    r"I=\f(F\ml\u(3);3\mE\mf) ~ IFL=FL*LTR^3/(3*EMOD*FDURCH)"], ex="FL=2000")
f("Durchbiegung eines Trägers auf zwei Stützen mit Mittellast", ["FDURCH", "FL", "LTR", "EMOD", "IFL"], [
    r"f=\f(F\ml\u(3);48\mE\mI) ~ FDURCH=FL*LTR^3/(48*EMOD*IFL)",
    r"F=\f(48\mE\mI\mf;l\u(3)) ~ FL=48*EMOD*IFL*FDURCH/LTR^3",
    r"l=\h(3)\w(\f(48\mE\mI\mf;F)) ~ LTR=(48*EMOD*IFL*FDURCH/FL)^(1/3)",
    r"E=\f(F\ml\u(3);48\mI\mf) ~ EMOD=FL*LTR^3/(48*IFL*FDURCH)",
    r"I=\f(F\ml\u(3);48\mE\mf) ~ IFL=FL*LTR^3/(48*EMOD*FDURCH)"], ex="FL=8000")
f("Größtes Biegemoment eines Trägers auf zwei Stützen mit Mittellast", ["MBIEG", "FL", "LTR"], [
    r"M\d(b)=\f(F\ml;4) ~ MBIEG=FL*LTR/4",
    r"F=\f(4\mM\d(b);l) ~ FL=4*MBIEG/LTR",
    r"l=\f(4\mM\d(b);F) ~ LTR=4*MBIEG/FL"], ex="FL=8000")
f("Größtes Biegemoment eines Kragträgers", ["MBIEG", "FL", "LTR"], [
    r"M\d(b)=F\ml ~ MBIEG=FL*LTR",
    r"F=\f(M\d(b);l) ~ FL=MBIEG/LTR",
    r"l=\f(M\d(b);F) ~ LTR=MBIEG/FL"], ex="FL=2000")

topic("Torsion")
f("Torsionsspannung", ["TAUT", "MT", "WP"], [
    r"\c(t)\d(t)=\f(M\d(t);W\d(p)) ~ TAUT=MT/WP",
    r"M\d(t)=\c(t)\d(t)\mW\d(p) ~ MT=TAUT*WP",
    r"W\d(p)=\f(M\d(t);\c(t)\d(t)) ~ WP=MT/TAUT"])
f("Polares Widerstandsmoment eines Kreisquerschnitts", ["WP", "DQ"], [
    r"W\d(p)=\f(\c(p)\md\u(3);16) ~ WP=" + P + "*DQ^3/16",
    r"d=\h(3)\w(\f(16\mW\d(p);\c(p))) ~ DQ=(16*WP/" + P + ")^(1/3)"])
f("Polares Flächenmoment eines Kreisquerschnitts", ["IP", "DQ"], [
    r"I\d(p)=\f(\c(p)\md\u(4);32) ~ IP=" + P + "*DQ^4/32",
    r"d=\h(4)\w(\f(32\mI\d(p);\c(p))) ~ DQ=(32*IP/" + P + ")^(1/4)"])
f("Verdrehwinkel einer Welle", ["PHIT", "MT", "LTR", "GMOD", "IP"], [
    r"\c(j)=\f(M\d(t)\ml;G\mI\d(p)) ~ PHIT=MT*LTR/(GMOD*IP)",
    r"M\d(t)=\f(\c(j)\mG\mI\d(p);l) ~ MT=PHIT*GMOD*IP/LTR",
    r"l=\f(\c(j)\mG\mI\d(p);M\d(t)) ~ LTR=PHIT*GMOD*IP/MT",
    r"G=\f(M\d(t)\ml;\c(j)\mI\d(p)) ~ GMOD=MT*LTR/(PHIT*IP)",
    r"I\d(p)=\f(M\d(t)\ml;\c(j)\mG) ~ IP=MT*LTR/(PHIT*GMOD)"], ex="LTR=1,2")

topic("Knickung")
f("Knickkraft nach Euler", ["FK", "EMOD", "IFL", "LK"], [
    r"F\d(K)=\f(\c(p)\u(2)\mE\mI;l\d(K)\u(2)) ~ FK=" + P + "^2*EMOD*IFL/LK^2",
    r"E=\f(F\d(K)\ml\d(K)\u(2);\c(p)\u(2)\mI) ~ EMOD=FK*LK^2/(" + P + "^2*IFL)",
    r"I=\f(F\d(K)\ml\d(K)\u(2);\c(p)\u(2)\mE) ~ IFL=FK*LK^2/(" + P + "^2*EMOD)",
    r"l\d(K)=\c(p)\r(\f(E\mI;F\d(K))) ~ LK=" + P + "*SQRT(EMOD*IFL/FK)"], ex="IFL=1,2E-7")
f("Schlankheitsgrad", ["LAMS", "LK", "IRAD"], [
    r"\c(l)=\f(l\d(K);i) ~ LAMS=LK/IRAD",
    r"l\d(K)=\c(l)\mi ~ LK=LAMS*IRAD",
    r"i=\f(l\d(K);\c(l)) ~ IRAD=LK/LAMS"])
f("Trägheitsradius", ["IRAD", "IFL", "AQ"], [
    r"i=\r(\f(I;A)) ~ IRAD=SQRT(IFL/AQ)",
    r"I=i\u(2)\mA ~ IFL=IRAD^2*AQ",
    r"A=\f(I;i\u(2)) ~ AQ=IFL/IRAD^2"])


area("03_fluid", "Fluidmechanik")
nr(300)
q("RHO", "Dichte", "\\c(r)", "kg/m\\u(3)", "Kilogramm je Kubikmeter", "dichte", ex="1000")
q("VOL", "Volumen", "V", "m\\u(3)", "Kubikmeter", "volumen", ex="0,25")
q("PDR", "Druck", "p", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="250000")
q("PNULL", "Luftdruck an der Oberfläche", "p\\d(0)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="101325")
q("FKOLB", "Kolbenkraft", "F", "N", "Newton", "kraft", ex="5000")
q("AKOLB", "Kolbenfläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,002")
q("HT", "Tiefe", "h", "m", "Meter", "laenge", ex="12")
q("FEINS", "Kraft am Pumpenkolben", "F\\d(1)", "N", "Newton", "kraft", ex="200")
q("FZWEI", "Kraft am Arbeitskolben", "F\\d(2)", "N", "Newton", "kraft", ex="8000")
q("AEINS", "Fläche des Pumpenkolbens", "A\\d(1)", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,0005")
q("AZWEI", "Fläche des Arbeitskolbens", "A\\d(2)", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,02")
q("FA", "Auftriebskraft", "F\\d(A)", "N", "Newton", "kraft", ex="50")
q("RHOF", "Dichte der Flüssigkeit", "\\c(r)\\d(F)", "kg/m\\u(3)", "Kilogramm je Kubikmeter", "dichte", ex="1000")
q("VVERD", "Verdrängtes Volumen", "V", "m\\u(3)", "Kubikmeter", "volumen", ex="0,004")
q("VSEINS", "Strömungsgeschwindigkeit im Querschnitt 1", "v\\d(1)", "m/s", "Meter je Sekunde", "geschw", ex="2")
q("VSZWEI", "Strömungsgeschwindigkeit im Querschnitt 2", "v\\d(2)", "m/s", "Meter je Sekunde", "geschw", ex="4,5")
q("QV", "Volumenstrom", "Q", "m\\u(3)/s", "Kubikmeter je Sekunde", "volstrom", ex="0,012")
q("QM", "Massenstrom", "q\\d(m)", "kg/s", "Kilogramm je Sekunde", ex="12")
q("VS", "Strömungsgeschwindigkeit", "v", "m/s", "Meter je Sekunde", "geschw", ex="3")
q("PEINS", "Druck im Querschnitt 1", "p\\d(1)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="200000")
q("PZWEI", "Druck im Querschnitt 2", "p\\d(2)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="190000")
q("PSTAU", "Staudruck", "q", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="450")
q("FW", "Strömungswiderstandskraft", "F\\d(W)", "N", "Newton", "kraft", ex="350")
q("CW", "Widerstandsbeiwert", "c\\d(w)", "1", "ohne Einheit", ex="0,3")
q("AST", "Stirnfläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="2,2")
q("REY", "Reynolds-Zahl", "Re", "1", "ohne Einheit", ex="1800")
q("DROHR", "Rohrinnendurchmesser", "d", "m", "Meter", "laenge", ex="0,05")
q("NUE", "Kinematische Viskosität", "\\c(n)", "m\\u(2)/s", "Quadratmeter je Sekunde", "kinvisk", ex="1,0E-6")
q("ETAD", "Dynamische Viskosität", "\\c(h)", "Pa\\ms", "Pascalsekunde", "dynvisk", abl="N\\ms/m\\u(2)", ex="0,001")
q("RROHR", "Rohrinnenradius", "r", "m", "Meter", "laenge", ex="0,002")
q("DPR", "Druckdifferenz", "\\c(D)p", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="5000")
q("LROHR", "Rohrlänge", "l", "m", "Meter", "laenge", ex="25")
q("LAMR", "Rohrreibungszahl", "\\c(l)", "1", "ohne Einheit", ex="0,025")
q("HFOERD", "Förderhöhe", "H", "m", "Meter", "laenge", ex="30")

topic("Hydrostatik")
f("Dichte", ["RHO", "M", "VOL"], [
    r"\c(r)=\f(m;V) ~ RHO=M/VOL",
    r"m=\c(r)\mV ~ M=RHO*VOL",
    r"V=\f(m;\c(r)) ~ VOL=M/RHO"], ex="M=195")
f("Druck", ["PDR", "FKOLB", "AKOLB"], [
    r"p=\f(F;A) ~ PDR=FKOLB/AKOLB",
    r"F=p\mA ~ FKOLB=PDR*AKOLB",
    r"A=\f(F;p) ~ AKOLB=FKOLB/PDR"])
f("Hydrostatischer Druck (Schweredruck)", ["PDR", "RHO", "G", "HT"], [
    r"p=\c(r)\mg\mh ~ PDR=RHO*G*HT",
    r"\c(r)=\f(p;g\mh) ~ RHO=PDR/(G*HT)",
    r"h=\f(p;\c(r)\mg) ~ HT=PDR/(RHO*G)"])
f("Absoluter Druck in einer Flüssigkeit", ["PDR", "PNULL", "RHO", "G", "HT"], [
    r"p=p\d(0)+\c(r)\mg\mh ~ PDR=PNULL+RHO*G*HT",
    r"p\d(0)=p-\c(r)\mg\mh ~ PNULL=PDR-RHO*G*HT",
    r"\c(r)=\f(p-p\d(0);g\mh) ~ RHO=(PDR-PNULL)/(G*HT)",
    r"h=\f(p-p\d(0);\c(r)\mg) ~ HT=(PDR-PNULL)/(RHO*G)"])
f("Hydraulische Presse", ["FZWEI", "FEINS", "AZWEI", "AEINS"], [
    r"F\d(2)=F\d(1)\m\f(A\d(2);A\d(1)) ~ FZWEI=FEINS*AZWEI/AEINS",
    r"F\d(1)=F\d(2)\m\f(A\d(1);A\d(2)) ~ FEINS=FZWEI*AEINS/AZWEI",
    r"A\d(2)=A\d(1)\m\f(F\d(2);F\d(1)) ~ AZWEI=AEINS*FZWEI/FEINS",
    r"A\d(1)=A\d(2)\m\f(F\d(1);F\d(2)) ~ AEINS=AZWEI*FEINS/FZWEI"])
f("Auftriebskraft (Archimedisches Prinzip)", ["FA", "RHOF", "G", "VVERD"], [
    r"F\d(A)=\c(r)\d(F)\mg\mV ~ FA=RHOF*G*VVERD",
    r"\c(r)\d(F)=\f(F\d(A);g\mV) ~ RHOF=FA/(G*VVERD)",
    r"V=\f(F\d(A);\c(r)\d(F)\mg) ~ VVERD=FA/(RHOF*G)"])

topic("Strömung")
f("Kontinuitätsgleichung", ["VSZWEI", "AEINS", "VSEINS", "AZWEI"], [
    r"v\d(2)=\f(A\d(1)\mv\d(1);A\d(2)) ~ VSZWEI=AEINS*VSEINS/AZWEI",
    r"v\d(1)=\f(A\d(2)\mv\d(2);A\d(1)) ~ VSEINS=AZWEI*VSZWEI/AEINS",
    r"A\d(1)=\f(A\d(2)\mv\d(2);v\d(1)) ~ AEINS=AZWEI*VSZWEI/VSEINS",
    r"A\d(2)=\f(A\d(1)\mv\d(1);v\d(2)) ~ AZWEI=AEINS*VSEINS/VSZWEI"], ex="AEINS=0,008; AZWEI=0,003")
f("Volumenstrom", ["QV", "AKOLB", "VS"], [
    r"Q=A\mv ~ QV=AKOLB*VS",
    r"A=\f(Q;v) ~ AKOLB=QV/VS",
    r"v=\f(Q;A) ~ VS=QV/AKOLB"])
f("Massenstrom", ["QM", "RHO", "QV"], [
    r"q\d(m)=\c(r)\mQ ~ QM=RHO*QV",
    r"\c(r)=\f(q\d(m);Q) ~ RHO=QM/QV",
    r"Q=\f(q\d(m);\c(r)) ~ QV=QM/RHO"])
f("Bernoulli-Gleichung für eine waagerechte Leitung", ["PZWEI", "PEINS", "RHO", "VSEINS", "VSZWEI"], [
    r"p\d(2)=p\d(1)+\f(\c(r);2)\m(v\d(1)\u(2)-v\d(2)\u(2)) ~ PZWEI=PEINS+RHO/2*(VSEINS^2-VSZWEI^2)",
    r"p\d(1)=p\d(2)+\f(\c(r);2)\m(v\d(2)\u(2)-v\d(1)\u(2)) ~ PEINS=PZWEI+RHO/2*(VSZWEI^2-VSEINS^2)",
    r"\c(r)=\f(2\m(p\d(1)-p\d(2));v\d(2)\u(2)-v\d(1)\u(2)) ~ RHO=2*(PEINS-PZWEI)/(VSZWEI^2-VSEINS^2)",
    r"v\d(1)=\r(v\d(2)\u(2)-\f(2\m(p\d(1)-p\d(2));\c(r))) ~ VSEINS=SQRT(VSZWEI^2-2*(PEINS-PZWEI)/RHO)",
    r"v\d(2)=\r(v\d(1)\u(2)+\f(2\m(p\d(1)-p\d(2));\c(r))) ~ VSZWEI=SQRT(VSEINS^2+2*(PEINS-PZWEI)/RHO)"])
f("Staudruck", ["PSTAU", "RHO", "VS"], [
    r"q=\f(\c(r);2)\mv\u(2) ~ PSTAU=RHO/2*VS^2",
    r"\c(r)=\f(2\mq;v\u(2)) ~ RHO=2*PSTAU/VS^2",
    r"v=\r(\f(2\mq;\c(r))) ~ VS=SQRT(2*PSTAU/RHO)"], ex="RHO=1,2; VS=27")
f("Ausflussgeschwindigkeit (Torricelli)", ["VS", "G", "HT"], [
    r"v=\r(2\mg\mh) ~ VS=SQRT(2*G*HT)",
    r"h=\f(v\u(2);2\mg) ~ HT=VS^2/(2*G)"], ex="HT=2,5")

topic("Strömungswiderstand und Rohrströmung")
f("Strömungswiderstand", ["FW", "CW", "AST", "RHO", "VS"], [
    r"F\d(W)=c\d(w)\mA\m\f(\c(r);2)\mv\u(2) ~ FW=CW*AST*RHO/2*VS^2",
    r"c\d(w)=\f(2\mF\d(W);A\m\c(r)\mv\u(2)) ~ CW=2*FW/(AST*RHO*VS^2)",
    r"A=\f(2\mF\d(W);c\d(w)\m\c(r)\mv\u(2)) ~ AST=2*FW/(CW*RHO*VS^2)",
    r"\c(r)=\f(2\mF\d(W);c\d(w)\mA\mv\u(2)) ~ RHO=2*FW/(CW*AST*VS^2)",
    r"v=\r(\f(2\mF\d(W);c\d(w)\mA\m\c(r))) ~ VS=SQRT(2*FW/(CW*AST*RHO))"], ex="RHO=1,2; VS=30")
f("Reynolds-Zahl", ["REY", "VS", "DROHR", "NUE"], [
    r"Re=\f(v\md;\c(n)) ~ REY=VS*DROHR/NUE",
    r"v=\f(Re\m\c(n);d) ~ VS=REY*NUE/DROHR",
    r"d=\f(Re\m\c(n);v) ~ DROHR=REY*NUE/VS",
    r"\c(n)=\f(v\md;Re) ~ NUE=VS*DROHR/REY"], ex="VS=0,04")
f("Kinematische Viskosität", ["NUE", "ETAD", "RHO"], [
    r"\c(n)=\f(\c(h);\c(r)) ~ NUE=ETAD/RHO",
    r"\c(h)=\c(n)\m\c(r) ~ ETAD=NUE*RHO",
    r"\c(r)=\f(\c(h);\c(n)) ~ RHO=ETAD/NUE"])
f("Gesetz von Hagen-Poiseuille", ["QV", "RROHR", "DPR", "ETAD", "LROHR"], [
    r"Q=\f(\c(p)\mr\u(4)\m\c(D)p;8\m\c(h)\ml) ~ QV=" + P + "*RROHR^4*DPR/(8*ETAD*LROHR)",
    r"\c(D)p=\f(8\m\c(h)\ml\mQ;\c(p)\mr\u(4)) ~ DPR=8*ETAD*LROHR*QV/(" + P + "*RROHR^4)",
    r"r=\h(4)\w(\f(8\m\c(h)\ml\mQ;\c(p)\m\c(D)p)) ~ RROHR=(8*ETAD*LROHR*QV/(" + P + "*DPR))^(1/4)",
    r"\c(h)=\f(\c(p)\mr\u(4)\m\c(D)p;8\ml\mQ) ~ ETAD=" + P + "*RROHR^4*DPR/(8*LROHR*QV)",
    r"l=\f(\c(p)\mr\u(4)\m\c(D)p;8\m\c(h)\mQ) ~ LROHR=" + P + "*RROHR^4*DPR/(8*ETAD*QV)"])
f("Druckverlust in geraden Rohren", ["DPR", "LAMR", "LROHR", "DROHR", "RHO", "VS"], [
    r"\c(D)p=\c(l)\m\f(l;d)\m\f(\c(r);2)\mv\u(2) ~ DPR=LAMR*LROHR/DROHR*RHO/2*VS^2",
    r"\c(l)=\f(2\m\c(D)p\md;l\m\c(r)\mv\u(2)) ~ LAMR=2*DPR*DROHR/(LROHR*RHO*VS^2)",
    r"l=\f(2\m\c(D)p\md;\c(l)\m\c(r)\mv\u(2)) ~ LROHR=2*DPR*DROHR/(LAMR*RHO*VS^2)",
    r"d=\f(\c(l)\ml\m\c(r)\mv\u(2);2\m\c(D)p) ~ DROHR=LAMR*LROHR*RHO*VS^2/(2*DPR)",
    r"v=\r(\f(2\m\c(D)p\md;\c(l)\ml\m\c(r))) ~ VS=SQRT(2*DPR*DROHR/(LAMR*LROHR*RHO))"], ex="VS=1,5")
f("Rohrreibungszahl bei laminarer Strömung", ["LAMR", "REY"], [
    r"\c(l)=\f(64;Re) ~ LAMR=64/REY",
    r"Re=\f(64;\c(l)) ~ REY=64/LAMR"])
f("Hydraulische Leistung", ["P", "QV", "DPR"], [
    r"P=Q\m\c(D)p ~ P=QV*DPR",
    r"Q=\f(P;\c(D)p) ~ QV=P/DPR",
    r"\c(D)p=\f(P;Q) ~ DPR=P/QV"])
f("Antriebsleistung einer Pumpe", ["P", "RHO", "G", "QV", "HFOERD", "ETA"], [
    r"P=\f(\c(r)\mg\mQ\mH;\c(h)) ~ P=RHO*G*QV*HFOERD/ETA",
    r"Q=\f(P\m\c(h);\c(r)\mg\mH) ~ QV=P*ETA/(RHO*G*HFOERD)",
    r"H=\f(P\m\c(h);\c(r)\mg\mQ) ~ HFOERD=P*ETA/(RHO*G*QV)",
    r"\c(h)=\f(\c(r)\mg\mQ\mH;P) ~ ETA=RHO*G*QV*HFOERD/P",
    r"\c(r)=\f(P\m\c(h);g\mQ\mH) ~ RHO=P*ETA/(G*QV*HFOERD)"])
