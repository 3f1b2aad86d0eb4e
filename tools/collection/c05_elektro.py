from sammlung import q, f, area, topic, nr

P = "3,14159265358979324"

area("05_elektro", "Elektrotechnik")
nr(500)
q("U", "Elektrische Spannung", "U", "V", "Volt", "spannung", abl="W/A", ex="230")
q("I", "Elektrische Stromstärke", "I", "A", "Ampere", "strom", ex="2,5")
q("R", "Elektrischer Widerstand", "R", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="92")
q("QL", "Elektrische Ladung", "Q", "C", "Coulomb", "ladung", abl="A\\ms", ex="0,005")
q("GL", "Elektrischer Leitwert", "G", "S", "Siemens", abl="A/V", ex="0,02")
q("RHOEL", "Spezifischer elektrischer Widerstand", "\\c(r)", "\\c(W)\\mm", "Ohmmeter", ex="1,72E-8")
q("LLEIT", "Leiterlänge", "l", "m", "Meter", "laenge", ex="50")
q("ALEIT", "Leiterquerschnitt", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="1,5E-6")
q("RZW", "Widerstand bei 20 °C", "R\\d(20)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="100")
q("ALPR", "Temperaturbeiwert", "\\c(a)", "1/K", "je Kelvin", ex="0,0039")
q("RGES", "Gesamtwiderstand", "R\\d(ges)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="150")
q("REINS", "Teilwiderstand 1", "R\\d(1)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="100")
q("RZWEI", "Teilwiderstand 2", "R\\d(2)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="220")
q("UZWEI", "Teilspannung an R2", "U\\d(2)", "V", "Volt", "spannung", abl="W/A", ex="5")
q("IEINS", "Teilstrom durch R1", "I\\d(1)", "A", "Ampere", "strom", ex="0,3")
q("UKL", "Klemmenspannung", "U\\d(K)", "V", "Volt", "spannung", abl="W/A", ex="11,5")
q("UQ", "Quellenspannung", "U\\d(0)", "V", "Volt", "spannung", abl="W/A", ex="12")
q("RI", "Innenwiderstand", "R\\d(i)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="0,05")
q("PELEK", "Elektrische Leistung", "P", "W", "Watt", "leistung", abl="V\\mA", ex="575")
q("WEL", "Elektrische Arbeit", "W", "J", "Joule", "energie", abl="W\\ms", ex="36000")
q("C", "Kapazität", "C", "F", "Farad", "kapazit", abl="A\\ms/V", ex="4,7E-6")
q("EPSR", "Permittivitätszahl", "\\c(e)\\d(r)", "1", "ohne Einheit", ex="2,2")
q("APL", "Plattenfläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,02")
q("DPL", "Plattenabstand", "d", "m", "Meter", "laenge", ex="0,001")
q("WC", "Energie des elektrischen Feldes", "W", "J", "Joule", "energie", abl="W\\ms", ex="0,12")
q("CGES", "Gesamtkapazität", "C\\d(ges)", "F", "Farad", "kapazit", abl="A\\ms/V", ex="6E-6")
q("CAPEINS", "Teilkapazität 1", "C\\d(1)", "F", "Farad", "kapazit", abl="A\\ms/V", ex="4,7E-6")
q("CAPZWEI", "Teilkapazität 2", "C\\d(2)", "F", "Farad", "kapazit", abl="A\\ms/V", ex="10E-6")
q("EFELD", "Elektrische Feldstärke", "E", "V/m", "Volt je Meter", abl="N/C", ex="5000")
q("FEL", "Kraft auf die Ladung", "F", "N", "Newton", "kraft", ex="0,002")
q("QEINS", "Ladung 1", "Q\\d(1)", "C", "Coulomb", "ladung", abl="A\\ms", ex="2E-6")
q("QZWEI", "Ladung 2", "Q\\d(2)", "C", "Coulomb", "ladung", abl="A\\ms", ex="-3E-6")
q("RQ", "Abstand der Ladungen", "r", "m", "Meter", "laenge", ex="0,1")
q("TAU", "Zeitkonstante", "\\c(t)", "s", "Sekunde", "zeit", ex="0,47")
q("UC", "Kondensatorspannung zur Zeit t", "u\\d(C)", "V", "Volt", "spannung", abl="W/A", ex="4")
q("UEFF", "Effektivwert der Spannung", "U\\d(eff)", "V", "Volt", "spannung", abl="W/A", ex="230")
q("UMAX", "Scheitelwert der Spannung", "U\\d(max)", "V", "Volt", "spannung", abl="W/A", ex="325")
q("IEFF", "Effektivwert der Stromstärke", "I\\d(eff)", "A", "Ampere", "strom", ex="2")
q("IMAX", "Scheitelwert der Stromstärke", "I\\d(max)", "A", "Ampere", "strom", ex="2,83")
q("FREQ", "Frequenz", "f", "Hz", "Hertz", "frequenz", abl="1/s", ex="50")
q("XC", "Kapazitiver Blindwiderstand", "X\\d(C)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="680")
q("XL", "Induktiver Blindwiderstand", "X\\d(L)", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="31,4")
q("LIND", "Induktivität", "L", "H", "Henry", "indukt", abl="V\\ms/A", ex="0,1")
q("Z", "Scheinwiderstand", "Z", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="130")
q("XB", "Blindwiderstand", "X", "\\c(W)", "Ohm", "widerst", abl="V/A", ex="50")
q("PHIV", "Phasenverschiebungswinkel", "\\c(j)", "rad", "Radiant", "winkel", ex="0,6")
q("PW", "Wirkleistung", "P", "W", "Watt", "leistung", abl="V\\mA", ex="1800")
q("QB", "Blindleistung", "Q", "var", "Var", abl="V\\mA", ex="900")
q("SSCH", "Scheinleistung", "S", "V\\mA", "Voltampere", ex="2300")
q("FRES", "Resonanzfrequenz", "f\\d(0)", "Hz", "Hertz", "frequenz", abl="1/s", ex="1000")
q("UPRIM", "Primärspannung", "U\\d(1)", "V", "Volt", "spannung", abl="W/A", ex="230")
q("USEK", "Sekundärspannung", "U\\d(2)", "V", "Volt", "spannung", abl="W/A", ex="12")
q("NPRIM", "Windungszahl der Primärspule", "N\\d(1)", "1", "ohne Einheit", ex="1150")
q("NSEK", "Windungszahl der Sekundärspule", "N\\d(2)", "1", "ohne Einheit", ex="60")
q("IPRIM", "Primärstrom", "I\\d(1)", "A", "Ampere", "strom", ex="0,25")
q("ISEK", "Sekundärstrom", "I\\d(2)", "A", "Ampere", "strom", ex="4,8")

topic("Grundgesetze des Stromkreises")
f("Ohmsches Gesetz", ["U", "R", "I"], [
    r"U=R\mI ~ U=R*I",
    r"R=\f(U;I) ~ R=U/I",
    r"I=\f(U;R) ~ I=U/R"])
f("Elektrische Stromstärke", ["I", "QL", "T"], [
    r"I=\f(Q;t) ~ I=QL/T",
    r"Q=I\mt ~ QL=I*T",
    r"t=\f(Q;I) ~ T=QL/I"], ex="QL=20")
f("Leitungswiderstand", ["R", "RHOEL", "LLEIT", "ALEIT"], [
    r"R=\f(\c(r)\ml;A) ~ R=RHOEL*LLEIT/ALEIT",
    r"\c(r)=\f(R\mA;l) ~ RHOEL=R*ALEIT/LLEIT",
    r"l=\f(R\mA;\c(r)) ~ LLEIT=R*ALEIT/RHOEL",
    r"A=\f(\c(r)\ml;R) ~ ALEIT=RHOEL*LLEIT/R"])
f("Elektrischer Leitwert", ["GL", "R"], [
    r"G=\f(1;R) ~ GL=1/R",
    r"R=\f(1;G) ~ R=1/GL"])
f("Widerstand bei Temperaturänderung", ["R", "RZW", "ALPR", "DTK"], [
    r"R=R\d(20)\m(1+\c(a)\m\c(D)T) ~ R=RZW*(1+ALPR*DTK)",
    r"R\d(20)=\f(R;1+\c(a)\m\c(D)T) ~ RZW=R/(1+ALPR*DTK)",
    r"\c(a)=\f(R/R\d(20)-1;\c(D)T) ~ ALPR=(R/RZW-1)/DTK",
    r"\c(D)T=\f(R/R\d(20)-1;\c(a)) ~ DTK=(R/RZW-1)/ALPR"])

topic("Schaltungen von Widerständen")
f("Reihenschaltung zweier Widerstände", ["RGES", "REINS", "RZWEI"], [
    r"R\d(ges)=R\d(1)+R\d(2) ~ RGES=REINS+RZWEI",
    r"R\d(1)=R\d(ges)-R\d(2) ~ REINS=RGES-RZWEI",
    r"R\d(2)=R\d(ges)-R\d(1) ~ RZWEI=RGES-REINS"])
f("Parallelschaltung zweier Widerstände", ["RGES", "REINS", "RZWEI"], [
    r"R\d(ges)=\f(R\d(1)\mR\d(2);R\d(1)+R\d(2)) ~ RGES=REINS*RZWEI/(REINS+RZWEI)",
    r"R\d(1)=\f(R\d(ges)\mR\d(2);R\d(2)-R\d(ges)) ~ REINS=RGES*RZWEI/(RZWEI-RGES)",
    r"R\d(2)=\f(R\d(ges)\mR\d(1);R\d(1)-R\d(ges)) ~ RZWEI=RGES*REINS/(REINS-RGES)"])
f("Unbelasteter Spannungsteiler", ["UZWEI", "U", "REINS", "RZWEI"], [
    r"U\d(2)=U\m\f(R\d(2);R\d(1)+R\d(2)) ~ UZWEI=U*RZWEI/(REINS+RZWEI)",
    r"U=U\d(2)\m\f(R\d(1)+R\d(2);R\d(2)) ~ U=UZWEI*(REINS+RZWEI)/RZWEI",
    r"R\d(1)=R\d(2)\m\f(U-U\d(2);U\d(2)) ~ REINS=RZWEI*(U-UZWEI)/UZWEI",
    r"R\d(2)=R\d(1)\m\f(U\d(2);U-U\d(2)) ~ RZWEI=REINS*UZWEI/(U-UZWEI)"], ex="U=12")
f("Stromteiler", ["IEINS", "I", "REINS", "RZWEI"], [
    r"I\d(1)=I\m\f(R\d(2);R\d(1)+R\d(2)) ~ IEINS=I*RZWEI/(REINS+RZWEI)",
    r"I=I\d(1)\m\f(R\d(1)+R\d(2);R\d(2)) ~ I=IEINS*(REINS+RZWEI)/RZWEI",
    r"R\d(1)=R\d(2)\m\f(I-I\d(1);I\d(1)) ~ REINS=RZWEI*(I-IEINS)/IEINS",
    r"R\d(2)=R\d(1)\m\f(I\d(1);I-I\d(1)) ~ RZWEI=REINS*IEINS/(I-IEINS)"], ex="I=0,5")
f("Klemmenspannung einer Spannungsquelle", ["UKL", "UQ", "I", "RI"], [
    r"U\d(K)=U\d(0)-I\mR\d(i) ~ UKL=UQ-I*RI",
    r"U\d(0)=U\d(K)+I\mR\d(i) ~ UQ=UKL+I*RI",
    r"I=\f(U\d(0)-U\d(K);R\d(i)) ~ I=(UQ-UKL)/RI",
    r"R\d(i)=\f(U\d(0)-U\d(K);I) ~ RI=(UQ-UKL)/I"], ex="I=10")
f("Knotenregel (1. Kirchhoffsches Gesetz)", [], [
    r"\S I\d(zu)=\S I\d(ab) ~"])
f("Maschenregel (2. Kirchhoffsches Gesetz)", [], [
    r"\S U=0 ~"])

topic("Elektrische Arbeit und Leistung")
f("Elektrische Leistung", ["PELEK", "U", "I"], [
    r"P=U\mI ~ PELEK=U*I",
    r"U=\f(P;I) ~ U=PELEK/I",
    r"I=\f(P;U) ~ I=PELEK/U"])
f("Leistung aus Strom und Widerstand", ["PELEK", "I", "R"], [
    r"P=I\u(2)\mR ~ PELEK=I^2*R",
    r"I=\r(\f(P;R)) ~ I=SQRT(PELEK/R)",
    r"R=\f(P;I\u(2)) ~ R=PELEK/I^2"])
f("Leistung aus Spannung und Widerstand", ["PELEK", "U", "R"], [
    r"P=\f(U\u(2);R) ~ PELEK=U^2/R",
    r"U=\r(P\mR) ~ U=SQRT(PELEK*R)",
    r"R=\f(U\u(2);P) ~ R=U^2/PELEK"])
f("Elektrische Arbeit", ["WEL", "U", "I", "T"], [
    r"W=U\mI\mt ~ WEL=U*I*T",
    r"U=\f(W;I\mt) ~ U=WEL/(I*T)",
    r"I=\f(W;U\mt) ~ I=WEL/(U*T)",
    r"t=\f(W;U\mI) ~ T=WEL/(U*I)"], ex="T=3600")

topic("Elektrisches Feld")
f("Elektrische Feldstärke", ["EFELD", "FEL", "QL"], [
    r"E=\f(F;Q) ~ EFELD=FEL/QL",
    r"F=E\mQ ~ FEL=EFELD*QL",
    r"Q=\f(F;E) ~ QL=FEL/EFELD"], ex="QL=4E-7")
f("Feldstärke im Plattenkondensator", ["EFELD", "U", "DPL"], [
    r"E=\f(U;d) ~ EFELD=U/DPL",
    r"U=E\md ~ U=EFELD*DPL",
    r"d=\f(U;E) ~ DPL=U/EFELD"])
f("Coulombsches Gesetz", ["FEL", "QEINS", "QZWEI", "EPSNULL", "RQ"], [
    r"F=\f(Q\d(1)\mQ\d(2);4\m\c(p)\m\c(e)\d(0)\mr\u(2)) ~ FEL=QEINS*QZWEI/(4*" + P + "*EPSNULL*RQ^2)",
    r"Q\d(1)=\f(4\m\c(p)\m\c(e)\d(0)\mr\u(2)\mF;Q\d(2)) ~ QEINS=4*" + P + "*EPSNULL*RQ^2*FEL/QZWEI",
    r"Q\d(2)=\f(4\m\c(p)\m\c(e)\d(0)\mr\u(2)\mF;Q\d(1)) ~ QZWEI=4*" + P + "*EPSNULL*RQ^2*FEL/QEINS",
    r"r=\r(\f(Q\d(1)\mQ\d(2);4\m\c(p)\m\c(e)\d(0)\mF)) ~ RQ=SQRT(QEINS*QZWEI/(4*" + P + "*EPSNULL*FEL))"], ex="QZWEI=3E-6")

topic("Kondensator")
f("Kapazität", ["C", "QL", "U"], [
    r"C=\f(Q;U) ~ C=QL/U",
    r"Q=C\mU ~ QL=C*U",
    r"U=\f(Q;C) ~ U=QL/C"], ex="U=12; QL=0,0000564")
f("Kapazität eines Plattenkondensators", ["C", "EPSNULL", "EPSR", "APL", "DPL"], [
    r"C=\c(e)\d(0)\m\c(e)\d(r)\m\f(A;d) ~ C=EPSNULL*EPSR*APL/DPL",
    r"\c(e)\d(r)=\f(C\md;\c(e)\d(0)\mA) ~ EPSR=C*DPL/(EPSNULL*APL)",
    r"A=\f(C\md;\c(e)\d(0)\m\c(e)\d(r)) ~ APL=C*DPL/(EPSNULL*EPSR)",
    r"d=\f(\c(e)\d(0)\m\c(e)\d(r)\mA;C) ~ DPL=EPSNULL*EPSR*APL/C"])
f("Energie eines geladenen Kondensators", ["WC", "C", "U"], [
    r"W=\f(C;2)\mU\u(2) ~ WC=C/2*U^2",
    r"C=\f(2\mW;U\u(2)) ~ C=2*WC/U^2",
    r"U=\r(\f(2\mW;C)) ~ U=SQRT(2*WC/C)"], ex="U=12")
f("Reihenschaltung zweier Kondensatoren", ["CGES", "CAPEINS", "CAPZWEI"], [
    r"C\d(ges)=\f(C\d(1)\mC\d(2);C\d(1)+C\d(2)) ~ CGES=CAPEINS*CAPZWEI/(CAPEINS+CAPZWEI)",
    r"C\d(1)=\f(C\d(ges)\mC\d(2);C\d(2)-C\d(ges)) ~ CAPEINS=CGES*CAPZWEI/(CAPZWEI-CGES)",
    r"C\d(2)=\f(C\d(ges)\mC\d(1);C\d(1)-C\d(ges)) ~ CAPZWEI=CGES*CAPEINS/(CAPEINS-CGES)"])
f("Parallelschaltung zweier Kondensatoren", ["CGES", "CAPEINS", "CAPZWEI"], [
    r"C\d(ges)=C\d(1)+C\d(2) ~ CGES=CAPEINS+CAPZWEI",
    r"C\d(1)=C\d(ges)-C\d(2) ~ CAPEINS=CGES-CAPZWEI",
    r"C\d(2)=C\d(ges)-C\d(1) ~ CAPZWEI=CGES-CAPEINS"])
f("Zeitkonstante eines RC-Gliedes", ["TAU", "R", "C"], [
    r"\c(t)=R\mC ~ TAU=R*C",
    r"R=\f(\c(t);C) ~ R=TAU/C",
    r"C=\f(\c(t);R) ~ C=TAU/R"], ex="R=100000")
f("Entladung eines Kondensators", ["UC", "UQ", "T", "TAU"], [
    r"u\d(C)=U\d(0)\me\u(-t/\c(t)) ~ UC=UQ*EXP(-T/TAU)",
    r"U\d(0)=u\d(C)\me\u(t/\c(t)) ~ UQ=UC*EXP(T/TAU)",
    r"t=\c(t)\ml\n\f(U\d(0);u\d(C)) ~ T=TAU*LN(UQ/UC)",
    r"\c(t)=\f(t;l\n(U\d(0)/u\d(C))) ~ TAU=T/LN(UQ/UC)"], ex="T=0,3")
f("Aufladung eines Kondensators", ["UC", "UQ", "T", "TAU"], [
    r"u\d(C)=U\d(0)\m(1-e\u(-t/\c(t))) ~ UC=UQ*(1-EXP(-T/TAU))",
    r"U\d(0)=\f(u\d(C);1-e\u(-t/\c(t))) ~ UQ=UC/(1-EXP(-T/TAU))",
    r"t=\c(t)\ml\n\f(U\d(0);U\d(0)-u\d(C)) ~ T=TAU*LN(UQ/(UQ-UC))",
    r"\c(t)=\f(t;l\n(U\d(0)/(U\d(0)-u\d(C)))) ~ TAU=T/LN(UQ/(UQ-UC))"], ex="T=0,3")

topic("Wechselstrom")
f("Effektivwert einer sinusförmigen Spannung", ["UEFF", "UMAX"], [
    r"U\d(eff)=\f(U\d(max);\r(2)) ~ UEFF=UMAX/SQRT(2)",
    r"U\d(max)=\r(2)\mU\d(eff) ~ UMAX=SQRT(2)*UEFF"])
f("Effektivwert eines sinusförmigen Stromes", ["IEFF", "IMAX"], [
    r"I\d(eff)=\f(I\d(max);\r(2)) ~ IEFF=IMAX/SQRT(2)",
    r"I\d(max)=\r(2)\mI\d(eff) ~ IMAX=SQRT(2)*IEFF"])
f("Kapazitiver Blindwiderstand", ["XC", "FREQ", "C"], [
    r"X\d(C)=\f(1;2\m\c(p)\mf\mC) ~ XC=1/(2*" + P + "*FREQ*C)",
    r"f=\f(1;2\m\c(p)\mX\d(C)\mC) ~ FREQ=1/(2*" + P + "*XC*C)",
    r"C=\f(1;2\m\c(p)\mf\mX\d(C)) ~ C=1/(2*" + P + "*FREQ*XC)"])
f("Induktiver Blindwiderstand", ["XL", "FREQ", "LIND"], [
    r"X\d(L)=2\m\c(p)\mf\mL ~ XL=2*" + P + "*FREQ*LIND",
    r"f=\f(X\d(L);2\m\c(p)\mL) ~ FREQ=XL/(2*" + P + "*LIND)",
    r"L=\f(X\d(L);2\m\c(p)\mf) ~ LIND=XL/(2*" + P + "*FREQ)"])
f("Scheinwiderstand einer Reihenschaltung von R und X", ["Z", "R", "XB"], [
    r"Z=\r(R\u(2)+X\u(2)) ~ Z=SQRT(R^2+XB^2)",
    r"R=\r(Z\u(2)-X\u(2)) ~ R=SQRT(Z^2-XB^2)",
    r"X=\r(Z\u(2)-R\u(2)) ~ XB=SQRT(Z^2-R^2)"], ex="R=120")
f("Wirkleistung", ["PW", "U", "I", "PHIV"], [
    r"P=U\mI\mcos \c(j) ~ PW=U*I*COS(PHIV)",
    r"U=\f(P;I\mcos \c(j)) ~ U=PW/(I*COS(PHIV))",
    r"I=\f(P;U\mcos \c(j)) ~ I=PW/(U*COS(PHIV))",
    r"\c(j)=arccos\f(P;U\mI) ~ PHIV=ARCCOS(PW/(U*I))"], ex="I=10")
f("Blindleistung", ["QB", "U", "I", "PHIV"], [
    r"Q=U\mI\msin \c(j) ~ QB=U*I*SIN(PHIV)",
    r"U=\f(Q;I\msin \c(j)) ~ U=QB/(I*SIN(PHIV))",
    r"I=\f(Q;U\msin \c(j)) ~ I=QB/(U*SIN(PHIV))",
    r"\c(j)=arcsin\f(Q;U\mI) ~ PHIV=ARCSIN(QB/(U*I))"], ex="I=10")
f("Scheinleistung", ["SSCH", "U", "I"], [
    r"S=U\mI ~ SSCH=U*I",
    r"U=\f(S;I) ~ U=SSCH/I",
    r"I=\f(S;U) ~ I=SSCH/U"], ex="I=10")
f("Leistungsdreieck", ["SSCH", "PW", "QB"], [
    r"S=\r(P\u(2)+Q\u(2)) ~ SSCH=SQRT(PW^2+QB^2)",
    r"P=\r(S\u(2)-Q\u(2)) ~ PW=SQRT(SSCH^2-QB^2)",
    r"Q=\r(S\u(2)-P\u(2)) ~ QB=SQRT(SSCH^2-PW^2)"])
f("Resonanzfrequenz eines Schwingkreises (Thomsonsche Formel)", ["FRES", "LIND", "C"], [
    r"f\d(0)=\f(1;2\m\c(p)\m\r(L\mC)) ~ FRES=1/(2*" + P + "*SQRT(LIND*C))",
    r"L=\f(1;4\m\c(p)\u(2)\mf\d(0)\u(2)\mC) ~ LIND=1/(4*" + P + "^2*FRES^2*C)",
    r"C=\f(1;4\m\c(p)\u(2)\mf\d(0)\u(2)\mL) ~ C=1/(4*" + P + "^2*FRES^2*LIND)"])
f("Wirkleistung im Drehstromnetz", ["PW", "U", "I", "PHIV"], [
    r"P=\r(3)\mU\mI\mcos \c(j) ~ PW=SQRT(3)*U*I*COS(PHIV)",
    r"U=\f(P;\r(3)\mI\mcos \c(j)) ~ U=PW/(SQRT(3)*I*COS(PHIV))",
    r"I=\f(P;\r(3)\mU\mcos \c(j)) ~ I=PW/(SQRT(3)*U*COS(PHIV))",
    r"\c(j)=arccos\f(P;\r(3)\mU\mI) ~ PHIV=ARCCOS(PW/(SQRT(3)*U*I))"], ex="U=400; I=16")

topic("Transformator")
f("Spannungsübersetzung des Transformators", ["USEK", "UPRIM", "NSEK", "NPRIM"], [
    r"U\d(2)=U\d(1)\m\f(N\d(2);N\d(1)) ~ USEK=UPRIM*NSEK/NPRIM",
    r"U\d(1)=U\d(2)\m\f(N\d(1);N\d(2)) ~ UPRIM=USEK*NPRIM/NSEK",
    r"N\d(2)=N\d(1)\m\f(U\d(2);U\d(1)) ~ NSEK=NPRIM*USEK/UPRIM",
    r"N\d(1)=N\d(2)\m\f(U\d(1);U\d(2)) ~ NPRIM=NSEK*UPRIM/USEK"])
f("Stromübersetzung des Transformators", ["ISEK", "IPRIM", "NPRIM", "NSEK"], [
    r"I\d(2)=I\d(1)\m\f(N\d(1);N\d(2)) ~ ISEK=IPRIM*NPRIM/NSEK",
    r"I\d(1)=I\d(2)\m\f(N\d(2);N\d(1)) ~ IPRIM=ISEK*NSEK/NPRIM",
    r"N\d(1)=N\d(2)\m\f(I\d(2);I\d(1)) ~ NPRIM=NSEK*ISEK/IPRIM",
    r"N\d(2)=N\d(1)\m\f(I\d(1);I\d(2)) ~ NSEK=NPRIM*IPRIM/ISEK"])


area("06_magnet", "Magnetismus")
nr(600)
q("BFL", "Magnetische Flussdichte", "B", "T", "Tesla", "flussdi", abl="V\\ms/m\\u(2)", ex="0,8")
q("PHIM", "Magnetischer Fluss", "\\c(F)", "Wb", "Weber", abl="V\\ms", ex="0,0016")
q("AM", "Fläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="0,002")
q("HFS", "Magnetische Feldstärke", "H", "A/m", "Ampere je Meter", ex="4000")
q("NW", "Windungszahl", "N", "1", "ohne Einheit", ex="500")
q("LSP", "Spulenlänge", "l", "m", "Meter", "laenge", ex="0,12")
q("MYR", "Permeabilitätszahl", "\\c(m)\\d(r)", "1", "ohne Einheit", ex="800")
q("RLT", "Abstand vom Leiter", "r", "m", "Meter", "laenge", ex="0,05")
q("FLOR", "Lorentzkraft", "F", "N", "Newton", "kraft", ex="2")
q("LLT", "Wirksame Leiterlänge", "l", "m", "Meter", "laenge", ex="0,25")
q("VT", "Geschwindigkeit des Teilchens", "v", "m/s", "Meter je Sekunde", "geschw", ex="2E6")
q("QT", "Ladung des Teilchens", "Q", "C", "Coulomb", "ladung", abl="A\\ms", ex="1,602176634E-19")
q("MTEIL", "Masse des Teilchens", "m", "kg", "Kilogramm", "masse", ex="9,1093837E-31")
q("RBT", "Bahnradius im Magnetfeld", "r", "m", "Meter", "laenge", ex="0,01")
q("UIND", "Induktionsspannung", "U\\d(ind)", "V", "Volt", "spannung", abl="W/A", ex="1,5")
q("VLEIT", "Geschwindigkeit des Leiters", "v", "m/s", "Meter je Sekunde", "geschw", ex="5")
q("DPHI", "Flussänderung", "\\c(D)\\c(F)", "Wb", "Weber", abl="V\\ms", ex="0,003")
q("DTM", "Zeitspanne der Änderung", "\\c(D)t", "s", "Sekunde", "zeit", ex="0,1")
q("WM", "Energie des Magnetfeldes", "W", "J", "Joule", "energie", abl="W\\ms", ex="0,5")
q("DI", "Stromänderung", "\\c(D)I", "A", "Ampere", "strom", ex="2")
q("IEINSM", "Strom im ersten Leiter", "I\\d(1)", "A", "Ampere", "strom", ex="10")
q("IZWEIM", "Strom im zweiten Leiter", "I\\d(2)", "A", "Ampere", "strom", ex="15")
q("THETA", "Magnetische Durchflutung", "\\c(Q)", "A", "Ampere", ex="1000")
q("RMAG", "Magnetischer Widerstand", "R\\d(m)", "A/(V\\ms)", "Ampere je Voltsekunde", abl="1/H", ex="250000")

topic("Magnetisches Feld")
f("Magnetischer Fluss", ["PHIM", "BFL", "AM"], [
    r"\c(F)=B\mA ~ PHIM=BFL*AM",
    r"B=\f(\c(F);A) ~ BFL=PHIM/AM",
    r"A=\f(\c(F);B) ~ AM=PHIM/BFL"])
f("Feldstärke einer langen Spule", ["HFS", "NW", "I", "LSP"], [
    r"H=\f(N\mI;l) ~ HFS=NW*I/LSP",
    r"N=\f(H\ml;I) ~ NW=HFS*LSP/I",
    r"I=\f(H\ml;N) ~ I=HFS*LSP/NW",
    r"l=\f(N\mI;H) ~ LSP=NW*I/HFS"], ex="I=1,2")
f("Flussdichte und Feldstärke", ["BFL", "MYNULL", "MYR", "HFS"], [
    r"B=\c(m)\d(0)\m\c(m)\d(r)\mH ~ BFL=MYNULL*MYR*HFS",
    r"\c(m)\d(r)=\f(B;\c(m)\d(0)\mH) ~ MYR=BFL/(MYNULL*HFS)",
    r"H=\f(B;\c(m)\d(0)\m\c(m)\d(r)) ~ HFS=BFL/(MYNULL*MYR)"])
f("Flussdichte um einen geraden Leiter", ["BFL", "MYNULL", "I", "RLT"], [
    r"B=\f(\c(m)\d(0)\mI;2\m\c(p)\mr) ~ BFL=MYNULL*I/(2*" + P + "*RLT)",
    r"I=\f(2\m\c(p)\mr\mB;\c(m)\d(0)) ~ I=2*" + P + "*RLT*BFL/MYNULL",
    r"r=\f(\c(m)\d(0)\mI;2\m\c(p)\mB) ~ RLT=MYNULL*I/(2*" + P + "*BFL)"], ex="I=20")
f("Magnetische Durchflutung", ["THETA", "NW", "I"], [
    r"\c(Q)=N\mI ~ THETA=NW*I",
    r"N=\f(\c(Q);I) ~ NW=THETA/I",
    r"I=\f(\c(Q);N) ~ I=THETA/NW"])
f("Magnetischer Widerstand", ["RMAG", "LSP", "MYNULL", "MYR", "AM"], [
    r"R\d(m)=\f(l;\c(m)\d(0)\m\c(m)\d(r)\mA) ~ RMAG=LSP/(MYNULL*MYR*AM)",
    r"l=R\d(m)\m\c(m)\d(0)\m\c(m)\d(r)\mA ~ LSP=RMAG*MYNULL*MYR*AM",
    r"\c(m)\d(r)=\f(l;R\d(m)\m\c(m)\d(0)\mA) ~ MYR=LSP/(RMAG*MYNULL*AM)",
    r"A=\f(l;R\d(m)\m\c(m)\d(0)\m\c(m)\d(r)) ~ AM=LSP/(RMAG*MYNULL*MYR)"])

topic("Kräfte im Magnetfeld")
f("Kraft auf einen stromdurchflossenen Leiter", ["FLOR", "BFL", "I", "LLT"], [
    r"F=B\mI\ml ~ FLOR=BFL*I*LLT",
    r"B=\f(F;I\ml) ~ BFL=FLOR/(I*LLT)",
    r"I=\f(F;B\ml) ~ I=FLOR/(BFL*LLT)",
    r"l=\f(F;B\mI) ~ LLT=FLOR/(BFL*I)"])
f("Lorentzkraft auf eine bewegte Ladung", ["FLOR", "QT", "VT", "BFL"], [
    r"F=Q\mv\mB ~ FLOR=QT*VT*BFL",
    r"Q=\f(F;v\mB) ~ QT=FLOR/(VT*BFL)",
    r"v=\f(F;Q\mB) ~ VT=FLOR/(QT*BFL)",
    r"B=\f(F;Q\mv) ~ BFL=FLOR/(QT*VT)"], ex="BFL=0,01")
f("Bahnradius einer Ladung im Magnetfeld", ["RBT", "MTEIL", "VT", "QT", "BFL"], [
    r"r=\f(m\mv;Q\mB) ~ RBT=MTEIL*VT/(QT*BFL)",
    r"m=\f(r\mQ\mB;v) ~ MTEIL=RBT*QT*BFL/VT",
    r"v=\f(r\mQ\mB;m) ~ VT=RBT*QT*BFL/MTEIL",
    r"Q=\f(m\mv;r\mB) ~ QT=MTEIL*VT/(RBT*BFL)",
    r"B=\f(m\mv;r\mQ) ~ BFL=MTEIL*VT/(RBT*QT)"], ex="BFL=0,01")
f("Kraft zwischen zwei parallelen Leitern", ["FLOR", "MYNULL", "IEINSM", "IZWEIM", "LLT", "RLT"], [
    r"F=\f(\c(m)\d(0)\mI\d(1)\mI\d(2)\ml;2\m\c(p)\mr) ~ FLOR=MYNULL*IEINSM*IZWEIM*LLT/(2*" + P + "*RLT)",
    r"I\d(1)=\f(2\m\c(p)\mr\mF;\c(m)\d(0)\mI\d(2)\ml) ~ IEINSM=2*" + P + "*RLT*FLOR/(MYNULL*IZWEIM*LLT)",
    r"I\d(2)=\f(2\m\c(p)\mr\mF;\c(m)\d(0)\mI\d(1)\ml) ~ IZWEIM=2*" + P + "*RLT*FLOR/(MYNULL*IEINSM*LLT)",
    r"l=\f(2\m\c(p)\mr\mF;\c(m)\d(0)\mI\d(1)\mI\d(2)) ~ LLT=2*" + P + "*RLT*FLOR/(MYNULL*IEINSM*IZWEIM)",
    r"r=\f(\c(m)\d(0)\mI\d(1)\mI\d(2)\ml;2\m\c(p)\mF) ~ RLT=MYNULL*IEINSM*IZWEIM*LLT/(2*" + P + "*FLOR)"])

topic("Induktion")
f("Induktionsspannung in einem bewegten Leiter", ["UIND", "BFL", "LLT", "VLEIT"], [
    r"U\d(ind)=B\ml\mv ~ UIND=BFL*LLT*VLEIT",
    r"B=\f(U\d(ind);l\mv) ~ BFL=UIND/(LLT*VLEIT)",
    r"l=\f(U\d(ind);B\mv) ~ LLT=UIND/(BFL*VLEIT)",
    r"v=\f(U\d(ind);B\ml) ~ VLEIT=UIND/(BFL*LLT)"])
f("Induktionsgesetz (Betrag)", ["UIND", "NW", "DPHI", "DTM"], [
    r"U\d(ind)=N\m\f(\c(D)\c(F);\c(D)t) ~ UIND=NW*DPHI/DTM",
    r"N=\f(U\d(ind)\m\c(D)t;\c(D)\c(F)) ~ NW=UIND*DTM/DPHI",
    r"\c(D)\c(F)=\f(U\d(ind)\m\c(D)t;N) ~ DPHI=UIND*DTM/NW",
    r"\c(D)t=\f(N\m\c(D)\c(F);U\d(ind)) ~ DTM=NW*DPHI/UIND"])
f("Induktivität einer langen Spule", ["LIND", "MYNULL", "MYR", "NW", "AM", "LSP"], [
    r"L=\f(\c(m)\d(0)\m\c(m)\d(r)\mN\u(2)\mA;l) ~ LIND=MYNULL*MYR*NW^2*AM/LSP",
    r"\c(m)\d(r)=\f(L\ml;\c(m)\d(0)\mN\u(2)\mA) ~ MYR=LIND*LSP/(MYNULL*NW^2*AM)",
    r"N=\r(\f(L\ml;\c(m)\d(0)\m\c(m)\d(r)\mA)) ~ NW=SQRT(LIND*LSP/(MYNULL*MYR*AM))",
    r"A=\f(L\ml;\c(m)\d(0)\m\c(m)\d(r)\mN\u(2)) ~ AM=LIND*LSP/(MYNULL*MYR*NW^2)",
    r"l=\f(\c(m)\d(0)\m\c(m)\d(r)\mN\u(2)\mA;L) ~ LSP=MYNULL*MYR*NW^2*AM/LIND"], ex="MYR=1; AM=0,0005")
f("Selbstinduktionsspannung (Betrag)", ["UIND", "LIND", "DI", "DTM"], [
    r"U\d(ind)=L\m\f(\c(D)I;\c(D)t) ~ UIND=LIND*DI/DTM",
    r"L=\f(U\d(ind)\m\c(D)t;\c(D)I) ~ LIND=UIND*DTM/DI",
    r"\c(D)I=\f(U\d(ind)\m\c(D)t;L) ~ DI=UIND*DTM/LIND",
    r"\c(D)t=\f(L\m\c(D)I;U\d(ind)) ~ DTM=LIND*DI/UIND"])
f("Energie des Magnetfeldes einer Spule", ["WM", "LIND", "I"], [
    r"W=\f(L;2)\mI\u(2) ~ WM=LIND/2*I^2",
    r"L=\f(2\mW;I\u(2)) ~ LIND=2*WM/I^2",
    r"I=\r(\f(2\mW;L)) ~ I=SQRT(2*WM/LIND)"])
f("Zeitkonstante eines RL-Gliedes", ["TAU", "LIND", "R"], [
    r"\c(t)=\f(L;R) ~ TAU=LIND/R",
    r"L=\c(t)\mR ~ LIND=TAU*R",
    r"R=\f(L;\c(t)) ~ R=LIND/TAU"], ex="R=10")
